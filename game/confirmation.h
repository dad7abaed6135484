#pragma once

#include "engine/ui/ui.h"

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

    std::string confirmation_name;
    std::string file_suffix = "_confirmation.xml";
    GE::Game_model* model;            // not owned; outlives every screen
    GE::Button* yes_button = nullptr; // owned by the tree
    GE::Button* no_button = nullptr;  // owned by the tree
};

} // namespace Game
