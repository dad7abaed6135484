#include "engine/resources/font.h"

#include "engine/core/sdl_runtime_error.h"
#include "engine/resources/regular_file.h"

#include <SDL_ttf.h>

namespace GE {

namespace {

TTF_Font* open_font(const std::string& file, int size)
{
    require_regular_file(file);
    return TTF_OpenFont(file.c_str(), size);
}

} // namespace

Font::Font(const std::string& file, int size) : font(open_font(file, size))
{
    if (font == nullptr)
        throw SDL_runtime_error::from_sdl();
}

Font::~Font() { TTF_CloseFont(font); }

} // namespace GE
