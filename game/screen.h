#pragma once

#include "engine/ui/ui.h"
#include "game/screen_contract.h"

#include <string>

namespace GE {
class Button;
class Game_model;
} // namespace GE

namespace Game {

// A screen of the game: built from the file its contract names, with every object the contract
// lists found, for the screen's own constructor to wire up. Throws GE_runtime_error when the file
// cannot be loaded or lacks one of them.
class Screen : public GE::UI {
public:
    Screen(GE::Render_context* renderer, GE::App_window* window, GE::Game_model* model,
           const Screen_contract& contract);

    std::string file_name;
    GE::Game_model* model; // not owned; outlives every screen

protected:
    Required_objects found;

private:
    Required_objects load(const Screen_contract& contract);
};

} // namespace Game
