#pragma once

#include "engine/core/ge_runtime_error.h"

#include <string>

namespace GE {

// A failed SDL, SDL_image, SDL_ttf or SDL_mixer call; what() is exactly SDL_GetError().
class SDL_runtime_error : public GE_runtime_error {
public:
    explicit SDL_runtime_error(const std::string& message) : GE_runtime_error(message) {}

    // Builds the error from the current SDL_GetError() text.
    static SDL_runtime_error from_sdl();
};

// Throws SDL_runtime_error when an SDL call answered with a non-zero (failure) code.
void check_sdl(int result);

} // namespace GE
