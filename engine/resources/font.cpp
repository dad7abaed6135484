#include "engine/resources/font.h"

#include "engine/core/sdl_runtime_error.h"

#include <SDL_ttf.h>

namespace GE {

Font::Font(const std::string& file, int size) : font(TTF_OpenFont(file.c_str(), size))
{
    if (font == nullptr)
        throw SDL_runtime_error::from_sdl();
}

Font::~Font() { TTF_CloseFont(font); }

} // namespace GE
