#pragma once

#include "engine/core/event_target.h"

#include <string>

namespace GE {

// The event bus between a game's screens and its application; remembers the current screen.
class Game_model : public Event_target {
public:
    // Makes `name` current, then dispatches a Screen_changed_event even when it was current.
    void set_screen(const std::string& name);

    std::string screen;
};

} // namespace GE
