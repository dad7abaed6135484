#include "engine/core/display_modes.h"

#include "engine/core/app_window.h"
#include "engine/core/sdl_runtime_error.h"
#include "engine/core/window_settings.h"

#include <algorithm>
#include <array>
#include <memory>
#include <utility>

namespace GE {

namespace {

// Just below 4/3 in single precision, so that 4:3 itself is offered and 5:4 is not.
constexpr float narrowest_aspect = 1.3323333f;

#ifndef __EMSCRIPTEN__
int checked_count(int count)
{
    if (count < 0)
        throw SDL_runtime_error::from_sdl();
    return count;
}
#endif

// Gives the window the mode of `settings`; false when the display refuses it.
bool try_mode(App_window& window, const Window_settings& settings, const Display_source& source)
{
    try {
        source.change_mode(window, *settings.resolution, settings.fullscreen);
        return true;
    } catch (const SDL_runtime_error&) {
        return false;
    }
}

// Gives the window back the mode of `settings`, or, when the display refuses even that, the
// default windowed mode, which `settings` then records.
void restore(App_window& window, Window_settings& settings, const Display_source& source)
{
    if (try_mode(window, settings, source))
        return;
    // Only the mode goes back to its default; the player's other choices stay.
    const Window_settings defaults;
    settings.resolution = std::make_unique<Resolution>(defaults.resolution->text);
    settings.fullscreen = defaults.fullscreen;
    // Should this be refused too, the window has the default size all the same.
    try_mode(window, settings, source);
}

} // namespace

int display_of_window(const App_window& window)
{
    return std::max(SDL_GetWindowDisplayIndex(window.handle), 0);
}

void change_window_mode(App_window& window, const Resolution& resolution, bool fullscreen)
{
    // Fullscreen fills the display the window is on (SDL takes the one holding its centre), and
    // a window back from fullscreen stays on that display.
    const int display = display_of_window(window);
    SDL_DisplayMode mode{};
    SDL_GetWindowDisplayMode(window.handle, &mode);
    mode.w = resolution.width;
    mode.h = resolution.height;
    // The mode only matters in fullscreen, where the display must offer one of about that size.
    SDL_DisplayMode closest{};
    if (fullscreen && SDL_GetClosestDisplayMode(display, &mode, &closest) == nullptr)
        throw SDL_runtime_error::from_sdl();
    SDL_SetWindowDisplayMode(window.handle, &mode);
    if (fullscreen) {
        window.set_size(resolution.width, resolution.height);
        check_sdl(SDL_SetWindowFullscreen(window.handle, SDL_WINDOW_FULLSCREEN));
        return;
    }
    // Sized once windowed: leaving fullscreen may give the window the size it had before.
    check_sdl(SDL_SetWindowFullscreen(window.handle, 0));
    window.set_size(resolution.width, resolution.height);
    SDL_SetWindowPosition(window.handle, SDL_WINDOWPOS_CENTERED_DISPLAY(display),
                          SDL_WINDOWPOS_CENTERED_DISPLAY(display));
}

#ifdef __EMSCRIPTEN__

namespace {

// The sizes a page offers, largest first as SDL lists modes.
constexpr std::array<std::pair<int, int>, 7> canvas_sizes{
    {{1920, 1080}, {1600, 900}, {1440, 1080}, {1280, 960}, {1280, 720}, {1024, 768}, {800, 600}}};

} // namespace

// A page has no display modes: the game draws its canvas at the size chosen, which the page shows
// scaled to fit, and fullscreen is the browser's, which keeps that size and shape.
const Display_source& sdl_displays()
{
    static const Display_source source{
        [] { return 1; }, [](int) { return static_cast<int>(canvas_sizes.size()); },
        [](int, int index) {
            SDL_DisplayMode mode{};
            mode.w = canvas_sizes.at(static_cast<std::size_t>(index)).first;
            mode.h = canvas_sizes.at(static_cast<std::size_t>(index)).second;
            return mode;
        },
        [](App_window& window, const Resolution& resolution, bool fullscreen) {
            window.set_size(resolution.width, resolution.height);
            check_sdl(
                SDL_SetWindowFullscreen(window.handle, fullscreen ? SDL_WINDOW_FULLSCREEN : 0));
        }};
    return source;
}

#else

const Display_source& sdl_displays()
{
    static const Display_source source{
        [] { return checked_count(SDL_GetNumVideoDisplays()); },
        [](int display) { return checked_count(SDL_GetNumDisplayModes(display)); },
        [](int display, int index) {
            SDL_DisplayMode mode{};
            check_sdl(SDL_GetDisplayMode(display, index, &mode));
            return mode;
        }};
    return source;
}

#endif

void list_display_modes(std::vector<std::string>& out, std::int32_t max_modes, int display,
                        const Display_source& source)
{
    if (display < 0 || display >= source.display_count())
        return;
    std::vector<std::pair<int, int>> offered;
    const int modes = source.mode_count(display);
    for (int index = 0; index < modes && std::ssize(offered) < max_modes; ++index) {
        const SDL_DisplayMode mode = source.mode(display, index);
        const std::pair size{mode.w, mode.h};
        if (mode.w <= 0 || mode.h <= 0 ||
            static_cast<float>(mode.w) / static_cast<float>(mode.h) <= narrowest_aspect ||
            std::find(offered.begin(), offered.end(), size) != offered.end())
            continue;
        offered.push_back(size);
        out.push_back(letter_space(std::to_string(mode.w) + "x" + std::to_string(mode.h)));
    }
}

std::string letter_space(const std::string& text)
{
    std::string spaced;
    for (const char character : text) {
        if (!spaced.empty())
            spaced += ' ';
        spaced += character;
    }
    return spaced;
}

void apply_window_settings(App_window& window, Window_settings& settings,
                           const std::string& resolution_text, bool fullscreen,
                           const Display_source& source)
{
    if (resolution_text == settings.resolution->text && fullscreen == settings.fullscreen)
        return;
    auto chosen = std::make_unique<Resolution>(resolution_text);
    try {
        source.change_mode(window, *chosen, fullscreen);
    } catch (const SDL_runtime_error&) {
        restore(window, settings, source);
        throw;
    }
    settings.resolution = std::move(chosen);
    settings.fullscreen = fullscreen;
}

} // namespace GE
