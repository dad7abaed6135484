#pragma once

#include "engine/core/ge_runtime_error.h"

#include <exception>
#include <string>

namespace GE {

// The error's message followed by those of the errors nested in it, joined by ": ", so that a
// loader's own text keeps the names of the files added around it.
std::string error_text(const std::exception& error);

// Runs `work`; an exception that leaves it is nested in a GE_runtime_error naming `name`,
// unless its message names it already.
template <typename Work>
decltype(auto) naming_errors(const std::string& name, Work&& work)
{
    try {
        return work();
    } catch (const std::exception& error) {
        if (std::string(error.what()).find(name) != std::string::npos)
            throw;
        std::throw_with_nested(GE_runtime_error(name));
    }
}

} // namespace GE
