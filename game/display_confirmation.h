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
// countdown when it runs out. It is modal: no event it receives goes further, so nothing beneath
// it acts while it asks.
class Display_confirmation : public Screen {
public:
    Display_confirmation(GE::Render_context* renderer, GE::App_window* window,
                         GE::Game_model* model);

    void dispatch_event(GE::Event& event) override;
    using Screen::dispatch_event;

    // Shows the whole countdown again, for a mode just applied.
    void restart();
    // Shows the seconds `shown` has left, for a dialog read again from its file in its place.
    void continue_from(const Display_confirmation& shown);
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
