#include "engine/widgets/line.h"

#include "engine/core/render_context.h"
#include "engine/core/sdl_runtime_error.h"
#include "engine/widgets/outline.h"

#include <SDL_render.h>

namespace GE {

Line::Line(Render_context* renderer, float x_begin, float y_begin, float x_end, float y_end)
    : renderer(renderer), x_begin(x_begin), y_begin(y_begin), x_end(x_end), y_end(y_end)
{
    fit_to_ends();
}

void Line::set_thickness(float value)
{
    thickness = value;
    fit_to_ends();
}

void Line::fit_to_ends()
{
    x = x_begin;
    y = y_begin;
    width = x_end - x_begin;
    // Measured from y_begin like the width from x_begin, so a horizontal line is exactly
    // `thickness` high wherever it sits.
    height = (y_end - y_begin) + thickness;
}

void Line::draw(float origin_x, float origin_y)
{
    if (!visible)
        return;
    const SDL_FRect bar{aligned_x(origin_x), aligned_y(origin_y), width, height};
    set_draw_color(renderer->renderer, color);
    check_sdl(SDL_RenderFillRectF(renderer->renderer, &bar));
}

} // namespace GE
