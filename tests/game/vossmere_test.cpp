#include "engine/core/event_names.h"
#include "engine/core/game_model.h"
#include "engine/core/mouse_event.h"
#include "game/vossmere.h"
#include "tests/support/events.h"
#include "tests/support/fixtures.h"
#include "tests/support/pixels.h"
#include "tests/support/test_objects.h"

#include <SDL_events.h>
#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace {

TEST(Vossmere, letterboxes_the_canvas_and_measures_the_pointer_from_its_left_edge)
{
    // Resolution, canvas width, scale, black columns on each side (a canvas narrower than 4:3 is
    // cut on both sides instead) and the x of a mouse event at window x 300.
    const std::tuple<const char*, float, float, int, float> cases[] = {
        {"1920x1080", 1440.0f, 1.0f, 240, 60.0f},
        {"1024x768", 1024.0f, 0.71111113f, 0, 300.0f},
        {"1280x720", 960.0f, 0.6666667f, 160, 140.0f},
        {"1280x1024", 1365.3334f, 0.94814817f, 0, 342.66669f},
    };
    for (const auto& [resolution, canvas_width, scale, bar, pointer_at_300] : cases) {
        SCOPED_TRACE(resolution);
        GE::Window_settings settings = Support::settings_of(resolution);
        GE::Game_model model;
        auto app = std::make_shared<Game::Vossmere>("Vossmere test", 0xFFFFFFFF, settings, model);
        auto catcher = std::make_shared<Support::Box>(0, 0, 1440, 1080);
        float caught_x = -1;
        catcher->add_event_listener(GE::mouse_motion_event, [&caught_x](GE::Event& event) {
            caught_x = dynamic_cast<GE::Mouse_event&>(event).x;
        });
        app->add_child(catcher);
        app->render();
        EXPECT_FLOAT_EQ(app->get_width(), canvas_width);
        EXPECT_FLOAT_EQ(app->get_scale_x(), scale);
        EXPECT_FLOAT_EQ(app->get_scale_y(), scale);

        SDL_Renderer* renderer = app->render_context.renderer;
        const int canvas_end = app->window.width - bar;
        EXPECT_TRUE(Support::region_is(renderer, {0, 300, bar, 1}, Support::black));
        EXPECT_TRUE(Support::region_is(renderer, {bar, 300, canvas_end - bar, 1}, Support::white));

        app->dispatch_mouse_event(SDL_MOUSEMOTION, 300, 10);
        EXPECT_FLOAT_EQ(caught_x, pointer_at_300);
    }
}

TEST(Vossmere, draws_a_frame_after_a_pass_with_a_mouse_event_and_none_for_a_key)
{
    GE::Window_settings settings = Support::settings_of("320x240");
    GE::Game_model model;
    auto app = std::make_shared<Game::Vossmere>("Vossmere test", 0xFFFFFFFF, settings, model);
    for (const auto& [event, drawn] :
         {std::pair{SDL_KEYDOWN, Support::red}, std::pair{SDL_MOUSEMOTION, Support::white}}) {
        app->render_context.fill_rect({0, 0, 320, 240}, 0xFF0000FF);
        Support::push_sdl_event(event);
        Support::push_sdl_event(SDL_QUIT);
        app->run();
        EXPECT_EQ(Support::read_pixel(app->render_context.renderer, 160, 120), drawn) << event;
    }
}

} // namespace
