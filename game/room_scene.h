#pragma once

#include "game/scene.h"

#include <string>

namespace Game {

// A view of a room whose door the player can go through.
class Room_scene : public Scene {
public:
    explicit Room_scene(std::string door_label) : door_label(std::move(door_label)) {}

    // The door's label, shown on it; two rooms with one label count as the same door.
    std::string door_label;
};

} // namespace Game
