#pragma once

#include <cstdint>
#include <string>

struct SDL_Window;

namespace GE {

struct Window_settings;

// The application's window; owns the SDL handle. width and height are the size last set by the
// program, or measured by the application before it draws (App::measure_output).
struct App_window {
    // Creates a shown window of the settings' size, fullscreen if they say so, with all the pixels
    // of a high-DPI display to draw on.
    // Throws SDL_runtime_error.
    App_window(const std::string& title, const Window_settings& settings);
    ~App_window();
    App_window(const App_window&) = delete;
    App_window& operator=(const App_window&) = delete;

    void set_size(std::int32_t new_width, std::int32_t new_height);

    SDL_Window* handle;
    std::int32_t width;
    std::int32_t height;
};

} // namespace GE
