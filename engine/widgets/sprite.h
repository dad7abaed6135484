#pragma once

#include "engine/core/render_object.h"

#include <SDL_rect.h>

#include <memory>
#include <string>

namespace GE {

class Texture;

// Draws a texture stretched into its rectangle.
class Sprite : public Render_object {
public:
    // The texture's natural size, at (0, 0).
    Sprite(const std::shared_ptr<Texture>& texture, const std::string& id);
    Sprite(const std::shared_ptr<Texture>& texture, const SDL_FRect& rect);

    void draw(float origin_x, float origin_y) override;

    std::shared_ptr<Texture> texture;
    bool snap_to_pixels = true;
};

} // namespace GE
