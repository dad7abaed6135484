#include "engine/widgets/outline.h"

#include "engine/core/sdl_runtime_error.h"

#include <SDL_render.h>

#include <algorithm>
#include <cmath>

namespace GE {

void set_draw_color(SDL_Renderer* renderer, SDL_Color color)
{
    check_sdl(SDL_SetRenderDrawColor(renderer, color.r, color.g, color.b, color.a));
}

void draw_outline(SDL_Renderer* renderer, const SDL_FRect& box, float thickness)
{
    // Frames past the middle of the box would draw nothing new; stopping there also bounds the
    // loop for any thickness.
    const float frames = std::min(thickness, std::ceil(std::min(box.w, box.h) / 2));
    for (float inset = 0; inset < frames; ++inset) {
        const SDL_FRect frame{box.x + inset, box.y + inset, box.w - 2 * inset, box.h - 2 * inset};
        check_sdl(SDL_RenderDrawRectF(renderer, &frame));
    }
}

} // namespace GE
