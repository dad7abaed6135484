#include "engine/resources/text_surface.h"

#include <SDL_ttf.h>

namespace GE {

// The XML parser hands text over as UTF-8, so it is rendered as such.
Text_surface::Text_surface(_TTF_Font* font, const std::string& text, SDL_Color colour)
    : Surface(TTF_RenderUTF8_Blended(font, text.c_str(), colour))
{
}

} // namespace GE
