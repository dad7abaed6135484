#pragma once

#include "engine/ui/ui.h"
#include "game/screen_contract.h"

#include <string>

namespace GE {
class Button;
class Game_model;
} // namespace GE

namespace Game {

// A yes/no dialog built from "<name>_confirmation.xml"; its answers reach the model as
// "<name>_hit_yes" and "<name>_hit_no", and the click goes no further.
class Confirmation : public GE::UI {
public:
    // Throws GE_runtime_error when the file cannot be loaded or lacks "yes" or "no".
    Confirmation(GE::Render_context* renderer, GE::App_window* window, GE::Game_model* model,
                 const std::string& name);

    static constexpr Required_object objects[]{
        {"yes", Object_kind::button},
        {"no", Object_kind::button},
    };
    // What the dialog `name` needs from its file, "<name>_confirmation.xml".
    static Screen_contract contract(const std::string& name);

    std::string confirmation_name;
    static constexpr std::string_view suffix = "_confirmation.xml";
    std::string file_suffix{suffix};
    GE::Game_model* model;            // not owned; outlives every screen
    GE::Button* yes_button = nullptr; // owned by the tree
    GE::Button* no_button = nullptr;  // owned by the tree
};

} // namespace Game
