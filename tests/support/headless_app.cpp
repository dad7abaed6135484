#include "tests/support/headless_app.h"

#include "engine/core/resolution.h"
#include "engine/core/window_settings.h"
#include "tests/support/pixels.h"

#include <string>

namespace Support {

namespace {

GE::Window_settings settings_of(int width, int height)
{
    GE::Window_settings settings;
    settings.resolution =
        std::make_unique<GE::Resolution>(std::to_string(width) + "x" + std::to_string(height));
    return settings;
}

} // namespace

Headless_app::Headless_app(int width, int height, float scale)
    : app(std::make_shared<GE::App>("test", 0xFFFFFFFF, settings_of(width, height)))
{
    set_scale(scale);
}

void Headless_app::set_scale(float scale)
{
    app->scale_x = scale;
    app->scale_y = scale;
}

void Headless_app::draw()
{
    app->render_context.clear_frame();
    app->draw(0, 0);
}

SDL_Color Headless_app::pixel(int x, int y)
{
    return read_pixel(app->render_context.renderer, x, y);
}

} // namespace Support
