#include "engine/widgets/stack_panel.h"

#include <utility>

namespace GE {

Stack_panel::Stack_panel(Orientation orientation, int offset, const std::string& id)
    : Render_object_container(0, 0, 0, 0, id), orientation(orientation), offset(offset)
{
}

void Stack_panel::add_child(std::shared_ptr<Render_object> child)
{
    const float position = next_position();
    Render_object& added = *child;
    Render_object_container::add_child(std::move(child));
    if (orientation == Orientation::horizontal)
        added.set_x(position);
    else
        added.set_y(position);
}

float Stack_panel::next_position()
{
    const bool horizontal = orientation == Orientation::horizontal;
    // The horizontal scale serves both orientations: the root scales both axes alike.
    const float gap = static_cast<float>(offset) * root_scale_x() * scale_x;
    float pixels = 0;
    for (const auto& child : children) {
        pixels += horizontal ? child->get_width() : child->get_height();
        pixels += gap;
    }
    // The children measure in pixels, which a scaled root has already scaled; positions are
    // stored in design units, so scaling them again would place the child too near or too far.
    return pixels / (horizontal ? root_scale_x() : root_scale_y());
}

} // namespace GE
