#pragma once

#include <SDL_pixels.h>
#include <SDL_rect.h>
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

struct SDL_Renderer;

namespace Support {

// The pixels of `area` of the renderer's current target, row by row.
std::vector<SDL_Color> read_pixels(SDL_Renderer* renderer, SDL_Rect area);
SDL_Color read_pixel(SDL_Renderer* renderer, int x, int y);

// Whether every pixel of `area` has `colour`; names the first one that differs.
testing::AssertionResult region_is(SDL_Renderer* renderer, SDL_Rect area, SDL_Color colour);

inline constexpr SDL_Color black{0, 0, 0, 255};
inline constexpr SDL_Color white{255, 255, 255, 255};
inline constexpr SDL_Color red{255, 0, 0, 255};
inline constexpr SDL_Color green{0, 255, 0, 255};
inline constexpr SDL_Color blue{0, 0, 255, 255};

} // namespace Support

std::ostream& operator<<(std::ostream& out, const SDL_Color& colour);
bool operator==(const SDL_Color& a, const SDL_Color& b);
