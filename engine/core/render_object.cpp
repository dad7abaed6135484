#include "engine/core/render_object.h"

#include "engine/core/event_names.h"
#include "engine/core/mouse_event.h"

#include <cmath>
#include <vector>

namespace GE {

Render_object::Render_object(float x, float y, float width, float height, std::string id)
    : x(x), y(y), width(width), height(height), id(std::move(id))
{
}

void Render_object::dispatch_event(Event& event)
{
    auto* mouse = dynamic_cast<Mouse_event*>(&event);
    if (mouse == nullptr) {
        if (event.propagating)
            call_listeners(event.name, event, [] { return true; });
        return;
    }
    const float px = mouse->x;
    const float py = mouse->y;
    if (event.name == mouse_motion_event && event.propagating)
        track_hover(*mouse, px, py);
    call_mouse_listeners(event.name, *mouse, px, py);
}

void Render_object::track_hover(Mouse_event& event, float px, float py)
{
    const bool inside = hit_test(px, py);
    if (inside == mouse_over)
        return;
    mouse_over = inside;
    event.changed_something = true;
    call_listeners(inside ? mouse_over_event : mouse_out_event, event,
                   [&event] { return event.propagating; });
}

void Render_object::call_mouse_listeners(const std::string& name, Mouse_event& event, float px,
                                         float py)
{
    call_listeners(name, event, [&] {
        const bool called = event.propagating && hit_test(px, py);
        event.changed_something = event.changed_something || called;
        return called;
    });
}

void Render_object::set_x(float value) { x = value; }
void Render_object::set_y(float value) { y = value; }
void Render_object::set_scale_x(float value) { scale_x = value; }
float Render_object::get_scale_x() { return scale_x; }
void Render_object::set_scale_y(float value) { scale_y = value; }
float Render_object::get_scale_y() { return scale_y; }
void Render_object::set_width(float value) { width = value; }
void Render_object::set_height(float value) { height = value; }

float Render_object::get_x()
{
    if (normalized_x) {
        // Without a root there is no canvas to take a fraction of.
        const auto root = get_root();
        return root ? root->get_width() * x : 0.0f;
    }
    return root_scale_x() * x * scale_x;
}

float Render_object::get_y()
{
    if (normalized_y) {
        const auto root = get_root();
        return root ? root->get_height() * y : 0.0f;
    }
    return root_scale_y() * y * scale_y;
}

float Render_object::get_width() { return root_scale_x() * width * scale_x; }
float Render_object::get_height() { return root_scale_y() * height * scale_y; }

bool Render_object::hit_test(float px, float py)
{
    const Screen_rect rect = get_screen_rect();
    return rect.x <= px && px < rect.x + rect.w && rect.y <= py && py < rect.y + rect.h;
}

void Render_object::render() { draw(0, 0); }

void Render_object::activate()
{
    const Screen_rect rect = get_screen_rect();
    const float middle_x = rect.x + rect.w / 2;
    const float middle_y = rect.y + rect.h / 2;
    for (const std::string* name : {&mouse_down_event, &mouse_button_up_event}) {
        Mouse_event click(*name, middle_x, middle_y);
        dispatch_event(click);
    }
}

std::shared_ptr<Render_object> Render_object::get_parent() const { return parent_getter().lock(); }

std::shared_ptr<Render_object> Render_object::get_root() const
{
    auto ancestor = get_parent();
    if (!ancestor)
        return nullptr;
    while (auto next = ancestor->get_parent())
        ancestor = std::move(next);
    return ancestor;
}

float Render_object::root_scale_x() const
{
    const auto root = get_root();
    return root ? root->get_scale_x() : 1.0f;
}

float Render_object::root_scale_y() const
{
    const auto root = get_root();
    return root ? root->get_scale_y() : 1.0f;
}

float Render_object::aligned_x(float origin_x)
{
    const float position = origin_x + get_x();
    const auto parent = get_parent();
    const float parent_width = parent ? parent->get_width() : 0.0f;
    switch (horizontal_align) {
    case Horizontal_align::center:
        return position + parent_width * 0.5f - get_width() * 0.5f;
    case Horizontal_align::right:
        return position + parent_width - get_width();
    case Horizontal_align::left:
        break;
    }
    return position;
}

float Render_object::aligned_y(float origin_y)
{
    const float position = origin_y + get_y();
    const auto parent = get_parent();
    const float parent_height = parent ? parent->get_height() : 0.0f;
    switch (vertical_align) {
    case Vertical_align::center:
        return position + parent_height * 0.5f - get_height() * 0.5f;
    case Vertical_align::bottom:
        return position + parent_height - get_height();
    case Vertical_align::top:
        break;
    }
    return position;
}

Screen_rect Render_object::get_screen_rect()
{
    std::vector<std::shared_ptr<Render_object>> ancestors;
    for (auto ancestor = get_parent(); ancestor; ancestor = ancestor->get_parent())
        ancestors.push_back(ancestor);
    float origin_x = 0;
    float origin_y = 0;
    for (auto it = ancestors.rbegin(); it != ancestors.rend(); ++it) {
        origin_x = (*it)->aligned_x(origin_x);
        origin_y = (*it)->aligned_y(origin_y);
    }
    return {std::trunc(aligned_x(origin_x)), std::trunc(aligned_y(origin_y)),
            std::trunc(root_scale_x() * width), std::trunc(root_scale_y() * height)};
}

} // namespace GE
