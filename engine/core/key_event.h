#pragma once

#include "engine/core/event.h"

#include <SDL_keycode.h>

namespace GE {

// A key pressed (not a repeat of a held key), delivered through the render tree as "key_down".
class Key_event : public Event {
public:
    explicit Key_event(SDL_Keycode key);

    SDL_Keycode key;
    // Set by whatever acted on the key: only then is a frame worth drawing.
    bool changed_something = false;
};

} // namespace GE
