#pragma once

#include "engine/speech/speech.h"

#include <cstdint>
#include <memory>
#include <string>

namespace GE {
class Focus;
class Render_object;
} // namespace GE

namespace Game {

class Vossmere;

// Tells a player who cannot see the screen what it shows, through the game's speech: after each
// event the game handled, whatever changed since the last time. The screen on top comes first,
// a dialog with its question and buttons; then the level's view the player turned to; then the
// object that took the focus, or its new state; then a problem written at the bottom.
class Narrator {
public:
    explicit Narrator(GE::Speech& speech) : speech(&speech) {}

    // Says what changed on `game` since the last call.
    void notice(Vossmere& game);
    // Says the current view's description again (R).
    void repeat_view();
    // Forgets what was said, so that the next notice says the whole screen again, after what is
    // being said.
    void forget();

    // The countdown of the display dialog is said at these seconds.
    static constexpr std::int32_t countdown_said[] = {10, 5};

private:
    // Says `text` in `manner`, which then turns to following: what a notice says after its
    // first utterance follows it rather than cutting it short. A notice ends interrupting again.
    void say(const std::string& text);
    void notice_screen(Vossmere& game);
    void notice_view();
    void notice_focus(Vossmere& game);
    void notice_countdown(Vossmere& game);
    void notice_problem(Vossmere& game);

    GE::Speech* speech; // not owned
    GE::Speech::Manner manner = GE::Speech::Manner::interrupt;
    std::weak_ptr<GE::Render_object> screen, view, focused, problem;
    std::string view_text, focused_text;
    std::int32_t seconds_left = -1;
};

} // namespace Game
