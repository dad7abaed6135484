#include "engine/resources/surface.h"

#include <SDL_surface.h>

namespace GE {

Surface::Surface(SDL_Surface* loaded) : surface(loaded) {}

void Surface::Free::operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }

} // namespace GE
