#pragma once

#include "engine/resources/sdl_owner.h"

#include <string>

struct _TTF_Font;

namespace GE {

// A TrueType font opened at one point size. Throws SDL_runtime_error when it cannot be opened.
class Font {
public:
    Font(const std::string& file, int size);

    // What it was opened from, for the same face at another size.
    std::string file;
    int size;

    struct Close {
        void operator()(_TTF_Font* font) const;
    };
    Sdl_owner<_TTF_Font, Close> font;
};

} // namespace GE
