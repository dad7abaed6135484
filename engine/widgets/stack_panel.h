#pragma once

#include "engine/core/render_object_container.h"

#include <cstdint>
#include <memory>
#include <string>

namespace GE {

enum class Orientation : std::int32_t { horizontal = 0, vertical = 1 };

// A container that places each child it receives right after the ones it already has.
class Stack_panel : public Render_object_container {
public:
    Stack_panel(Orientation orientation, int offset, const std::string& id);

    // Places the child once, now; later changes to the panel or its children move nothing.
    void add_child(std::shared_ptr<Render_object> child) override;

    Orientation orientation;
    // The gap after each child, in design units.
    std::int32_t offset;

private:
    float next_position();
};

} // namespace GE
