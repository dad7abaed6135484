#include "engine/widgets/slider.h"

#include "engine/core/event_names.h"
#include "engine/core/ge_runtime_error.h"
#include "engine/core/mouse_event.h"
#include "engine/core/render_context.h"
#include "engine/core/sdl_runtime_error.h"
#include "engine/text/language.h"
#include "engine/widgets/label.h"
#include "engine/widgets/outline.h"

#include <SDL_render.h>

#include <algorithm>
#include <cmath>

namespace GE {

namespace {

// Between the track's end and the value's text, in design units.
constexpr float text_gap = 24;

} // namespace

Slider::Slider(Render_context* renderer, std::string id, const SDL_FRect& rect, SDL_Color color,
               std::shared_ptr<Font> font, int lowest, int highest, int step)
    : Render_object_container(rect.x, rect.y, rect.w, rect.h, std::move(id)), lowest(lowest),
      highest(highest), step(step), renderer(renderer), color(color), font(std::move(font)),
      current(lowest)
{
    if (highest <= lowest || step <= 0)
        throw GE_runtime_error("A slider needs a maximum above its minimum and a positive step");
    // Its sums stay far from int's end.
    if (static_cast<long long>(highest) - lowest > max_span)
        throw GE_runtime_error("A slider's range can be at most 1000000 wide");
    if (rect.w <= text_width + text_gap)
        throw GE_runtime_error("A slider must be wider than its value's text");
    focusable = true;
    show_value();
}

float Slider::get_width() { return Render_object::get_width(); }
float Slider::get_height() { return Render_object::get_height(); }

void Slider::set_value(int value)
{
    const int steps = static_cast<int>(
        std::lround(static_cast<double>(std::clamp(value, lowest, highest) - lowest) / step));
    const int snapped = std::min(lowest + steps * step, highest);
    if (snapped == current)
        return;
    current = snapped;
    show_value();
}

std::string Slider::spoken()
{
    return fill(tr("{name}, {value} percent, slider"),
                {{"name", description}, {"value", std::to_string(current)}});
}

void Slider::show_value()
{
    clear_children();
    text = std::make_shared<Label>(renderer, "", font, color,
                                   fill(tr("{value} %"), {{"value", std::to_string(current)}}));
    text->set_x(width - text_width + text_gap);
    text->set_y(std::round((height - text->get_height()) / 2));
    add_child(text);
}

bool Slider::change_to(int value)
{
    const int before = current;
    set_value(value);
    if (current == before)
        return false;
    dispatch(value_changed_event);
    return true;
}

void Slider::dispatch(const std::string& name)
{
    Event event(name);
    Render_object::dispatch_event(event);
}

bool Slider::adjust(int steps)
{
    if (!change_to(current + steps * step))
        return true; // at its end: the step is the slider's all the same
    dispatch(value_committed_event);
    return true;
}

SDL_FRect Slider::track_rect()
{
    const Screen_rect box = get_screen_rect();
    return {box.x, box.y, box.w * (width - text_width) / width, box.h};
}

float Slider::knob_width() { return std::max(2.0f, std::round(track_rect().h / 2)); }

int Slider::value_at(float px)
{
    const SDL_FRect track = track_rect();
    const float knob = knob_width();
    const float share = std::clamp((px - track.x - knob / 2) / (track.w - knob), 0.0f, 1.0f);
    // Snapped to a step here, in one rounding: rounding to a whole value first and then
    // to a step would carry 74.6 % of a 0..100 slider to 75 and on to 80.
    const double steps = share * static_cast<double>(highest - lowest) / step;
    return std::min(lowest + static_cast<int>(std::lround(steps)) * step, highest);
}

void Slider::dispatch_event(Event& event)
{
    Render_object_container::dispatch_event(event);
    auto* mouse = dynamic_cast<Mouse_event*>(&event);
    if (mouse == nullptr)
        return;
    const SDL_FRect track = track_rect();
    const bool on_track = track.x <= mouse->x && mouse->x < track.x + track.w &&
                          track.y <= mouse->y && mouse->y < track.y + track.h;
    if (event.name == mouse_down_event && on_track && event.propagating) {
        dragging = true;
        changed_while_dragging = change_to(value_at(mouse->x));
        mouse->changed_something = true;
    } else if (event.name == mouse_motion_event && dragging) {
        if (change_to(value_at(mouse->x))) {
            changed_while_dragging = true;
            mouse->changed_something = true;
        }
    } else if (event.name == mouse_button_up_event && dragging) {
        dragging = false;
        if (changed_while_dragging)
            dispatch(value_committed_event);
        mouse->changed_something = true;
    }
}

void Slider::draw(float origin_x, float origin_y)
{
    if (!visible)
        return;
    draw_children(aligned_x(origin_x), aligned_y(origin_y));
    const float left = std::trunc(aligned_x(origin_x));
    const float top = std::trunc(aligned_y(origin_y));
    const SDL_FRect track = track_rect();
    const float knob = knob_width();
    const float bar = std::max(1.0f, std::round(track.h / 6));
    const float share = static_cast<float>(current - lowest) / static_cast<float>(highest - lowest);
    const float knob_left = std::round(left + share * (track.w - knob));
    const float bar_top = std::round(top + (track.h - bar) / 2);
    SDL_Renderer* sdl_renderer = renderer->renderer;
    set_draw_color(sdl_renderer, color);
    // The chosen part of the bar is filled, the rest only outlined.
    const SDL_FRect filled{left, bar_top, knob_left - left, bar};
    check_sdl(SDL_RenderFillRectF(sdl_renderer, &filled));
    draw_outline(sdl_renderer, {left, bar_top, track.w, bar}, 1);
    const SDL_FRect handle{knob_left, top, knob, std::trunc(track.h)};
    check_sdl(SDL_RenderFillRectF(sdl_renderer, &handle));
}

} // namespace GE
