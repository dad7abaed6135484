#include "engine/widgets/sprite.h"

#include "engine/core/sdl_runtime_error.h"
#include "engine/resources/texture.h"

#include <SDL_render.h>

#include <cmath>

namespace GE {

Sprite::Sprite(const std::shared_ptr<Texture>& texture, const std::string& id)
    : Render_object(0, 0, static_cast<float>(texture->width), static_cast<float>(texture->height),
                    id),
      texture(texture)
{
}

Sprite::Sprite(const std::shared_ptr<Texture>& texture, const SDL_FRect& rect)
    : Render_object(rect.x, rect.y, rect.w, rect.h), texture(texture)
{
}

void Sprite::draw(float origin_x, float origin_y)
{
    if (!visible)
        return;
    SDL_FRect destination{aligned_x(origin_x), aligned_y(origin_y),
                          root_scale_x() * scale_x * width, root_scale_y() * scale_y * height};
    if (snap_to_pixels) {
        destination = {std::trunc(destination.x), std::trunc(destination.y),
                       std::trunc(destination.w), std::trunc(destination.h)};
    }
    check_sdl(SDL_RenderCopyF(texture->renderer, texture->sdl_texture(), nullptr, &destination));
}

} // namespace GE
