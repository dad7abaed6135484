#include "tests/support/pixels.h"

#include "engine/core/sdl_runtime_error.h"

#include <SDL_render.h>

namespace Support {

std::vector<SDL_Color> read_pixels(SDL_Renderer* renderer, SDL_Rect area)
{
    // SDL_Color is four bytes in RGBA order, the layout of SDL_PIXELFORMAT_RGBA32 in memory.
    std::vector<SDL_Color> pixels(static_cast<std::size_t>(area.w * area.h));
    if (SDL_RenderReadPixels(renderer, &area, SDL_PIXELFORMAT_RGBA32, pixels.data(), area.w * 4))
        throw GE::SDL_runtime_error::from_sdl();
    return pixels;
}

SDL_Color read_pixel(SDL_Renderer* renderer, int x, int y)
{
    return read_pixels(renderer, {x, y, 1, 1})[0];
}

testing::AssertionResult region_is(SDL_Renderer* renderer, SDL_Rect area, SDL_Color colour)
{
    const auto pixels = read_pixels(renderer, area);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        if (!(pixels[i] == colour))
            return testing::AssertionFailure() << "pixel (" << area.x + static_cast<int>(i) % area.w
                                               << ", " << area.y + static_cast<int>(i) / area.w
                                               << ") is " << pixels[i] << ", not " << colour;
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
