#pragma once

#include <stdexcept>
#include <string>

namespace GE {

// A failure the engine detects itself; what() is the message unchanged.
class GE_runtime_error : public std::runtime_error {
public:
    explicit GE_runtime_error(const std::string& message) : std::runtime_error(message) {}
};

} // namespace GE
