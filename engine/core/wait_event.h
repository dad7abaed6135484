#pragma once

union SDL_Event;

namespace GE {

// Sleeps until SDL has an event and takes it into `event`, or until `timeout_ms` milliseconds
// have passed (-1: no limit); answers whether there was an event. On the desktop this is SDL's
// own wait; in a browser, where a loop may not block, the game's stack is put aside (Asyncify)
// until one of SDL's event handlers queues an event or the time is up, so an idle page costs
// nothing. Throws SDL_runtime_error.
bool wait_event(SDL_Event& event, int timeout_ms = -1);

} // namespace GE
