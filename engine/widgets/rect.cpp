#include "engine/widgets/rect.h"

#include "engine/core/render_context.h"
#include "engine/widgets/outline.h"

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
    // The object's own scale stays out of the outline, which follows the root scale only.
    const SDL_FRect box{left, top, root_scale_x() * width, root_scale_y() * height};
    set_draw_color(renderer->renderer, color);
    draw_outline(renderer->renderer, box,
                 std::round(root_scale_x() * static_cast<float>(thickness)));
}

} // namespace GE
