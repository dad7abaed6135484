#include "engine/core/event_names.h"
#include "engine/core/game_model.h"
#include "engine/core/mouse_event.h"
#include "engine/core/resolution.h"
#include "engine/core/window_settings.h"
#include "game/vossmere.h"
#include "tests/support/pixels.h"
#include "tests/support/test_objects.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// Counts the frames it draws.
class Counting_vossmere : public Game::Vossmere {
public:
    using Game::Vossmere::Vossmere;
    void render() override
    {
        ++frames;
        Game::Vossmere::render();
    }
    int frames = 0;
};

class Vossmere_test : public testing::Test {
protected:
    void SetUp() override { SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT); }
    void TearDown() override { SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT); }

    std::shared_ptr<Counting_vossmere> open(const char* resolution)
    {
        settings.resolution = std::make_unique<GE::Resolution>(resolution);
        return std::make_shared<Counting_vossmere>("Vossmere test", 0xFFFFFFFF, settings, model);
    }

    // A full-canvas target that records the x and name of every mouse event reaching it.
    std::shared_ptr<Support::Box> add_catcher(GE::App& app)
    {
        auto catcher = std::make_shared<Support::Box>(0, 0, 1440, 1080);
        for (const auto& name :
             {GE::mouse_motion_event, GE::mouse_down_event, GE::mouse_button_up_event})
            catcher->add_event_listener(name, [this](GE::Event& event) {
                const auto& mouse = dynamic_cast<GE::Mouse_event&>(event);
                caught.push_back(mouse.name);
                caught_x.push_back(mouse.x);
            });
        app.add_child(catcher);
        return catcher;
    }

    static void point_at(GE::App& app, int x, int y)
    {
        SDL_WarpMouseInWindow(app.window.handle, x, y);
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT); // warping may queue a motion of its own
    }

    static void push(Uint32 type, Uint8 button = SDL_BUTTON_LEFT)
    {
        SDL_Event event{};
        event.type = type;
        if (type == SDL_MOUSEBUTTONDOWN || type == SDL_MOUSEBUTTONUP)
            event.button.button = button;
        ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
    }

    GE::Window_settings settings;
    GE::Game_model model;
    std::vector<std::string> caught;
    std::vector<float> caught_x;
};

struct Letterbox_case {
    const char* resolution;
    float canvas_width;
    float left;
};

TEST_F(Vossmere_test, letterboxes_the_canvas_and_measures_the_pointer_from_its_left_edge)
{
    const Letterbox_case cases[] = {
        {"1920x1080", 1440.0f, 240.0f},
        {"1024x768", 1024.0f, 0.0f},
        {"1280x720", 960.0f, 160.0f},
        {"1280x1024", 1365.3334f, -42.666687f},
    };
    for (const auto& expected : cases) {
        SCOPED_TRACE(expected.resolution);
        caught_x.clear();
        auto app = open(expected.resolution);
        add_catcher(*app);
        // A red marker one tenth of the canvas wide at its top-left corner.
        app->add_child(
            std::make_shared<Support::Filled_box>(app->render_context, 0, 0, 144, 108, 0xFF0000FF));
        app->render();
        EXPECT_FLOAT_EQ(app->get_width(), expected.canvas_width);
        EXPECT_FLOAT_EQ(app->get_scale_x(), expected.canvas_width / 1440.0f);
        EXPECT_FLOAT_EQ(app->get_scale_y(), expected.canvas_width / 1440.0f);

        SDL_Renderer* renderer = app->render_context.renderer;
        const int width = app->window.width;
        const int height = app->window.height;
        const int left = static_cast<int>(expected.left);
        const int right = static_cast<int>(expected.left + expected.canvas_width);
        if (left > 0) {
            EXPECT_EQ(Support::read_pixel(renderer, left - 1, height / 2), Support::black);
            EXPECT_EQ(Support::read_pixel(renderer, right, height / 2), Support::black);
        }
        EXPECT_EQ(Support::read_pixel(renderer, std::max(left, 0), height - 1), Support::white);
        EXPECT_EQ(Support::read_pixel(renderer, std::min(right, width) - 1, height / 2),
                  Support::white);
        const SDL_Color red{255, 0, 0, 255};
        const int marker_right = static_cast<int>(expected.left + expected.canvas_width / 10);
        EXPECT_EQ(Support::read_pixel(renderer, marker_right - 1, 1), red);
        EXPECT_EQ(Support::read_pixel(renderer, marker_right + 1, 1), Support::white);

        app->dispatch_mouse_event(SDL_MOUSEMOTION, std::max(expected.left, 0.0f), 10);
        ASSERT_EQ(caught_x.size(), 1u);
        EXPECT_FLOAT_EQ(caught_x[0], std::max(expected.left, 0.0f) - expected.left);
    }
}

TEST_F(Vossmere_test, delivers_every_event_of_a_pass_and_draws_one_frame_after_it)
{
    auto app = open("1920x1080");
    add_catcher(*app);
    app->render();
    app->frames = 0;
    point_at(*app, 300, 200);
    push(SDL_MOUSEMOTION);
    push(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT);
    push(SDL_QUIT);
    push(SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE);
    app->run();
    // The release after the quit is still delivered, then the loop ends with one frame.
    EXPECT_EQ(caught, (std::vector<std::string>{"mouse_motion", "mouse_down", "mouse_button_up"}));
    for (float x : caught_x)
        EXPECT_FLOAT_EQ(x, 60.0f);
    EXPECT_EQ(app->frames, 1);
}

TEST_F(Vossmere_test, a_key_press_draws_nothing)
{
    auto app = open("1024x768");
    add_catcher(*app);
    push(SDL_KEYDOWN);
    push(SDL_QUIT);
    app->run();
    EXPECT_TRUE(caught.empty());
    EXPECT_EQ(app->frames, 0);
}

TEST_F(Vossmere_test, an_exit_request_ends_the_loop_after_the_pass)
{
    auto app = open("1024x768");
    auto catcher = add_catcher(*app);
    catcher->add_event_listener(GE::mouse_down_event,
                                [&app](GE::Event&) { app->exit_requested = true; });
    point_at(*app, 10, 10);
    push(SDL_MOUSEBUTTONDOWN);
    push(SDL_MOUSEMOTION);
    app->run();
    EXPECT_EQ(caught, (std::vector<std::string>{"mouse_down", "mouse_motion"}));
    EXPECT_EQ(app->frames, 1);
}

} // namespace
