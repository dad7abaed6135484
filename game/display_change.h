#pragma once

#include <SDL_events.h>

#include <memory>
#include <string>
#include <utility>

namespace GE {
class Ticker;
}

namespace Game {

class Display_confirmation;
class Vossmere;

// A change of the window's mode (by "apply" on the settings screen, or Alt+Enter) and the question
// that follows it: the dialog counts 15 seconds down over the screen, modal; "keep" saves the new
// mode, while "revert", Escape or the end of the countdown go back to the mode kept before, so
// that a mode the monitor cannot show never sticks. The countdown runs exactly while the dialog
// is shown.
class Display_change {
public:
    // `app` owns this and outlives it.
    explicit Display_change(Vossmere& app);
    ~Display_change();
    Display_change(const Display_change&) = delete;
    Display_change& operator=(const Display_change&) = delete;

    // Switches between fullscreen and a window at the same resolution, then asks. Does nothing
    // while the dialog asks about a change already.
    void toggle_fullscreen();
    // The window's mode has changed: shows the dialog and starts counting.
    void ask_to_keep();
    // Keeps the mode shown: it is the one a later revert goes back to, even if it cannot be
    // saved (which the problem line then says).
    void keep();
    void revert();
    // Handles a tick of the countdown, if `event` is one. A countdown whose dialog is no longer
    // shown, whatever took it away, ends at its next tick instead.
    bool handle_tick(const SDL_Event& event);
    bool asking() const;
    // Stops the countdown where it is (the game out of sight), or lets it go on.
    void pause();
    void resume();

    // The dialog, also while it is not shown.
    std::shared_ptr<Display_confirmation> dialog;
    // The display mode the player kept (or started with): resolution text and fullscreen.
    std::pair<std::string, bool> kept;
    // Ticks every second while the dialog asks; empty otherwise.
    std::unique_ptr<GE::Ticker> countdown;

private:
    void close_dialog();
    void stop_if_hidden();

    Vossmere& app;
};

} // namespace Game
