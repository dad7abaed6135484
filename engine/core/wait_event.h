#pragma once

union SDL_Event;

namespace GE {

// Sleeps until SDL has an event and takes it into `event`. On the desktop this is SDL's own wait;
// in a browser, where a loop may not block, the game's stack is put aside (Asyncify) until one of
// SDL's event handlers queues an event, so an idle page costs nothing. Throws SDL_runtime_error.
void wait_event(SDL_Event& event);

} // namespace GE
