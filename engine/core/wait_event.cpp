#include "engine/core/wait_event.h"

#include "engine/core/sdl_runtime_error.h"

#include <SDL_events.h>
#include <SDL_timer.h>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

namespace GE {

#ifdef __EMSCRIPTEN__

namespace {

// The browser runs the page while the game sleeps here, for at most `timeout_ms` unless that is
// negative; what wakes the game is kept where the event handlers find it.
EM_ASYNC_JS(void, sleep_until_woken, (int timeout_ms), {
    await new Promise(function(resolve) {
        let timer = null;
        Module.wakeGame = function()
        {
            clearTimeout(timer);
            Module.wakeGame = null;
            resolve();
        };
        if (timeout_ms >= 0)
            timer = setTimeout(Module.wakeGame, timeout_ms);
    });
});

EM_JS(void, wake_game, (), {
    if (Module.wakeGame)
        Module.wakeGame();
});

// Called by SDL for every event queued, from the browser's handler that made it.
int SDLCALL on_event_queued(void*, SDL_Event*)
{
    wake_game();
    return 0;
}

} // namespace

bool wait_event(SDL_Event& event, int timeout_ms)
{
    static const bool watching = [] {
        SDL_AddEventWatch(on_event_queued, nullptr);
        return true;
    }();
    (void)watching;
    const Uint64 deadline = SDL_GetTicks64() + static_cast<Uint64>(timeout_ms < 0 ? 0 : timeout_ms);
    // Nothing runs between an empty poll and the sleep (the page has one thread), so no event
    // can slip in unwatched.
    while (SDL_PollEvent(&event) == 0) {
        const Uint64 now = SDL_GetTicks64();
        if (timeout_ms >= 0 && now >= deadline)
            return false;
        sleep_until_woken(timeout_ms < 0 ? -1 : static_cast<int>(deadline - now));
    }
    return true;
}

#else

bool wait_event(SDL_Event& event, int timeout_ms)
{
    if (timeout_ms >= 0)
        return SDL_WaitEventTimeout(&event, timeout_ms) == 1;
    if (SDL_WaitEvent(&event) == 0)
        throw SDL_runtime_error::from_sdl();
    return true;
}

#endif

} // namespace GE
