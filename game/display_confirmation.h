#pragma once

#include "game/screen.h"

#include <cstdint>
#include <memory>

namespace GE {
class Label;
} // namespace GE

namespace Game {

// Asks whether to keep a display mode just applied, built from "display_confirmation.xml":
// "keep" reaches the model as "display_keep", "revert" as "display_revert", and so does the
// countdown when it runs out. The click goes no further.
class Display_confirmation : public Screen {
public:
    Display_confirmation(GE::Render_context* renderer, GE::App_window* window,
                         GE::Game_model* model);

    // Shows the whole countdown again, for a mode just applied.
    void restart();
    // One second less; at none left, reverts.
    void count_down();

    // The buttons "keep" and "revert", and the label "countdown" that the screen rewrites.
    static const Screen_contract contract;
    static constexpr std::int32_t seconds = 15;
    std::int32_t seconds_left = seconds;
    GE::Button *keep_button, *revert_button; // owned by the tree
    // The countdown's text, "Reverting in <n> s", as shown now.
    std::shared_ptr<GE::Label> countdown;

private:
    void show_seconds_left();
};

} // namespace Game
