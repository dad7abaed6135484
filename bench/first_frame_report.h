#pragma once

#include <chrono>
#include <cstdlib>
#include <iostream>

// With VOSSMERE_TIMELINE set, prints the moment of a floor program's first frame as the game
// prints its own ("first frame <ns on the steady clock>"), for the start-up benchmarks.
inline void report_first_frame()
{
    if (std::getenv("VOSSMERE_TIMELINE") == nullptr)
        return;
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::cout << "first frame " << std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()
              << std::endl;
}
