#pragma once

#include <cstddef>
#include <vector>

namespace Tools {

// The live heap sampled through a soak, and whether it stayed flat: the peak over the last
// window may exceed the peak over the first by no more than the tolerance. A window is a minute,
// or a third of a shorter soak, so that the first one holds every screen's images once loaded.
class Memory_curve {
public:
    struct Sample {
        double seconds; // since the soak started
        std::size_t bytes;
    };

    static constexpr double tolerance = 0.05;

    // The bytes the program holds on the heap now: AddressSanitizer's count of live allocations
    // in a build with it (its quarantine makes the resident size useless), glibc's otherwise.
    static std::size_t live_heap_bytes();
    static double window_for(double total_seconds);

    void add(double seconds, std::size_t bytes) { samples.push_back({seconds, bytes}); }
    // The highest sample taken up to `window_for(total)` seconds in, and from that long before
    // `total` on; 0 when the window holds none.
    std::size_t first_peak(double total_seconds) const;
    std::size_t last_peak(double total_seconds) const;
    bool flat(double total_seconds) const;

    std::vector<Sample> samples;

private:
    std::size_t peak_between(double from, double to) const;
};

} // namespace Tools
