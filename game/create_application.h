#pragma once

#include <memory>

namespace Game {

class Vossmere;
class Vossmere_model;

// Names the game's folder, reads the window settings, registers the game's sounds and music and
// opens the application on `model`, which must outlive it.
std::unique_ptr<Vossmere> create_application(Vossmere_model& model);

} // namespace Game
