#pragma once

#include "engine/core/event.h"

namespace GE {

// A pointer event. x is in window pixels from the left edge of the 4:3 drawing area, y from the
// top of the window.
class Mouse_event : public Event {
public:
    Mouse_event(std::string name, float x, float y) : Event(std::move(name)), x(x), y(y) {}

    float x;
    float y;
    // Set by whatever the event changed on its way through the tree (a hover state that
    // flipped, a listener that ran, a widget's own state): only then is a frame worth drawing.
    bool changed_something = false;
};

} // namespace GE
