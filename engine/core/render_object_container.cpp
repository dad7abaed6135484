#include "engine/core/render_object_container.h"

#include <algorithm>
#include <limits>

namespace GE {

namespace {

bool lower_layer(const std::shared_ptr<Render_object>& a, const std::shared_ptr<Render_object>& b)
{
    return a->layer < b->layer;
}

} // namespace

void Render_object_container::dispatch_event(Event& event)
{
    if (event.propagating)
        Render_object::dispatch_event(event);
    if (!event.propagating)
        return;
    // A snapshot taken after our own listeners ran: it keeps every child alive through its
    // delivery even if a listener replaces the list or drops the child.
    const auto visited = children;
    for (auto child = visited.rbegin(); child != visited.rend(); ++child) {
        (*child)->dispatch_event(event);
        if (!event.propagating)
            return;
    }
}

float Render_object_container::get_width()
{
    if (children.empty())
        return 0;
    float left = std::numeric_limits<float>::max();
    float right = std::numeric_limits<float>::lowest();
    for (const auto& child : children) {
        const float child_x = child->get_x();
        left = std::min(left, child_x);
        right = std::max(right, child_x + child->get_width());
    }
    return right - left;
}

float Render_object_container::get_height()
{
    if (children.empty())
        return 0;
    float top = std::numeric_limits<float>::max();
    float bottom = std::numeric_limits<float>::lowest();
    for (const auto& child : children) {
        const float child_y = child->get_y();
        top = std::min(top, child_y);
        bottom = std::max(bottom, child_y + child->get_height());
    }
    return bottom - top;
}

void Render_object_container::draw(float origin_x, float origin_y)
{
    if (!visible)
        return;
    draw_children(aligned_x(origin_x), aligned_y(origin_y));
}

void Render_object_container::draw_children(float origin_x, float origin_y)
{
    sort_by_layer();
    // Drawing changes no child list, so the children are walked in place, with no copy per frame.
    for (const auto& child : children)
        child->draw(origin_x, origin_y);
}

void Render_object_container::sort_by_layer()
{
    // Children are almost always in order already; only a changed layer costs a sort.
    if (!std::is_sorted(children.begin(), children.end(), lower_layer))
        std::stable_sort(children.begin(), children.end(), lower_layer);
}

bool Render_object_container::has_child(const std::shared_ptr<Render_object>& child) const
{
    return std::find(children.begin(), children.end(), child) != children.end();
}

void Render_object_container::add_child(std::shared_ptr<Render_object> child)
{
    // The link is resolved on each call, so a container may add children before it is owned
    // by a std::shared_ptr (a screen filled by its constructor does).
    child->parent_getter = [link = std::weak_ptr<Render_object_container*>(self_link)] {
        const auto container = link.lock();
        if (!container)
            return std::weak_ptr<Render_object>{};
        return std::weak_ptr<Render_object>((*container)->shared_from_this());
    };
    children.push_back(std::move(child));
}

void Render_object_container::remove_child(const std::shared_ptr<Render_object>& child)
{
    std::erase(children, child);
}

void Render_object_container::clear_children() { children.clear(); }

std::shared_ptr<Render_object> Render_object_container::find_child(const std::string& id) const
{
    const auto found = std::find_if(children.begin(), children.end(),
                                    [&id](const auto& child) { return child->id == id; });
    return found == children.end() ? nullptr : *found;
}

} // namespace GE
