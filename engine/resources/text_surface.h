#pragma once

#include "engine/resources/surface.h"

#include <SDL_pixels.h>

#include <string>

struct _TTF_Font;

namespace GE {

// UTF-8 text rendered with alpha blending: one line, or with a `wrap_width` lines broken between
// words to that width and centred on one another. Throws SDL_runtime_error, for instance for an
// empty text, and GE_runtime_error for text over 16384 pixels wide or high.
class Text_surface : public Surface {
public:
    static constexpr int largest_side = 16384;

    Text_surface(_TTF_Font* font, const std::string& text, SDL_Color colour, int wrap_width = 0);
};

} // namespace GE
