#pragma once

#include <SDL_video.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The resolutions offered to the player, and applying the one chosen to the window.
namespace GE {

struct App_window;
struct Window_settings;

// What the displays offer, display by display, as SDL reports it; tests supply their own.
// Each function throws SDL_runtime_error when it cannot answer.
struct Display_source {
    std::function<int()> display_count;
    std::function<int(int display)> mode_count;
    std::function<SDL_DisplayMode(int display, int index)> mode;
};

// The displays SDL knows.
const Display_source& sdl_displays();

// Appends, letter-spaced ("1 0 2 4 x 7 6 8"), every resolution of 4:3 or wider among the first
// `max_modes_per_display` modes of each display, in the displays' order; a resolution listed
// again (at another refresh rate or pixel format, or by another display) is offered once.
void list_display_modes(std::vector<std::string>& out, std::int32_t max_modes_per_display,
                        const Display_source& source = sdl_displays());

// The text with one space between every two characters.
std::string letter_space(const std::string& text);

// Resizes the window to `resolution_text` ("1024x768") and makes it fullscreen or windowed
// (centred), recording both in `settings`; does nothing when both are already in effect. A mode
// the display refuses leaves window and settings as they were and throws SDL_runtime_error; a
// text that is no resolution throws std::invalid_argument before anything changes.
void apply_window_settings(App_window& window, Window_settings& settings,
                           const std::string& resolution_text, bool fullscreen);

} // namespace GE
