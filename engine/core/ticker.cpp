#include "engine/core/ticker.h"

#include "engine/core/sdl_runtime_error.h"

#include <SDL_events.h>
#include <SDL_timer.h>

#include <atomic>

namespace GE {

namespace {

Sint32 next_serial()
{
    static std::atomic<Sint32> serial{0};
    return ++serial;
}

Uint32 queue_tick(Uint32 interval, void* serial)
{
    SDL_Event event{};
    event.type = Ticker::event_type();
    event.user.code = static_cast<Sint32>(reinterpret_cast<std::intptr_t>(serial));
    SDL_PushEvent(&event);
    return interval; // again after the same interval
}

} // namespace

Ticker::Ticker(std::uint32_t interval_ms)
    : serial(next_serial()),
      timer(event_type() == static_cast<Uint32>(-1)
                ? 0
                : SDL_AddTimer(interval_ms, queue_tick,
                               reinterpret_cast<void*>(static_cast<std::intptr_t>(serial))))
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

SDL_Event Ticker::tick() const
{
    SDL_Event event{};
    event.type = event_type();
    event.user.code = serial;
    return event;
}

bool Ticker::ticked(const SDL_Event& event) const
{
    return event.type == event_type() && event.user.code == serial;
}

} // namespace GE
