#pragma once

#include "engine/widgets/sprite.h"

#include <SDL_pixels.h>

#include <memory>
#include <string>

namespace GE {

class Font;
struct Render_context;

// Text rendered once, at construction, and drawn as a sprite of its natural size: one line, or
// with a `wrap_width` as many as it takes at that width, centred. To show another text, build a
// new label. Throws SDL_runtime_error (an empty text cannot be rendered).
class Label : public Sprite {
public:
    Label(Render_context* renderer, const std::string& id, const std::shared_ptr<Font>& font,
          SDL_Color color, const std::string& text, int wrap_width = 0);

    std::string text;
    std::shared_ptr<Font> font;
    SDL_Color color;
};

} // namespace GE
