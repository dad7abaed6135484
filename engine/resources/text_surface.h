#pragma once

#include "engine/resources/surface.h"

#include <SDL_pixels.h>

#include <string>

struct _TTF_Font;

namespace GE {

// A line of UTF-8 text rendered with alpha blending. Throws SDL_runtime_error, for instance for
// an empty text, and GE_runtime_error for a line over 16384 pixels wide or high.
class Text_surface : public Surface {
public:
    Text_surface(_TTF_Font* font, const std::string& text, SDL_Color colour);
};

} // namespace GE
