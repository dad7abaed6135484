#pragma once

#include <SDL_pixels.h>

#include <ostream>

struct SDL_Renderer;

namespace Support {

// One pixel of the renderer's current target, read back from it.
SDL_Color read_pixel(SDL_Renderer* renderer, int x, int y);

inline constexpr SDL_Color black{0, 0, 0, 255};
inline constexpr SDL_Color white{255, 255, 255, 255};

} // namespace Support

std::ostream& operator<<(std::ostream& out, const SDL_Color& colour);
bool operator==(const SDL_Color& a, const SDL_Color& b);
