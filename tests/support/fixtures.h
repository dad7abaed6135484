#pragma once

#include "engine/core/app.h"
#include "engine/core/display_modes.h"
#include "engine/core/error_text.h"
#include "engine/core/event_names.h"
#include "engine/core/mouse_event.h"
#include "engine/core/render_object_container.h"
#include "engine/core/resolution.h"
#include "engine/core/sdl_runtime_error.h"
#include "engine/core/window_settings.h"
#include "tests/support/system.h"

#include <SDL_events.h>
#include <SDL_image.h>
#include <SDL_render.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

inline std::ostream& operator<<(std::ostream& out, const SDL_Color& colour)
{
    return out << "rgba(" << int(colour.r) << ", " << int(colour.g) << ", " << int(colour.b) << ", "
               << int(colour.a) << ')';
}

inline bool operator==(const SDL_Color& a, const SDL_Color& b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
}

// What the tests share: files and settings they make, a scratch folder to keep the files in,
// pixels read back, input delivered, objects to build trees of, a window to draw in, and the
// standard headers their tables use.
namespace Support {

using Children = std::vector<std::shared_ptr<GE::Render_object>>;

// The TrueType font from Debian's fonts-open-sans package.
inline const std::string font_file = "/usr/share/fonts/truetype/open-sans/OpenSans-Semibold.ttf";

inline constexpr SDL_Color black{0, 0, 0, 255};
inline constexpr SDL_Color white{255, 255, 255, 255};
inline constexpr SDL_Color red{255, 0, 0, 255};
inline constexpr SDL_Color green{0, 255, 0, 255};
inline constexpr SDL_Color blue{0, 0, 255, 255};
inline constexpr SDL_Color yellow{255, 255, 0, 255};

inline void write_file(const std::string& file, const std::string& content)
{
    std::ofstream out(file, std::ios::binary);
    out << content;
    if (!out)
        throw std::runtime_error("cannot write " + file);
}

// What a file holds, or "nothing" when there is none.
inline std::string read_file(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return in ? (std::ostringstream() << in.rdbuf()).str() : "nothing";
}

// Writes a PNG of one colour.
inline void write_png(const std::string& file, int width, int height, SDL_Color colour)
{
    const std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> surface(
        SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGBA32),
        SDL_FreeSurface);
    if (!surface)
        throw GE::SDL_runtime_error::from_sdl();
    SDL_FillRect(surface.get(), nullptr,
                 SDL_MapRGBA(surface->format, colour.r, colour.g, colour.b, colour.a));
    if (IMG_SavePNG(surface.get(), file.c_str()) != 0)
        throw GE::SDL_runtime_error::from_sdl();
}

// Writes an Ogg Vorbis file: one second of a sine tone, which the build made with sox.
inline void write_sound(const std::string& file)
{
    std::filesystem::remove(file); // MinGW's copy_file refuses to overwrite
    std::filesystem::copy_file(VOSSMERE_TEST_TONE, file);
}

// The text of the error that `work` throws, with those nested in it; empty when it throws none.
template <typename Work>
std::string error_of(Work&& work)
{
    try {
        work();
    } catch (const std::exception& error) {
        return GE::error_text(error);
    }
    return "";
}

// Window settings of the given resolution text, such as "1024x768".
inline GE::Window_settings settings_of(const std::string& resolution, bool fullscreen = false)
{
    GE::Window_settings settings;
    settings.resolution = std::make_unique<GE::Resolution>(resolution);
    settings.fullscreen = fullscreen;
    return settings;
}

// Displays that offer the given modes, each display's in SDL's order, the window on the display
// `window_on`.
inline GE::Display_source displays_of(const std::vector<std::vector<SDL_DisplayMode>>& displays,
                                      int window_on = 0)
{
    GE::Display_source source{
        [displays] { return static_cast<int>(displays.size()); },
        [displays](int display) { return static_cast<int>(displays.at(display).size()); },
        [displays](int display, int index) { return displays.at(display).at(index); }};
    source.window_display = [window_on](const GE::App_window&) { return window_on; };
    return source;
}

// A fresh temporary folder that is the working directory while the object lives.
struct Scratch_dir {
    Scratch_dir() { std::filesystem::current_path(path); }
    ~Scratch_dir()
    {
        std::error_code ignored;
        std::filesystem::current_path(previous, ignored);
        std::filesystem::remove_all(path, ignored);
    }
    Scratch_dir(const Scratch_dir&) = delete;

    const std::filesystem::path previous = std::filesystem::current_path();
    const std::filesystem::path path = make_temporary_folder("vossmere-test-");
};

// The pixels of `area` of the renderer's current target, row by row.
inline std::vector<SDL_Color> read_pixels(SDL_Renderer* renderer, SDL_Rect area)
{
    // SDL_Color is four bytes in RGBA order, the layout of SDL_PIXELFORMAT_RGBA32 in memory.
    std::vector<SDL_Color> pixels(static_cast<std::size_t>(area.w * area.h));
    if (SDL_RenderReadPixels(renderer, &area, SDL_PIXELFORMAT_RGBA32, pixels.data(), area.w * 4))
        throw GE::SDL_runtime_error::from_sdl();
    return pixels;
}

