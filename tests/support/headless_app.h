#pragma once

#include "engine/core/app.h"

#include <SDL_pixels.h>
#include <SDL_rect.h>

#include <memory>
#include <string>

namespace GE {
class Sprite;
}

namespace Support {

// A bare application for drawing tests: a window and renderer, a root whose scale is set by
// hand, and pixels read back after a draw.
class Headless_app {
public:
    explicit Headless_app(int width = 640, int height = 480, float scale = 1.0f);

    GE::Render_context* context() { return &app->render_context; }
    SDL_Renderer* renderer() { return app->render_context.renderer; }
    void set_scale(float scale);
    // Clears the window to white and draws the tree with the window's corner as origin; read
    // the pixels back with read_pixel.
    void draw();

    // Writes a PNG of one colour and makes a sprite of it through the texture cache, stretched
    // to `rect` (a rectangle of 0 by 0 takes the image's size).
    std::shared_ptr<GE::Sprite> sprite_of_png(const std::string& file, int width, int height,
                                              SDL_Color colour, SDL_FRect rect = {});

    std::shared_ptr<GE::App> app;
};

} // namespace Support
