#include "engine/widgets/rect.h"

#include "engine/core/render_context.h"
#include "engine/core/sdl_runtime_error.h"

#include <SDL_render.h>

#include <cmath>

namespace GE {

Rect::Rect(Render_context* renderer, const SDL_FRect& rect, const std::string& id)
    : Render_object_container(rect.x, rect.y, rect.w, rect.h, id), renderer(renderer)
{
}

float Rect::get_width() { return Render_object::get_width(); }
float Rect::get_height() { return Render_object::get_height(); }

void Rect::draw(float origin_x, float origin_y)
{
    if (!visible)
        return;
    const float left = aligned_x(origin_x);
    const float top = aligned_y(origin_y);
    draw_children(left, top);
    draw_outline(left, top);
}

void Rect::draw_outline(float left, float top)
{
    // The object's own scale stays out of the outline, which follows the root scale only.
    const float frame_width = root_scale_x() * width;
    const float frame_height = root_scale_y() * height;
    SDL_Renderer* sdl_renderer = renderer->renderer;
    check_sdl(SDL_SetRenderDrawColor(sdl_renderer, color.r, color.g, color.b, color.a));
    const float frames = std::round(root_scale_x() * static_cast<float>(thickness));
    for (float i = 0; i < frames; ++i) {
        const SDL_FRect frame{left + i, top + i, frame_width - 2 * i, frame_height - 2 * i};
        check_sdl(SDL_RenderDrawRectF(sdl_renderer, &frame));
    }
}

} // namespace GE
