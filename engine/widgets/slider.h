#pragma once

#include "engine/core/render_object_container.h"

#include <SDL_pixels.h>
#include <SDL_rect.h>

#include <memory>
#include <string>

namespace GE {

class Font;
class Label;
struct Render_context;

// A value from `lowest` to `highest` in whole steps: a track with a knob, and the value written
// beside it ("70 %"). A press on the track moves the knob there and a drag follows the pointer,
// anywhere, until the button is let go; with the focus, Left and Right move it a step. Each
// change dispatches "value_changed" on the slider; the end of one (the button let go after a
// change, or a step by the keys) dispatches "value_committed".
class Slider : public Render_object_container {
public:
    static constexpr long long max_span = 1000000;
    // The part of the width, in design units, that the value's text takes right of the track.
    static constexpr float text_width = 130;

    // Throws GE_runtime_error when the range is empty or the step is not positive, and
    // SDL_runtime_error when the text cannot be drawn.
    Slider(Render_context* renderer, std::string id, const SDL_FRect& rect, SDL_Color color,
           std::shared_ptr<Font> font, int lowest, int highest, int step);

    void dispatch_event(Event& event) override;
    using Render_object_container::dispatch_event;
    // Its own rectangle scaled, as a plain render object.
    float get_width() override;
    float get_height() override;
    // Throws SDL_runtime_error.
    void draw(float origin_x, float origin_y) override;
    bool adjust(int steps) override;
    // Enter has nothing to do on a slider: it is moved by Left and Right.
    void activate() override {}

    int value() const { return current; }
    // Moves the knob to `value`, brought into the range and onto a step, without an event.
    void set_value(int value);
    // "Music volume, 70 percent, slider".
    std::string spoken() override;

    const int lowest, highest, step;

private:
    // Takes `value` as set_value does; when it changed, dispatches "value_changed". Answers
    // whether it changed.
    bool change_to(int value);
    // The value under the pointer at window x `px`.
    int value_at(float px);
    // The track's rectangle in window pixels, the knob's range within it, and the knob's width.
    SDL_FRect track_rect();
    float knob_width();
    void show_value();
    void dispatch(const std::string& name);

    Render_context* renderer; // not owned
    SDL_Color color;
    std::shared_ptr<Font> font;
    std::shared_ptr<Label> text;
    int current;
    bool dragging = false;
    bool changed_while_dragging = false;
};

} // namespace GE
