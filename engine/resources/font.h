#pragma once

#include <string>

struct _TTF_Font;

namespace GE {

// A TrueType font opened at one point size. Throws SDL_runtime_error when it cannot be opened.
class Font {
public:
    Font(const std::string& file, int size);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    _TTF_Font* font;
};

} // namespace GE
