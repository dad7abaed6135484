#include "tools/monkey/memory_curve.h"

#include <algorithm>

#if defined(__SANITIZE_ADDRESS__)
#define VOSSMERE_MONKEY_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VOSSMERE_MONKEY_ASAN 1
#endif
#endif

#ifdef VOSSMERE_MONKEY_ASAN
#if __has_include(<sanitizer/allocator_interface.h>)
#include <sanitizer/allocator_interface.h>
#else
// GCC's runtime has the function without shipping its header.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif
#else
#include <malloc.h>
#endif

namespace Tools {

namespace {

constexpr double longest_window = 60;

} // namespace

std::size_t Memory_curve::live_heap_bytes()
{
#ifdef VOSSMERE_MONKEY_ASAN
    return __sanitizer_get_current_allocated_bytes();
#else
    // In use from the arena, and in blocks of their own (large images are mapped, see main).
    const struct mallinfo2 heap = mallinfo2();
    return heap.uordblks + heap.hblkhd;
#endif
}

double Memory_curve::window_for(double total_seconds)
{
    return std::min(longest_window, total_seconds / 3);
}

std::size_t Memory_curve::first_peak(double total_seconds) const
{
    return peak_between(0, window_for(total_seconds));
}

std::size_t Memory_curve::last_peak(double total_seconds) const
{
    return peak_between(total_seconds - window_for(total_seconds), total_seconds);
}

bool Memory_curve::flat(double total_seconds) const
{
    const auto first = static_cast<double>(first_peak(total_seconds));
    const auto last = static_cast<double>(last_peak(total_seconds));
    return first > 0 && last > 0 && last <= first * (1 + tolerance);
}

std::size_t Memory_curve::peak_between(double from, double to) const
{
    std::size_t peak = 0;
    for (const Sample& sample : samples)
        if (sample.seconds >= from && sample.seconds <= to)
            peak = std::max(peak, sample.bytes);
    return peak;
}

} // namespace Tools
