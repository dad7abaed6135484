#pragma once

#include <SDL_video.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The resolutions offered to the player, and applying the one chosen to the window.
namespace GE {

struct App_window;
struct Resolution;
struct Window_settings;

// Resizes the window and, for fullscreen, gives it the display mode of that size on the display
// the window is on; a windowed window is centred on that display. Throws SDL_runtime_error when
// the display refuses the mode.
void change_window_mode(App_window& window, const Resolution& resolution, bool fullscreen);

// The display the window is on, as SDL says; the first when SDL cannot tell.
int display_of_window(const App_window& window);

// What the displays offer, display by display, as SDL reports it, and how the window's mode is
// changed; tests supply their own. Each function throws SDL_runtime_error when it cannot answer.
struct Display_source {
    std::function<int()> display_count;
    std::function<int(int display)> mode_count;
    std::function<SDL_DisplayMode(int display, int index)> mode;
    std::function<void(App_window&, const Resolution&, bool fullscreen)> change_mode =
        change_window_mode;
    // The display the window is on (the one holding its centre).
    std::function<int(const App_window&)> window_display = display_of_window;
};

// The displays SDL knows.
const Display_source& sdl_displays();

// Appends, letter-spaced ("1 0 2 4 x 7 6 8"), the resolutions of 4:3 or wider that `display`
// lists, in its order, up to `max_modes` of them. A resolution listed again (at another refresh
// rate or pixel format) is offered once; a mode with no width or height is not offered, and a
// display that is not there offers none.
void list_display_modes(std::vector<std::string>& out, std::int32_t max_modes, int display,
                        const Display_source& source = sdl_displays());

// The text with one space between every two characters.
std::string letter_space(const std::string& text);

// Resizes the window to `resolution_text` ("1024x768") and makes it fullscreen or windowed
// (centred), recording both in `settings`; does nothing when both are already in effect. A mode
// the display refuses throws SDL_runtime_error after the window is given back the mode of the
// settings; should the display refuse that too, window and settings fall back to the default,
// 1024x768 windowed. Either way window and settings agree afterwards. A text that is no
// resolution throws std::invalid_argument before anything changes.
void apply_window_settings(App_window& window, Window_settings& settings,
                           const std::string& resolution_text, bool fullscreen,
                           const Display_source& source = sdl_displays());

} // namespace GE
