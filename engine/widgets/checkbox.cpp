#include "engine/widgets/checkbox.h"

#include "engine/core/event_names.h"
#include "engine/core/mouse_event.h"
#include "engine/core/render_context.h"
#include "engine/core/sdl_runtime_error.h"
#include "engine/text/language.h"
#include "engine/widgets/outline.h"
#include "engine/widgets/sprite.h"

#include <SDL_render.h>

#include <cmath>

namespace GE {

std::string Checkbox::spoken()
{
    return fill(checked ? tr("{name}, checkbox, checked") : tr("{name}, checkbox, not checked"),
                {{"name", description}});
}

namespace {

std::shared_ptr<Sprite> image_for(const std::map<bool, std::shared_ptr<Sprite>>& images, bool hover)
{
    const auto found = images.find(hover);
    return found == images.end() ? nullptr : found->second;
}

} // namespace

Checkbox::Checkbox(Render_context* renderer, std::string id, const SDL_FRect& rect, SDL_Color color,
                   bool checked)
    : Render_object_container(rect.x, rect.y, rect.w, rect.h, std::move(id)), renderer(renderer),
      checked(checked), color(color)
{
    focusable = true;
    add_event_listener(mouse_over_event, [this](Event&) { show_image(true); });
    add_event_listener(mouse_out_event, [this](Event&) { show_image(false); });
}

void Checkbox::dispatch_event(Event& event)
{
    Render_object_container::dispatch_event(event);
    // Runs whatever the listeners did to `propagating`: a screen's listener may stop the
    // release, yet the click still toggles, and it sees the value from before the toggle.
    auto* mouse = dynamic_cast<Mouse_event*>(&event);
    if (mouse == nullptr || event.name != mouse_button_up_event || !hit_test(mouse->x, mouse->y))
        return;
    toggle();
    mouse->changed_something = true;
    event.propagating = false;
}

void Checkbox::toggle()
{
    checked = !checked;
    if (image_for(checked_images, mouse_over))
        show_image(mouse_over);
}

float Checkbox::get_width() { return Render_object::get_width(); }
float Checkbox::get_height() { return Render_object::get_height(); }

void Checkbox::set_unchecked_image(bool hover, std::shared_ptr<Sprite> image)
{
    if (!hover)
        add_child(image);
    unchecked_images[hover] = std::move(image);
}

void Checkbox::set_checked_image(bool hover, std::shared_ptr<Sprite> image)
{
    checked_images[hover] = std::move(image);
}

void Checkbox::show_image(bool hover)
{
    clear_children();
    if (auto image = image_for(checked ? checked_images : unchecked_images, hover))
        add_child(std::move(image));
}

void Checkbox::draw(float origin_x, float origin_y)
{
    if (!visible)
        return;
    draw_children(aligned_x(origin_x), aligned_y(origin_y));
    // An unchecked image for the current hover stands for the whole look, checked or not.
    if (!image_for(unchecked_images, mouse_over))
        draw_vector_look(origin_x, origin_y);
}

void Checkbox::draw_vector_look(float origin_x, float origin_y)
{
    const float left = std::trunc(aligned_x(origin_x));
    const float top = std::trunc(aligned_y(origin_y));
    const float box_width = std::trunc(root_scale_x() * width);
    const float box_height = std::trunc(root_scale_y() * height);
    // The horizontal scale serves both directions so the border is equally thick all round.
    const float border = std::trunc(root_scale_x() * static_cast<float>(line_thickness));
    SDL_Renderer* sdl_renderer = renderer->renderer;
    set_draw_color(sdl_renderer, color);
    draw_outline(sdl_renderer, {left, top, box_width, box_height}, border);
    if (!checked)
        return;
    const float inset = border + static_cast<float>(inner_gap);
    const SDL_FRect mark{left + inset, top + inset, box_width - 2 * inset, box_height - 2 * inset};
    check_sdl(SDL_RenderFillRectF(sdl_renderer, &mark));
}

} // namespace GE
