#pragma once

#include <SDL_events.h>

#include <cstdint>

namespace GE {

// Queues an SDL event of a type of its own every `interval_ms` while it lives, from SDL's timer
// thread, so that a loop waiting for events wakes up to count time and otherwise sleeps.
class Ticker {
public:
    // Throws SDL_runtime_error when SDL has no event type or timer left.
    explicit Ticker(std::uint32_t interval_ms);
    ~Ticker();
    Ticker(const Ticker&) = delete;
    Ticker& operator=(const Ticker&) = delete;

    // The type of the events every ticker queues.
    static Uint32 event_type();
    // Whether `event` is a tick of this ticker: one queued by a ticker gone before, still
    // waiting in the queue, is not.
    bool ticked(const SDL_Event& event) const;
    // The event each tick of this ticker queues.
    SDL_Event tick() const;

private:
    // Tells this ticker's events from those of the tickers before it.
    const Sint32 serial;
    int timer;
};

} // namespace GE
