#include "engine/core/key_event.h"

#include "engine/core/event_names.h"

namespace GE {

Key_event::Key_event(SDL_Keycode key) : Event(key_down_event), key(key) {}

} // namespace GE