// Whether every pixel of `area` has `colour`; names the first one that differs.
inline testing::AssertionResult region_is(SDL_Renderer* renderer, SDL_Rect area, SDL_Color colour)
{
    const auto pixels = read_pixels(renderer, area);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        if (!(pixels[i] == colour))
            return testing::AssertionFailure() << "pixel (" << area.x + static_cast<int>(i) % area.w
                                               << ", " << area.y + static_cast<int>(i) / area.w
                                               << ") is " << pixels[i] << ", not " << colour;
    return testing::AssertionSuccess();
}

// Delivers a mouse event named `name` at drawing-area pixel (x, y) into `target`; answers
// whether it was still propagating afterwards.
inline bool send_mouse(GE::Render_object& target, const std::string& name, float x, float y)
{
    GE::Mouse_event event(name, x, y);
    target.dispatch_event(event);
    return event.propagating;
}

// Queues an SDL event of `type`; mouse button events carry `detail` as their button, window
// events as their kind.
inline void push_sdl_event(Uint32 type, Uint8 detail = SDL_BUTTON_LEFT)
{
    SDL_Event event{};
    event.type = type;
    if (type == SDL_MOUSEBUTTONDOWN || type == SDL_MOUSEBUTTONUP)
        event.button.button = detail;
    if (type == SDL_WINDOWEVENT)
        event.window.event = detail;
    ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
}

// A leaf that draws nothing.
struct Box : GE::Render_object {
    using GE::Render_object::Render_object;
    void draw(float, float) override {}
};

// A leaf that fills its rectangle with one colour.
struct Filled_box : GE::Render_object {
    Filled_box(GE::Render_context& context, SDL_FRect box, std::uint32_t colour)
        : GE::Render_object(box.x, box.y, box.w, box.h), context(&context), colour(colour)
    {
    }
    void draw(float origin_x, float origin_y) override
    {
        context->fill_rect({aligned_x(origin_x), aligned_y(origin_y), get_width(), get_height()},
                           colour);
    }

    GE::Render_context* context; // not owned
    std::uint32_t colour;
};

// A root of fixed pixel size, as the application and the screens report theirs.
struct Fixed_root : GE::Render_object_container {
    Fixed_root(float width, float height) : pixel_width(width), pixel_height(height) {}
    float get_width() override { return pixel_width; }
    float get_height() override { return pixel_height; }

    float pixel_width, pixel_height;
};

// Records `tag` into `log` whenever an event named `name` reaches `target`. Answers a copy of the
// listener: every listener made here has one callable type, so it removes them all.
inline GE::Event_listener record(GE::Event_target& target, const std::string& name, std::string tag,
                                 std::vector<std::string>& log)
{
    GE::Event_listener listener = [&log, tag](GE::Event&) { log.push_back(tag); };
    target.add_event_listener(name, listener);
    return listener;
}

// A scratch folder that is also the user's folder, where the game keeps its settings file.
class Home_test : public testing::Test {
protected:
    Home_test() { set_environment("USERPROFILE", scratch.path.string().c_str()); }
    ~Home_test() override
    {
        // Back to the run's own scratch user folder, which the test main set.
        set_environment("USERPROFILE", run_home.c_str());
        set_environment("HOME", run_home.c_str());
    }

    // What the settings file holds, or "nothing" when there is none.
    std::string saved() const { return read_file(settings_file); }

    const std::string run_home = std::getenv("HOME");
    Scratch_dir scratch;
    const std::filesystem::path folder = scratch.path / "Documents" / "My Games" / "Vossmere";
    const std::filesystem::path settings_file = folder / "settings.data";
};

// A scratch folder and a bare application to draw in: a window and renderer, a root whose scale
// is set by hand (1 to begin with), and pixels read back after a draw.
class Headless_test : public testing::Test {
protected:
    explicit Headless_test(const std::string& resolution = "640x480")
        : app(std::make_shared<GE::App>("test", 0xFFFFFFFF, settings_of(resolution)))
    {
    }

    GE::Render_context* context() { return &app->render_context; }
    SDL_Renderer* renderer() { return app->render_context.renderer; }
    void set_scale(float scale) { app->scale_x = app->scale_y = scale; }
    // Clears the window to white and draws the tree with the window's corner as origin.
    void draw()
    {
        app->render_context.clear_frame();
        app->draw(0, 0);
    }
    testing::AssertionResult region_is(SDL_Rect area, SDL_Color colour)
    {
        return Support::region_is(renderer(), area, colour);
    }

    Scratch_dir scratch;
    std::shared_ptr<GE::App> app;
};

} // namespace Support
