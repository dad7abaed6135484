#include "engine/core/sdl_runtime_error.h"

#include <SDL_error.h>

namespace GE {

SDL_runtime_error SDL_runtime_error::from_sdl() { return SDL_runtime_error(SDL_GetError()); }

void check_sdl(int result)
{
    if (result != 0)
        throw SDL_runtime_error::from_sdl();
}

} // namespace GE
