#pragma once

#include "engine/ui/ui.h"
#include "game/screen_contract.h"

#include <string>

namespace GE {
class Button;
class Game_model;
} // namespace GE

namespace Game {

// The overlay above a level: "menu" returns to the main menu, "go_left" and "go_right" turn.
class Play_ui : public GE::UI {
public:
    // Throws GE_runtime_error when "play_ui.xml" cannot be loaded or lacks one of its buttons.
    Play_ui(GE::Render_context* renderer, GE::App_window* window, GE::Game_model* model);

    static constexpr Required_object objects[]{
        {"menu", Object_kind::button},
        {"go_left", Object_kind::button},
        {"go_right", Object_kind::button},
    };
    static inline const Screen_contract contract{"play_ui.xml", objects};

    std::string file_name = contract.file;
    GE::Game_model* model;                 // not owned; outlives every screen
    GE::Button* menu_button = nullptr;     // owned by the tree
    GE::Button* go_left_button = nullptr;  // owned by the tree
    GE::Button* go_right_button = nullptr; // owned by the tree
};

} // namespace Game
