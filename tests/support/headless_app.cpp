#include "tests/support/headless_app.h"

#include "engine/resources/resources.h"
#include "engine/resources/texture.h"
#include "engine/widgets/sprite.h"
#include "tests/support/fixtures.h"

#include <string>

namespace Support {

Headless_app::Headless_app(int width, int height, float scale)
    : app(std::make_shared<GE::App>(
          "test", 0xFFFFFFFF, settings_of(std::to_string(width) + "x" + std::to_string(height))))
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

std::shared_ptr<GE::Sprite> Headless_app::sprite_of_png(const std::string& file, int width,
                                                        int height, SDL_Color colour,
                                                        SDL_FRect rect)
{
    write_png(file, width, height, colour);
    const auto& texture = GE::Resources::instance().get_texture(context(), file);
    if (rect.w == 0 && rect.h == 0) {
        rect.w = static_cast<float>(texture->width);
        rect.h = static_cast<float>(texture->height);
    }
    return std::make_shared<GE::Sprite>(texture, rect);
}

} // namespace Support
