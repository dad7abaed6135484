#pragma once

#include "engine/ui/ui.h"
#include "game/screen_contract.h"

namespace GE {
class Button;
class Game_model;
} // namespace GE

namespace Game {

// The screen after the last level; its one button leads back to the main menu.
class Complete_ui : public GE::UI {
public:
    // Throws GE_runtime_error when "complete_ui.xml" cannot be loaded or lacks its button.
    Complete_ui(GE::Render_context* renderer, GE::App_window* window, GE::Game_model* model);

    static constexpr Required_object objects[]{{"exit_to_main_menu", Object_kind::button}};
    static inline const Screen_contract contract{"complete_ui.xml", objects};

    GE::Game_model* model;                          // not owned; outlives every screen
    GE::Button* exit_to_main_menu_button = nullptr; // owned by the tree
};

} // namespace Game
