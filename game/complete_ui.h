#pragma once

#include "game/screen.h"

namespace Game {

// The screen after the last level; its one button leads back to the main menu.
class Complete_ui : public Screen {
public:
    Complete_ui(GE::Render_context* renderer, GE::App_window* window, GE::Game_model* model);

    static const Screen_contract contract;          // "complete_ui.xml" with its button
    GE::Button* exit_to_main_menu_button = nullptr; // owned by the tree
};

} // namespace Game
