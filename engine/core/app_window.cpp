#include "engine/core/app_window.h"

#include "engine/core/sdl_runtime_error.h"
#include "engine/core/window_settings.h"

#include <SDL_video.h>

namespace GE {

App_window::App_window(const std::string& title, const Window_settings& settings)
    : handle(nullptr), width(settings.resolution->width), height(settings.resolution->height)
{
    // Where the system counts a window in points (macOS, Wayland), the renderer then draws at the
    // screen's real pixels, which App::measure_output finds. A page keeps its canvas at the size
    // chosen, which the browser scales to the page.
#ifdef __EMSCRIPTEN__
    constexpr Uint32 high_dpi = 0;
#else
    constexpr Uint32 high_dpi = SDL_WINDOW_ALLOW_HIGHDPI;
#endif
    const Uint32 flags =
        SDL_WINDOW_SHOWN | high_dpi | (settings.fullscreen ? SDL_WINDOW_FULLSCREEN : 0);
    handle = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                              width, height, flags);
    if (handle == nullptr)
        throw SDL_runtime_error::from_sdl();
}

App_window::~App_window() { SDL_DestroyWindow(handle); }

void App_window::set_size(std::int32_t new_width, std::int32_t new_height)
{
    width = new_width;
    height = new_height;
    SDL_SetWindowSize(handle, width, height);
}

} // namespace GE
