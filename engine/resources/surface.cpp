#include "engine/resources/surface.h"

#include "engine/core/sdl_runtime_error.h"

#include <SDL_surface.h>

namespace GE {

Surface::Surface(SDL_Surface* loaded) : surface(loaded)
{
    if (surface == nullptr)
        throw SDL_runtime_error::from_sdl();
}

Surface::~Surface() { SDL_FreeSurface(surface); }

} // namespace GE
