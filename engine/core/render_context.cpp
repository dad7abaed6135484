#include "engine/core/render_context.h"

#include "engine/core/app_window.h"
#include "engine/core/sdl_runtime_error.h"

#include <SDL_render.h>

namespace GE {

namespace {

constexpr std::uint32_t scanline_colour = 0xFF141414;
constexpr float scanline_thickness = 2;
constexpr int scanline_spacing = 7;

} // namespace

Render_context::Render_context(App_window& window, std::uint32_t clear_colour)
    : renderer(SDL_CreateRenderer(window.handle, -1,
                                  SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC)),
      window(&window), clear_colour(clear_colour)
{
    if (renderer == nullptr)
        throw SDL_runtime_error::from_sdl();
}

Render_context::~Render_context() { SDL_DestroyRenderer(renderer); }

void Render_context::clear_frame()
{
    set_draw_colour(clear_colour);
    check_sdl(SDL_RenderClear(renderer));
    check_sdl(SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND));
    if (scanlines)
        paint_scanlines();
}

void Render_context::fill_rect(SDL_FRect rect, std::uint32_t colour)
{
    set_draw_colour(colour);
    check_sdl(SDL_RenderFillRectF(renderer, &rect));
}

void Render_context::set_draw_colour(std::uint32_t colour)
{
    check_sdl(SDL_SetRenderDrawColor(renderer, colour & 0xFF, (colour >> 8) & 0xFF,
                                     (colour >> 16) & 0xFF, colour >> 24));
}

void Render_context::paint_scanlines()
{
    set_draw_colour(scanline_colour);
    const auto width = static_cast<float>(window->width);
    for (int y = 0; y <= window->height; y += scanline_spacing) {
        const SDL_FRect line{0, static_cast<float>(y), width, scanline_thickness};
        check_sdl(SDL_RenderFillRectF(renderer, &line));
    }
    set_draw_colour(clear_colour);
}

} // namespace GE
