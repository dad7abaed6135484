#include "engine/core/display_modes.h"
#include "tests/support/fixtures.h"

namespace {

using Strings = std::vector<std::string>;
using Displays = std::vector<std::vector<SDL_DisplayMode>>;

SDL_DisplayMode mode(int w, int h, int refresh_rate = 60)
{
    return {0, w, h, refresh_rate, nullptr};
}

TEST(Display_modes, offers_each_resolution_of_four_by_three_or_wider_of_one_display_once)
{
    const auto big = mode(1920, 1080);
    for (const auto& [limit, display, displays, offered] :
         std::vector<std::tuple<int, int, Displays, Strings>>{
             {10,
              0,
              {{big, mode(1680, 1050), mode(1280, 1024), mode(1024, 768)}},
              {"1 9 2 0 x 1 0 8 0", "1 6 8 0 x 1 0 5 0", "1 0 2 4 x 7 6 8"}},
             {10, 0, {{mode(800, 600), mode(600, 800), mode(500, 500)}}, {"8 0 0 x 6 0 0"}},
             // Only the display asked for, whatever the others offer.
             {10, 2, {{big}, {}, {mode(800, 600), big}}, {"8 0 0 x 6 0 0", "1 9 2 0 x 1 0 8 0"}},
             {10, 1, {{big}, {}}, {}},
             {10, 3, {{big}}, {}},
             {10, -1, {{big}}, {}},
             // The limit counts resolutions offered, not the modes listed for each.
             {2,
              0,
              {{big, mode(1920, 1080, 75), mode(1920, 1080, 144), mode(1680, 1050),
                mode(1680, 1050, 75), mode(800, 600)}},
              {"1 9 2 0 x 1 0 8 0", "1 6 8 0 x 1 0 5 0"}},
             {10, 0, {{mode(0, 0), mode(800, 0), mode(0, 600), mode(-800, -600)}}, {}},
         }) {
        Strings out{"kept"};
        GE::list_display_modes(out, limit, display, Support::displays_of(displays));
        EXPECT_EQ(out.front(), "kept"); // appended to
        EXPECT_EQ(Strings(out.begin() + 1, out.end()), offered) << "display " << display;
    }
}

TEST(Display_modes, applying_resizes_centres_a_window_and_undoes_a_refused_mode)
{
    auto settings = Support::settings_of("640x480");
    GE::App app("test", 0xFFFFFFFF, settings);
    const auto* before = settings.resolution.get();
    const auto position = [&app] {
        int x = 0, y = 0;
        SDL_GetWindowPosition(app.window.handle, &x, &y);
        return std::pair(x, y);
    };
    GE::apply_window_settings(app.window, settings, "640x480", false); // nothing to do
    EXPECT_EQ(settings.resolution.get(), before);
    GE::apply_window_settings(app.window, settings, "800x600", false);
    EXPECT_EQ(std::tuple(app.window.width, app.window.height, settings.resolution->text),
              std::tuple(800, 600, std::string("800x600")));
    EXPECT_EQ(position(), std::pair(112, 84)); // centred on the 1024x768 display
    SDL_SetWindowPosition(app.window.handle, 5, 5);
    GE::apply_window_settings(app.window, settings, "800x600", true);
    EXPECT_TRUE(settings.fullscreen);
    EXPECT_TRUE(SDL_GetWindowFlags(app.window.handle) & SDL_WINDOW_FULLSCREEN);

    EXPECT_THROW(GE::apply_window_settings(app.window, settings, "4000x3000", true),
                 GE::SDL_runtime_error);
    EXPECT_EQ(std::tuple(app.window.width, settings.resolution->text, settings.fullscreen),
              std::tuple(800, std::string("800x600"), true));
    EXPECT_THROW(GE::apply_window_settings(app.window, settings, "", false), std::invalid_argument);

    // The display now refuses every fullscreen mode, the one in effect too: back to the default.
    auto displays = Support::displays_of({});
    displays.change_mode = [](GE::App_window& window, const GE::Resolution& size, bool full) {
        if (full)
            throw GE::SDL_runtime_error(size.text + " refused");
        GE::change_window_mode(window, size, full);
    };
    EXPECT_EQ(Support::error_of([&] {
                  GE::apply_window_settings(app.window, settings, "640x480", true, displays);
              }),
              "640x480 refused");
    EXPECT_EQ(std::tuple(app.window.width, app.window.height, settings.resolution->text,
                         settings.fullscreen,
                         SDL_GetWindowFlags(app.window.handle) & SDL_WINDOW_FULLSCREEN),
              std::tuple(1024, 768, std::string("1024x768"), false, 0u));
}

} // namespace
