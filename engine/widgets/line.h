#pragma once

#include "engine/core/render_object.h"

#include <SDL_pixels.h>

namespace GE {

struct Render_context;

// An axis-aligned filled bar from (x_begin, y_begin), as wide as the run from begin to end and
// as high as the drop plus the thickness. Its size is drawn in pixels as stored, unscaled.
class Line : public Render_object {
public:
    Line(Render_context* renderer, float x_begin, float y_begin, float x_end, float y_end);

    // Keeps the position and the width; only the height follows the new thickness.
    void set_thickness(float value);
    // Throws SDL_runtime_error.
    void draw(float origin_x, float origin_y) override;

    Render_context* renderer; // not owned
    float x_begin;
    float y_begin;
    float x_end;
    float y_end;
    SDL_Color color{0, 0, 0, 255};
    float thickness = 2.0f;

private:
    void fit_to_ends();
};

} // namespace GE
