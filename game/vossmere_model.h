#pragma once

#include "engine/core/game_model.h"

namespace Game {

// The game's event bus: screens dispatch on it, the application listens.
class Vossmere_model : public GE::Game_model {};

} // namespace Game
