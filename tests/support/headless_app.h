#pragma once

#include "engine/core/app.h"

#include <SDL_pixels.h>

#include <memory>

namespace Support {

// A bare application for drawing tests: a window and renderer, a root whose scale is set by
// hand, and pixels read back after a draw.
class Headless_app {
public:
    explicit Headless_app(int width = 640, int height = 480, float scale = 1.0f);

    GE::Render_context* context() { return &app->render_context; }
    void set_scale(float scale);
    // Clears the window to white and draws the tree with the window's corner as origin.
    void draw();
    SDL_Color pixel(int x, int y);

    std::shared_ptr<GE::App> app;
};

} // namespace Support
