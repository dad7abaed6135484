#include "engine/resources/text_surface.h"

#include "engine/core/ge_runtime_error.h"

#include <SDL_ttf.h>

namespace GE {

namespace {

// The largest texture side most renderers can make; no label's line of text is longer.
constexpr int largest_side = 16384;

// Measured first, since rendering a line of text of any length allocates it whole.
SDL_Surface* render(_TTF_Font* font, const std::string& text, SDL_Color colour)
{
    int width = 0;
    int height = 0;
    if (TTF_SizeUTF8(font, text.c_str(), &width, &height) == 0 &&
        (width > largest_side || height > largest_side))
        throw GE_runtime_error("Text too large to draw (over " + std::to_string(largest_side) +
                               " pixels)");
    // The XML parser hands text over as UTF-8, so it is rendered as such.
    return TTF_RenderUTF8_Blended(font, text.c_str(), colour);
}

} // namespace

Text_surface::Text_surface(_TTF_Font* font, const std::string& text, SDL_Color colour)
    : Surface(render(font, text, colour))
{
}

} // namespace GE
