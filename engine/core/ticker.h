#pragma once

#include <SDL_stdinc.h>

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

private:
    int timer;
};

} // namespace GE
