#pragma once

#include <functional>
#include <memory>
#include <string>

namespace GE {
class Render_object;
}

namespace Game {
class Scene;
class Vossmere;
class Vossmere_model;
} // namespace Game

namespace Tools {

// Plays the game as a player would: every click is a press and a release over the middle of an
// object on screen, delivered through the window's letterbox, followed by a frame. The tests, the
// screenshot tool and the benchmarks drive the game through it. Throws std::runtime_error when
// the game does not offer what is asked (a door it lacks, an object outside the window).
class Game_driver {
public:
    explicit Game_driver(Game::Vossmere& app) : app(app) {}

    // Clicks at (x, y) in pixels of the drawing area.
    void click_at(float x, float y);
    void click(GE::Render_object& object);
    // Turns right until the level shows a view for which `wanted` holds.
    void turn_to(const std::function<bool(Game::Scene&)>& wanted, const std::string& what);
    // Turns to the door `label` and clicks it.
    void click_door(const std::string& label);
    // Clicks the door `label` and answers "yes".
    void go_through(const std::string& label);
    // Goes through the level's right door.
    void win_level();
    // Goes through a door that is not the right one.
    void lose_level();

    Game::Vossmere& app;
};

// Opens the game on `model` in a window of `resolution` ("1024x768"), with its sounds registered,
// without reading or writing the player's settings. The working directory holds the data.
std::shared_ptr<Game::Vossmere> open_game(Game::Vossmere_model& model,
                                          const std::string& resolution);

} // namespace Tools
