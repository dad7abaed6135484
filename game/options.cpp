#include "game/options.h"

#include "engine/core/ge_runtime_error.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace Game {

namespace {

[[noreturn]] void refuse(const std::string& why)
{
    throw GE::GE_runtime_error(why + "\n" + Options::usage);
}

// The number a value of `option` writes: 1 to 999999, decimal digits alone.
std::int32_t number_of(std::string_view option, const char* value)
{
    const std::string_view digits = value == nullptr ? std::string_view{} : value;
    if (digits.empty() || digits.size() > 6 || digits.front() == '0' ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        refuse(std::string(option) + " takes a number from 1 up, not \"" + std::string(digits) +
               "\"");
    return std::stoi(std::string(digits));
}

} // namespace

Options Options::read(std::span<const char* const> arguments)
{
    Options options;
    bool view_given = false;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        const std::string_view option = arguments[at];
        const char* value = at + 1 < arguments.size() ? arguments[at + 1] : nullptr;
        if (option == "--watch") {
            options.watch = true;
            continue;
        }
        if (option == "--level") {
            options.level = number_of(option, value);
        } else if (option == "--view") {
            options.view = number_of(option, value);
            view_given = true;
        } else {
            refuse("Unknown option " + std::string(option));
        }
        ++at; // past the value
    }
    if (view_given && options.level == 0)
        refuse("--view goes with --level");
    return options;
}

} // namespace Game
