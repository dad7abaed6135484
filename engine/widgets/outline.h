#pragma once

#include <SDL_pixels.h>
#include <SDL_rect.h>

struct SDL_Renderer;

namespace GE {

// Drawing steps shared by the widgets that outline their own rectangle. Both throw
// SDL_runtime_error.

void set_draw_color(SDL_Renderer* renderer, SDL_Color color);

// Draws `thickness` one-pixel frames in the current draw colour, each one pixel further inside
// `box`. The caller turns its thickness into whole pixels, as each widget rounds its own way.
void draw_outline(SDL_Renderer* renderer, const SDL_FRect& box, float thickness);

} // namespace GE
