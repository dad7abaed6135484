#include "tests/support/pixels.h"

#include "engine/core/sdl_runtime_error.h"

#include <SDL_render.h>

#include <cstdint>
#include <vector>

namespace Support {

SDL_Color read_pixel(SDL_Renderer* renderer, int x, int y)
{
    const SDL_Rect one{x, y, 1, 1};
    std::uint8_t rgba[4] = {};
    if (SDL_RenderReadPixels(renderer, &one, SDL_PIXELFORMAT_RGBA32, rgba, 4) != 0)
        throw GE::SDL_runtime_error::from_sdl();
    return {rgba[0], rgba[1], rgba[2], rgba[3]};
}

testing::AssertionResult region_is(SDL_Renderer* renderer, SDL_Rect area, SDL_Color colour)
{
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(area.w * area.h) * 4);
    if (SDL_RenderReadPixels(renderer, &area, SDL_PIXELFORMAT_RGBA32, rgba.data(), area.w * 4) != 0)
        throw GE::SDL_runtime_error::from_sdl();
    for (int row = 0; row < area.h; ++row)
        for (int column = 0; column < area.w; ++column) {
            const auto* p = &rgba[static_cast<std::size_t>((row * area.w + column) * 4)];
            const SDL_Color seen{p[0], p[1], p[2], p[3]};
            if (!(seen == colour))
                return testing::AssertionFailure()
                       << "pixel (" << area.x + column << ", " << area.y + row << ") is " << seen
                       << ", not " << colour;
        }
    return testing::AssertionSuccess();
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
