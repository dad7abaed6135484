#pragma once

#include "engine/core/render_object.h"

#include <memory>
#include <string>
#include <vector>

namespace GE {

// A render object that owns an ordered list of children. Must be owned by a std::shared_ptr
// before its children look for their parent.
class Render_object_container : public Render_object,
                                public std::enable_shared_from_this<Render_object_container> {
public:
    using Render_object::Render_object;

    // Delivers to the container's own listeners, then to the children, topmost first.
    void dispatch_event(Event& event) override;
    using Render_object::dispatch_event;

    // The extent of the children in pixels, from the leftmost (topmost) to the farthest edge.
    float get_width() override;
    float get_height() override;
    void draw(float origin_x, float origin_y) override;

    virtual bool has_child(const std::shared_ptr<Render_object>& child) const;
    virtual void add_child(std::shared_ptr<Render_object> child);

    // Removes every entry that holds `child`, keeping the order of the rest.
    void remove_child(const std::shared_ptr<Render_object>& child);
    void clear_children();
    // The first child, in the current order, whose id equals `id`; empty when none does.
    std::shared_ptr<Render_object> find_child(const std::string& id) const;

    std::vector<std::shared_ptr<Render_object>> children;

protected:
    // Draws the children with the given absolute origin, lowest layer first.
    void draw_children(float origin_x, float origin_y);
    void sort_by_layer();

private:
    // Children reach their parent through a weak reference to this, so a child that outlives
    // its container finds no parent instead of a dangling one.
    std::shared_ptr<Render_object_container*> self_link =
        std::make_shared<Render_object_container*>(this);
};

} // namespace GE
