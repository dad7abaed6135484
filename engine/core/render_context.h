#pragma once

#include <SDL_rect.h>

#include <cstdint>

struct SDL_Renderer;

namespace GE {

struct App_window;

// The renderer of the application's window (owned) and how each frame is cleared.
// Colours are 32-bit values with red in the lowest byte, then green, blue and alpha.
struct Render_context {
    // Creates an accelerated renderer with vertical synchronisation. Throws SDL_runtime_error.
    Render_context(App_window& window, std::uint32_t clear_colour);
    ~Render_context();
    Render_context(const Render_context&) = delete;
    Render_context& operator=(const Render_context&) = delete;

    // Clears to clear_colour, turns on alpha blending and, if asked, paints scanlines.
    void clear_frame();
    // Fills a rectangle in window pixels; the draw colour stays set afterwards.
    void fill_rect(SDL_FRect rect, std::uint32_t colour);

    SDL_Renderer* renderer;
    App_window* window; // not owned
    std::uint32_t clear_colour;
    bool scanlines = false;
    // Pixels per unit that text is rendered at: 2 where the drawing is scaled up (a high-DPI
    // display, a window taller than the design), so that glyphs are drawn down to the screen's
    // pixels, never blown up and blurred. Text rendered from now on takes it.
    int text_density = 1;

private:
    void set_draw_colour(std::uint32_t colour);
    void paint_scanlines();
};

} // namespace GE
