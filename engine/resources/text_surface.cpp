#include "engine/resources/text_surface.h"

#include "engine/core/ge_runtime_error.h"

#include <SDL_ttf.h>

#include <algorithm>

namespace GE {

namespace {

// The largest texture side most renderers can make; no label's text is longer or higher.
constexpr int largest_side = Text_surface::largest_side;

// Measured first, since rendering text of any length allocates it whole: wrapped, at most a line
// for each share of the width and each line break.
SDL_Surface* render(_TTF_Font* font, const std::string& text, SDL_Color colour, int wrap_width)
{
    int width = 0;
    int height = 0;
    if (TTF_SizeUTF8(font, text.c_str(), &width, &height) == 0 && wrap_width > 0) {
        const auto breaks = std::count(text.begin(), text.end(), '\n');
        height = static_cast<int>(std::min<long>(
            largest_side + 1, (width / wrap_width + 1 + breaks) * TTF_FontLineSkip(font)));
        width = std::min(width, wrap_width);
    }
    if (width > largest_side || height > largest_side)
        throw GE_runtime_error("Text too large to draw (over " + std::to_string(largest_side) +
                               " pixels)");
    // The XML parser hands text over as UTF-8, so it is rendered as such.
    if (wrap_width <= 0)
        return TTF_RenderUTF8_Blended(font, text.c_str(), colour);
    TTF_SetFontWrappedAlign(font, TTF_WRAPPED_ALIGN_CENTER);
    return TTF_RenderUTF8_Blended_Wrapped(font, text.c_str(), colour,
                                          static_cast<Uint32>(wrap_width));
}

} // namespace

Text_surface::Text_surface(_TTF_Font* font, const std::string& text, SDL_Color colour,
                           int wrap_width)
    : Surface(render(font, text, colour, wrap_width))
{
}

} // namespace GE
