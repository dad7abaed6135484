#pragma once

#include "engine/core/event.h"
#include "engine/core/event_names.h"

namespace GE {

// Announces the game's new current screen.
class Screen_changed_event : public Event {
public:
    explicit Screen_changed_event(std::string screen)
        : Event(screen_changed_event_name), screen(std::move(screen))
    {
    }

    std::string screen;
};

} // namespace GE
