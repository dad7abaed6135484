#include "engine/core/ticker.h"

#include "engine/core/sdl_runtime_error.h"

#include <SDL_events.h>
#include <SDL_timer.h>

namespace GE {

namespace {

Uint32 queue_tick(Uint32 interval, void*)
{
    SDL_Event event{};
    event.type = Ticker::event_type();
    SDL_PushEvent(&event);
    return interval; // again after the same interval
}

} // namespace

Ticker::Ticker(std::uint32_t interval_ms)
    : timer(event_type() == static_cast<Uint32>(-1)
                ? 0
                : SDL_AddTimer(interval_ms, queue_tick, nullptr))
{
    if (timer == 0)
        throw SDL_runtime_error::from_sdl();
}

Ticker::~Ticker() { SDL_RemoveTimer(timer); }

Uint32 Ticker::event_type()
{
    static const Uint32 type = SDL_RegisterEvents(1);
    return type;
}

} // namespace GE
