#pragma once

#include <array>
#include <memory>
#include <utility>

namespace Game {

class Vossmere;
class Vossmere_model;

// The game's sounds and music: the name each is played by and its file, in registration order.
extern const std::array<std::pair<const char*, const char*>, 8> game_sounds;

// Names the game's folder, reads the window settings, registers the game's sounds and music and
// opens the application on `model`, which must outlive it.
std::unique_ptr<Vossmere> create_application(Vossmere_model& model);

} // namespace Game
