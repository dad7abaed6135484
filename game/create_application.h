#pragma once

#include <array>
#include <functional>
#include <memory>
#include <utility>

namespace GE {
struct Window_settings;
}

namespace Game {

class Vossmere;
class Vossmere_model;

// The game's sounds and music: the name each is played by and its file, in registration order.
extern const std::array<std::pair<const char*, const char*>, 8> game_sounds;

// Registers the game's sounds and music and opens the application on `model` with `settings`,
// both of which must outlive it. The main menu is drawn (the phase "first frame") before the
// rest of the game is built; the game is whole when this returns. Every program that plays the
// game starts it so.
std::shared_ptr<Vossmere> start_game(Vossmere_model& model, GE::Window_settings& settings,
                                     const std::function<void(const char* phase)>& passed = {});

// Starts the game as its player does: names the game's folder, reads the window settings from
// the player's file (the phase "settings"), then start_game with them.
std::shared_ptr<Vossmere>
create_application(Vossmere_model& model,
                   const std::function<void(const char* phase)>& passed = {});

} // namespace Game
