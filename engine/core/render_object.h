#pragma once

#include "engine/core/event_target.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace GE {

class Mouse_event;

enum class Horizontal_align : std::int32_t { left = 0, center = 1, right = 2 };
enum class Vertical_align : std::int32_t { top = 0, center = 1, bottom = 2 };

// A rectangle in pixels relative to the drawing area's top-left corner.
struct Screen_rect {
    float x = 0;
    float y = 0;
    float w = 0;
    float h = 0;
};

// A node of the render tree. Fields are in design units of the 1440x1080 canvas; every get_
// operation answers in window pixels, scaled by the root's scale.
class Render_object : public Event_target {
public:
    Render_object() = default;
    Render_object(float x, float y, float width, float height, std::string id = {});

    void dispatch_event(Event& event) override;
    using Event_target::dispatch_event;

    virtual void set_x(float value);
    virtual float get_x();
    virtual void set_y(float value);
    virtual float get_y();
    virtual void set_scale_x(float value);
    virtual float get_scale_x();
    virtual void set_scale_y(float value);
    virtual float get_scale_y();
    virtual void set_width(float value);
    virtual float get_width();
    virtual void set_height(float value);
    virtual float get_height();
    // Whether a point in drawing-area pixels lies inside get_screen_rect().
    virtual bool hit_test(float px, float py);
    // Draws the object; origin is the parent's absolute pixel position.
    virtual void draw(float origin_x, float origin_y) = 0;
    virtual void render();

    // What the object does when it holds the keyboard focus. By default, Enter acts as a click in
    // its middle: a press and a release delivered to the object alone, so it sounds and reports
    // what a click does. An object that holds the keys (an open list) takes the focus's steps
    // and Escape itself.
    virtual void activate();
    virtual bool holds_keys() { return false; }
    virtual void step_inside(int /*step*/) {}
    virtual void cancel() {}
    // Left (a negative step) or Right on the object with the focus; false when it has no use
    // for them, for the keys to do what they do elsewhere.
    virtual bool adjust(int /*steps*/) { return false; }
    // What a voice says of the object when it takes the focus: its description, and for a widget
    // its role and state ("Fullscreen, checkbox, checked"). Empty when there is nothing to say.
    virtual std::string spoken() { return description; }

    std::shared_ptr<Render_object> get_parent() const;
    // The topmost ancestor; empty for an object without a parent, the root included.
    std::shared_ptr<Render_object> get_root() const;
    float root_scale_x() const;
    float root_scale_y() const;
    // The object's absolute pixel position given its parent's absolute origin.
    float aligned_x(float origin_x);
    float aligned_y(float origin_y);
    Screen_rect get_screen_rect();

    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
    float scale_x = 1.0f;
    float scale_y = 1.0f;
    bool mouse_over = false;
    std::function<std::weak_ptr<Render_object>()> parent_getter = [] {
        return std::weak_ptr<Render_object>{};
    };
    std::string id;
    Horizontal_align horizontal_align = Horizontal_align::left;
    Vertical_align vertical_align = Vertical_align::top;
    bool visible = true;
    bool normalized_x = false;
    bool normalized_y = false;
    std::int32_t layer = 0;
    // Whether the object can hold the keyboard focus, and where it comes among the objects of its
    // screen that can: lower first, equal ones in reading order (top to bottom, then left to
    // right).
    bool focusable = false;
    std::int32_t focus_order = 0;
    // The object in words, for players who cannot see it: a door and its label, a slider's name.
    std::string description;

protected:
    // Runs the listeners of `name` one by one while the event propagates and the point hits.
    void call_mouse_listeners(const std::string& name, Mouse_event& event, float px, float py);

private:
    void track_hover(Mouse_event& event, float px, float py);
};

} // namespace GE
