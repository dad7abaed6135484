#include "engine/core/app.h"
#include "engine/core/resolution.h"
#include "engine/core/sdl_runtime_error.h"
#include "engine/core/window_settings.h"
#include "tests/support/pixels.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace {

GE::Window_settings settings_of(const char* resolution)
{
    GE::Window_settings settings;
    settings.resolution = std::make_unique<GE::Resolution>(resolution);
    return settings;
}

void push(Uint32 type)
{
    SDL_Event event{};
    event.type = type;
    ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
}

TEST(Resolution, parses_width_and_height_from_text)
{
    const GE::Resolution usual("1024x768");
    EXPECT_EQ(usual.text, "1024x768");
    EXPECT_EQ(usual.width, 1024);
    EXPECT_EQ(usual.height, 768);
    const GE::Resolution square("800");
    EXPECT_EQ(square.width, 800);
    EXPECT_EQ(square.height, 800);
    EXPECT_THROW(GE::Resolution("x768"), std::invalid_argument);
    EXPECT_THROW(GE::Resolution("1024x"), std::invalid_argument);
    EXPECT_THROW(GE::Resolution("99999999999x768"), std::out_of_range);
    EXPECT_EQ(GE::window_settings.resolution->text, "1024x768");
    EXPECT_FALSE(GE::window_settings.fullscreen);
}

TEST(App, a_plain_app_ends_on_its_first_event_that_is_not_quit)
{
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    auto app = std::make_shared<GE::App>("test", 0xFFFFFFFF, settings_of("320x240"));
    EXPECT_FLOAT_EQ(app->get_width(), 320.0f); // the window's width before any frame
    push(SDL_KEYDOWN);
    app->run();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
}

TEST(App, a_renderer_that_cannot_be_created_is_reported_at_once)
{
    SDL_SetHintWithPriority(SDL_HINT_RENDER_DRIVER, "no_such_driver", SDL_HINT_OVERRIDE);
    try {
        GE::App app("test", 0xFFFFFFFF, settings_of("320x240"));
        ADD_FAILURE() << "the app was built without a renderer";
    } catch (const GE::SDL_runtime_error& error) {
        EXPECT_STREQ(error.what(), SDL_GetError());
        EXPECT_STRNE(error.what(), "");
    }
    SDL_ResetHint(SDL_HINT_RENDER_DRIVER);
}

TEST(Render_context, clears_fills_and_paints_scanlines)
{
    GE::App app("test", 0xFF0000FF, settings_of("64x48"));
    auto& context = app.render_context;
    context.clear_frame();
    EXPECT_EQ(Support::read_pixel(context.renderer, 5, 5), (SDL_Color{255, 0, 0, 255}));

    // Red in the lowest byte, then green, blue, alpha.
    context.fill_rect({10, 10, 4, 4}, 0xFF00FF00);
    EXPECT_EQ(Support::read_pixel(context.renderer, 11, 11), (SDL_Color{0, 255, 0, 255}));
    EXPECT_EQ(Support::read_pixel(context.renderer, 14, 11), (SDL_Color{255, 0, 0, 255}));

    context.scanlines = true;
    context.clear_frame();
    for (int y : {0, 1, 7, 8, 42, 43})
        EXPECT_EQ(Support::read_pixel(context.renderer, 30, y), (SDL_Color{20, 20, 20, 255}))
            << "y " << y;
    for (int y : {2, 6, 9, 41, 44})
        EXPECT_EQ(Support::read_pixel(context.renderer, 30, y), (SDL_Color{255, 0, 0, 255}))
            << "y " << y;
}

} // namespace
