#include "engine/core/resolution.h"

namespace GE {

namespace {

std::string after_x(const std::string& text)
{
    const auto separator = text.find('x');
    return separator == std::string::npos ? text : text.substr(separator + 1);
}

} // namespace

Resolution::Resolution(const std::string& text)
    : text(text), width(std::stoi(text.substr(0, text.find('x')))), height(std::stoi(after_x(text)))
{
}

} // namespace GE
