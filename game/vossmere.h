#pragma once

#include "engine/core/app.h"

#include <cstdint>
#include <string>

namespace GE {
class Game_model;
struct Window_settings;
} // namespace GE

namespace Game {

// The game application: draws the 4:3 design canvas letterboxed into the window and turns SDL
// mouse input into mouse events measured from the drawing area.
class Vossmere : public GE::App {
public:
    Vossmere(const std::string& title, std::uint32_t clear_colour, GE::Window_settings& settings,
             GE::Game_model& model);

    // Draws one frame: black window, white drawing area, then the screens.
    void render() override;
    bool handle_sdl_event(const SDL_Event& event) override;
    // Delivers one pointer event of SDL type `sdl_type` at window pixel (x, y) into the tree and
    // asks for a frame.
    bool dispatch_mouse_event(std::uint32_t sdl_type, float x, float y);

    GE::Game_model* model;         // not owned; outlives the application
    GE::Window_settings* settings; // not owned
};

} // namespace Game
