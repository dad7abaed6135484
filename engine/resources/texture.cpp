#include "engine/resources/texture.h"

#include "engine/core/sdl_runtime_error.h"
#include "engine/resources/surface.h"

#include <SDL_render.h>

namespace GE {

Texture::Texture(SDL_Renderer* renderer, const Surface& surface)
    : renderer(renderer), texture(SDL_CreateTextureFromSurface(renderer, surface.surface)),
      width(surface.surface->w), height(surface.surface->h)
{
    if (texture == nullptr)
        throw SDL_runtime_error::from_sdl();
}

Texture::~Texture() { SDL_DestroyTexture(texture); }

} // namespace GE
