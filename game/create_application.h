#pragma once

#include "game/vossmere.h"

#include <array>
#include <functional>
#include <memory>
#include <utility>

namespace GE {
struct Window_settings;
}

namespace Game {

class Vossmere_model;

// The game's sounds and music: the name each is played by and its file, in registration order.
extern const std::array<std::pair<const char*, const char*>, 8> game_sounds;

// Names the game's folder, reads the window settings from the player's file (the phase
// "settings"), registers the game's sounds and music and opens the application on `model`, which
// must outlive it: the whole game, or with Start::menu_first the window and the main menu, for
// the caller to show before it calls complete_start.
std::unique_ptr<Vossmere> create_application(Vossmere_model& model,
                                             Vossmere::Start start = Vossmere::Start::whole,
                                             const Vossmere::Start_phases& passed = {});

// Starts the game as its player sees it: create_application menu-first, the main menu drawn (the
// phase "first frame"), then the rest of the game built. `main` and the tests start it so.
std::shared_ptr<Vossmere> start_application(Vossmere_model& model,
                                            const Vossmere::Start_phases& passed = {});

// The same start with the given window settings, the player's file neither read nor written by
// the start itself: the tools' way to play the game.
std::shared_ptr<Vossmere> start_game(Vossmere_model& model, GE::Window_settings& settings);

} // namespace Game
