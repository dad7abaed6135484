#include "engine/core/wait_event.h"

#include "engine/core/sdl_runtime_error.h"

#include <SDL_events.h>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

namespace GE {

#ifdef __EMSCRIPTEN__

namespace {

// The browser runs the page while the game sleeps here; the promise is kept where the event
// handlers find it.
EM_ASYNC_JS(void, sleep_until_woken, (),
            { await new Promise(function(resolve) { Module.wakeGame = resolve; }); });

EM_JS(void, wake_game, (), {
    const resolve = Module.wakeGame;
    Module.wakeGame = null;
    if (resolve)
        resolve();
});

// Called by SDL for every event queued, from the browser's handler that made it.
int SDLCALL on_event_queued(void*, SDL_Event*)
{
    wake_game();
    return 0;
}

} // namespace

void wait_event(SDL_Event& event)
{
    static const bool watching = [] {
        SDL_AddEventWatch(on_event_queued, nullptr);
        return true;
    }();
    (void)watching;
    // Nothing runs between an empty poll and the sleep (the page has one thread), so no event
    // can slip in unwatched.
    while (SDL_PollEvent(&event) == 0)
        sleep_until_woken();
}

#else

void wait_event(SDL_Event& event)
{
    if (SDL_WaitEvent(&event) == 0)
        throw SDL_runtime_error::from_sdl();
}

#endif

} // namespace GE
