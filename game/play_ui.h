#pragma once

#include "game/screen.h"

namespace Game {

// The overlay above a level: "menu" returns to the main menu, "go_left" and "go_right" turn.
// Its buttons are heard wherever the level lies under them.
class Play_ui : public Screen {
public:
    Play_ui(GE::Render_context* renderer, GE::App_window* window, GE::Game_model* model);

    static const Screen_contract contract; // "play_ui.xml" and the three buttons
    GE::Button *menu_button, *go_left_button, *go_right_button; // owned by the tree
};

} // namespace Game
