#pragma once

#include "engine/core/event_target.h"
#include "engine/core/render_context.h"
#include "engine/core/render_object.h"
#include "engine/core/render_object_container.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Support {

// A leaf that draws nothing.
class Box : public GE::Render_object {
public:
    using GE::Render_object::Render_object;
    void draw(float, float) override {}
};

// A leaf that fills its rectangle with one colour.
class Filled_box : public GE::Render_object {
public:
    Filled_box(GE::Render_context& context, float x, float y, float width, float height,
               std::uint32_t colour)
        : GE::Render_object(x, y, width, height), context(&context), colour(colour)
    {
    }
    void draw(float origin_x, float origin_y) override
    {
        context->fill_rect({aligned_x(origin_x), aligned_y(origin_y), get_width(), get_height()},
                           colour);
    }

    GE::Render_context* context; // not owned
    std::uint32_t colour;
};

// A root whose scale is set by hand, as the application sets it every frame.
inline std::shared_ptr<GE::Render_object_container> make_root(float scale = 1.0f)
{
    auto root = std::make_shared<GE::Render_object_container>();
    root->scale_x = scale;
    root->scale_y = scale;
    return root;
}

// A root of fixed pixel size, as the application and the screens report theirs.
class Fixed_root : public GE::Render_object_container {
public:
    Fixed_root(float pixel_width, float pixel_height)
        : pixel_width(pixel_width), pixel_height(pixel_height)
    {
    }
    float get_width() override { return pixel_width; }
    float get_height() override { return pixel_height; }

    float pixel_width;
    float pixel_height;
};

// Records `tag` into `log` whenever an event named `name` reaches `target`. Answers a copy of the
// listener: every listener made here has one callable type, so it removes them all.
inline GE::Event_listener record(GE::Event_target& target, const std::string& name, std::string tag,
                                 std::vector<std::string>& log)
{
    GE::Event_listener listener = [&log, tag](GE::Event&) { log.push_back(tag); };
    target.add_event_listener(name, listener);
    return listener;
}

} // namespace Support
