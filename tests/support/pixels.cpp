#include "tests/support/pixels.h"

#include "engine/core/sdl_runtime_error.h"

#include <SDL_render.h>

#include <cstdint>

namespace Support {

SDL_Color read_pixel(SDL_Renderer* renderer, int x, int y)
{
    const SDL_Rect one{x, y, 1, 1};
    std::uint8_t rgba[4] = {};
    if (SDL_RenderReadPixels(renderer, &one, SDL_PIXELFORMAT_RGBA32, rgba, 4) != 0)
        throw GE::SDL_runtime_error::from_sdl();
    return {rgba[0], rgba[1], rgba[2], rgba[3]};
}

} // namespace Support

std::ostream& operator<<(std::ostream& out, const SDL_Color& colour)
{
    return out << "rgba(" << int(colour.r) << ", " << int(colour.g) << ", " << int(colour.b) << ", "
               << int(colour.a) << ')';
}

bool operator==(const SDL_Color& a, const SDL_Color& b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
}
