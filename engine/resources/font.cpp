#include "engine/resources/font.h"

#include "engine/resources/regular_file.h"

#include <SDL_ttf.h>

namespace GE {

Font::Font(const std::string& file, int size)
    : file(file), size(size),
      font(open_regular_file(file, [size](const char* name) { return TTF_OpenFont(name, size); }))
{
}

void Font::Close::operator()(TTF_Font* font) const { TTF_CloseFont(font); }

} // namespace GE
