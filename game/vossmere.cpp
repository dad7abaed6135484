#include "game/vossmere.h"

#include "engine/core/event_names.h"
#include "engine/core/mouse_event.h"

#include <SDL_events.h>
#include <SDL_mouse.h>
#include <SDL_render.h>

namespace Game {

namespace {

constexpr float design_width = 1440;
constexpr float aspect_ratio = 4.0f / 3.0f;
constexpr std::uint32_t opaque_black = 0xFF000000;
constexpr std::uint32_t opaque_white = 0xFFFFFFFF;

const std::string& mouse_event_name(std::uint32_t sdl_type)
{
    switch (sdl_type) {
    case SDL_MOUSEBUTTONUP:
        return GE::mouse_button_up_event;
    case SDL_MOUSEBUTTONDOWN:
        return GE::mouse_down_event;
    default:
        return GE::mouse_motion_event;
    }
}

} // namespace

Vossmere::Vossmere(const std::string& title, std::uint32_t clear_colour,
                   GE::Window_settings& settings, GE::Game_model& model)
    : GE::App(title, clear_colour, settings), model(&model), settings(&settings)
{
}

void Vossmere::render()
{
    render_context.clear_frame();
    const auto window_width = static_cast<float>(window.width);
    const auto window_height = static_cast<float>(window.height);
    render_context.fill_rect({0, 0, window_width, window_height}, opaque_black);

    const float canvas = window_height * aspect_ratio;
    const float left = (window_width - canvas) * 0.5f;
    set_width(canvas);
    const float scale = canvas / design_width;
    set_scale_x(scale);
    set_scale_y(scale);
    render_context.fill_rect({left, 0, canvas, window_height}, opaque_white);

    draw(left, 0);
    SDL_RenderPresent(render_context.renderer);
}

bool Vossmere::handle_sdl_event(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        // Where the pointer is now, not where it was when the event was queued.
        int x = 0;
        int y = 0;
        SDL_GetMouseState(&x, &y);
        return dispatch_mouse_event(event.type, static_cast<float>(x), static_cast<float>(y));
    }
    default:
        return true;
    }
}

bool Vossmere::dispatch_mouse_event(std::uint32_t sdl_type, float x, float y)
{
    const float offset = (get_width() - static_cast<float>(window.width)) * 0.5f;
    GE::Mouse_event event(mouse_event_name(sdl_type), x + offset, y);
    dispatch_event(event);
    request_frame();
    return true;
}

} // namespace Game
