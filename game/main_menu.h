#pragma once

#include "engine/ui/ui.h"
#include "game/screen_contract.h"

#include <string>

namespace GE {
class Button;
class Game_model;
} // namespace GE

namespace Game {

// The title screen: "play" starts the game, "settings" opens the settings screen, "exit" quits.
class Main_menu : public GE::UI {
public:
    // Builds the screen from its file. Throws GE_runtime_error when the file cannot be loaded or
    // lacks one of the three buttons.
    Main_menu(GE::Render_context* renderer, GE::App_window* window, GE::Game_model* model);

    static constexpr Required_object objects[]{
        {"play", Object_kind::button},
        {"settings", Object_kind::button},
        {"exit", Object_kind::button},
    };
    static inline const Screen_contract contract{"main_menu.xml", objects};

    std::string file_name = contract.file;
    GE::Game_model* model;                 // not owned; outlives every screen
    GE::Button* play_button = nullptr;     // owned by the tree
    GE::Button* settings_button = nullptr; // owned by the tree
    GE::Button* exit_button = nullptr;     // owned by the tree
};

} // namespace Game
