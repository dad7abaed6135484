#include "engine/resources/font.h"

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

Font::Font(const std::string& file, int size) : font(open_font(file, size)) {}

void Font::Close::operator()(TTF_Font* font) const { TTF_CloseFont(font); }

} // namespace GE
