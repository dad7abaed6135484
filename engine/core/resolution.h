#pragma once

#include <cstdint>
#include <string>

namespace GE {

// A window size read from text such as "1024x768"; a text without 'x' is square ("800").
// Throws std::invalid_argument or std::out_of_range when a part is not a number.
struct Resolution {
    explicit Resolution(const std::string& text);

    std::string text;
    std::int32_t width;
    std::int32_t height;
};

} // namespace GE
