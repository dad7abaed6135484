#pragma once

#include "engine/core/render_object_container.h"

#include <SDL_pixels.h>
#include <SDL_rect.h>

#include <cstdint>
#include <string>

namespace GE {

struct Render_context;

// A container that draws its children, then an outline growing inward from its own rectangle.
class Rect : public Render_object_container {
public:
    Rect(Render_context* renderer, const SDL_FRect& rect, const std::string& id);

    // Its own rectangle scaled, as a plain render object; the children's extent plays no part.
    float get_width() override;
    float get_height() override;
    // Throws SDL_runtime_error.
    void draw(float origin_x, float origin_y) override;

    Render_context* renderer; // not owned
    SDL_Color color{0, 0, 0, 255};
    // In design units; the horizontal root scale turns it into whole one-pixel frames.
    std::int32_t thickness = 2;
};

} // namespace GE
