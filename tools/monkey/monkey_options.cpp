#include "tools/monkey/monkey_options.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

namespace Tools {

namespace {

constexpr int most_seconds = 24 * 60 * 60;
// Nineteen digits: as many as always fit in 64 bits.
constexpr std::uint64_t most_seed = 9'999'999'999'999'999'999ULL;

// The whole number `value` writes in decimal digits alone, no greater than `most`.
std::uint64_t number_of(std::string_view option, const char* value, std::uint64_t most)
{
    const std::string_view digits = value == nullptr ? std::string_view{} : value;
    const bool usable =
        !digits.empty() && digits.size() <= 19 &&
        std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
        std::stoull(std::string(digits)) <= most;
    if (!usable)
        throw std::invalid_argument(std::string(option) + " takes a number up to " +
                                    std::to_string(most) + ", not \"" + std::string(digits) + "\"");
    return std::stoull(std::string(digits));
}

} // namespace

Monkey_options Monkey_options::read(std::span<const char* const> arguments)
{
    Monkey_options options;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        const std::string_view option = arguments[at];
        const char* value = at + 1 < arguments.size() ? arguments[at + 1] : nullptr;
        if (option == "--quiet") {
            options.quiet = true;
        } else if (option == "--seconds") {
            options.seconds = static_cast<int>(number_of(option, value, most_seconds));
            if (options.seconds == 0)
                throw std::invalid_argument("--seconds takes a number from 1 up");
            ++at;
        } else if (option == "--seed") {
            options.seed = number_of(option, value, most_seed);
            ++at;
        } else if (option.starts_with('-') || !options.run_dir.empty()) {
            throw std::invalid_argument("unknown argument " + std::string(option));
        } else {
            options.run_dir = option;
        }
    }
    return options;
}

} // namespace Tools
