#pragma once

#include "game/screen.h"

namespace Game {

// The title screen: "play" starts the game, "settings" opens the settings screen, "exit" quits.
class Main_menu : public Screen {
public:
    Main_menu(GE::Render_context* renderer, GE::App_window* window, GE::Game_model* model);

    // "main_menu.xml" and its three buttons.
    static const Screen_contract contract;
    GE::Button *play_button, *settings_button, *exit_button; // owned by the tree
};

} // namespace Game
