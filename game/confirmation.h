#pragma once

#include "game/screen.h"

#include <string_view>

namespace Game {

// A yes/no dialog built from "<name>_confirmation.xml"; its answers reach the model as
// "<name>_hit_yes" and "<name>_hit_no", and the click goes no further.
class Confirmation : public Screen {
public:
    Confirmation(GE::Render_context* renderer, GE::App_window* window, GE::Game_model* model,
                 const std::string& name);

    // What the dialog `name` needs from its file: the buttons "yes" and "no".
    static Screen_contract contract(const std::string& name);

    static constexpr std::string_view suffix = "_confirmation.xml";
    std::string confirmation_name;
    std::string file_suffix{suffix};
    GE::Button *yes_button, *no_button; // owned by the tree
};

} // namespace Game
