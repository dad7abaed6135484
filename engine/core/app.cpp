#include "engine/core/app.h"

#include "engine/core/wait_event.h"
#include "engine/resources/audio.h"
#include "engine/resources/resources.h"
#include "engine/resources/texture.h"

#include <SDL_events.h>
#include <SDL_render.h>
#include <SDL_video.h>

namespace GE {

namespace {

// Whether the system has lost or hidden what the window showed.
bool picture_lost(const SDL_Event& event)
{
    if (event.type == SDL_RENDER_DEVICE_RESET || event.type == SDL_RENDER_TARGETS_RESET)
        return true;
    if (event.type != SDL_WINDOWEVENT)
        return false;
    switch (event.window.event) {
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_DISPLAY_CHANGED:
        return true;
    default:
        return false;
    }
}

} // namespace

App::App(const std::string& title, std::uint32_t clear_colour, const Window_settings& settings)
    : window(title, settings), render_context(window, clear_colour)
{
    measure_output(); // the pointer is mapped right before the first frame too
}

App::~App()
{
    // Everything that holds a texture goes before the renderer, which goes before the window
    // (the members are destroyed in reverse order of declaration).
    clear_children();
    Resources::instance().clear_textures();
}

void App::set_width(float value) { canvas_width = value; }

float App::get_width()
{
    return canvas_width > 0 ? canvas_width : static_cast<float>(window.width);
}

void App::render() {}

bool App::handle_sdl_event(const SDL_Event&) { return false; }

bool App::repaint_if_lost(const SDL_Event& event)
{
    if (!picture_lost(event))
        return false;
    if (event.type == SDL_RENDER_DEVICE_RESET)
        Texture::forget_all_pixels();
    request_frame();
    return true;
}

void App::measure_output()
{
    int width = 0;
    int height = 0;
    if (SDL_GetRendererOutputSize(render_context.renderer, &width, &height) == 0 && width > 0 &&
        height > 0) {
        window.width = width;
        window.height = height;
    }
}

SDL_FPoint App::pixel_at(int x, int y) const
{
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window.handle, &width, &height);
    if (width <= 0 || height <= 0)
        return {static_cast<float>(x), static_cast<float>(y)};
    return {static_cast<float>(x) * static_cast<float>(window.width) / static_cast<float>(width),
            static_cast<float>(y) * static_cast<float>(window.height) / static_cast<float>(height)};
}

void App::follow_window(const SDL_Event& event)
{
    if (event.type != SDL_WINDOWEVENT)
        return;
    const bool was_visible = visible();
    switch (event.window.event) {
    case SDL_WINDOWEVENT_MINIMIZED:
        minimised = true;
        break;
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_MAXIMIZED:
        minimised = false;
        break;
    case SDL_WINDOWEVENT_HIDDEN:
        hidden = true;
        break;
    case SDL_WINDOWEVENT_SHOWN:
        hidden = false;
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
    case SDL_WINDOWEVENT_FOCUS_LOST: {
        const bool now_focused = event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED;
        if (now_focused != has_focus) {
            has_focus = now_focused;
            focus_changed(has_focus);
        }
        return;
    }
    default:
        return;
    }
    if (visible() != was_visible)
        visibility_changed(visible());
}

void App::run()
{
    SDL_Event event;
    for (;;) {
        if (!next_event(event)) {
            // Nothing is waiting: a pass that redraws on its own, or a wake-up for the
            // controllers, which found nothing to draw for.
            if (redraw_each_pass && visible())
                render();
            continue;
        }
        const bool quit = handle_pass(event);
        if ((frame_requested || redraw_each_pass) && visible()) {
            frame_requested = false;
            render();
        }
        if (quit)
            return;
    }
}

bool App::next_event(SDL_Event& event)
{
    // Out of sight there is nothing to draw and no pad to read: sleep until something happens.
    if (!visible())
        return wait_event(event);
    // Read when due, not only when the wait times out: a pointer that keeps moving would
    // otherwise leave the controllers unread.
    if (controllers.ms_until_update() == 0)
        controllers.update();
    // A game that redraws every pass keeps the loop turning (presenting waits for the display);
    // otherwise sleep until something happens.
    if (redraw_each_pass)
        return SDL_PollEvent(&event) == 1;
    return wait_event(event, controllers.ms_until_update());
}

bool App::handle_one(const SDL_Event& event)
{
    follow_window(event);
    if (controllers.handle(event) || handle_audio_device_event(event))
        return true;
    return handle_sdl_event(event);
}

bool App::handle_pass(const SDL_Event& first)
{
    bool quit = false;
    SDL_Event event = first;
    do {
        if (event.type == SDL_QUIT || !handle_one(event))
            quit = true;
        if (exit_requested)
            quit = true;
    } while (SDL_PollEvent(&event) == 1);
    return quit;
}

} // namespace GE
