#pragma once

#include "engine/widgets/sprite.h"

#include <SDL_pixels.h>

#include <memory>
#include <string>

namespace GE {

class Font;
struct Render_context;

// A line of text rendered once, at construction, and drawn as a sprite of its natural size.
// To show another text, build a new label. Throws SDL_runtime_error (an empty text cannot be
// rendered).
class Label : public Sprite {
public:
    Label(Render_context* renderer, const std::string& id, const std::shared_ptr<Font>& font,
          SDL_Color color, const std::string& text);

    std::string text;
    std::shared_ptr<Font> font;
    SDL_Color color;
};

} // namespace GE
