#include "engine/core/app.h"
#include "engine/core/ticker.h"
#include "tests/support/fixtures.h"
#include "tools/driver/virtual_pad.h"

#include <SDL_timer.h>

TEST(Resolution, parses_width_by_height_or_one_side_of_a_square)
{
    const GE::Resolution usual("1024x768"), square("800");
    EXPECT_EQ(std::tuple(usual.width, usual.height, square.width, square.height),
              std::tuple(1024, 768, 800, 800));
    EXPECT_ANY_THROW(GE::Resolution("x768"));
}

namespace {

// Counts frames and quits at `quit_at_frame`; asks for a frame on mouse input, refuses the rest.
struct Counting_app : GE::App {
    Counting_app() : GE::App("test", 0xFFFFFFFF, Support::settings_of("64x48")) {}
    bool handle_sdl_event(const SDL_Event& event) override
    {
        const bool mouse = event.type >= SDL_MOUSEMOTION && event.type <= SDL_MOUSEBUTTONUP;
        if (mouse)
            request_frame();
        return mouse || GE::App::handle_sdl_event(event);
    }
    void render() override
    {
        if (++frames == quit_at_frame)
            Support::push_sdl_event(SDL_QUIT);
    }

    int frames = 0, quit_at_frame = 0;
};

// Queues `events` and runs the loop, failing one that a watchdog must end after two seconds.
void run(Counting_app& app, const std::vector<Uint32>& events)
{
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT); // such as the new window's own
    for (const Uint32 type : events)
        Support::push_sdl_event(type);
    const auto stop = [](Uint32, void*) -> Uint32 { return Support::push_sdl_event(SDL_QUIT), 0; };
    const SDL_TimerID watchdog = SDL_AddTimer(2000, stop, nullptr);
    const Uint64 start = SDL_GetTicks64();
    app.run();
    EXPECT_LT(SDL_GetTicks64() - start, 2000u) << "the loop did not end on its own";
    SDL_RemoveTimer(watchdog);
}

TEST(App, draws_one_frame_for_a_pass_that_asked_for_one_or_each_pass_when_told_to)
{
    Counting_app app;
    run(app, {SDL_KEYDOWN});
    EXPECT_EQ(app.frames, 0) << "a key press alone ends the loop undrawn";
    run(app, {SDL_MOUSEMOTION, SDL_MOUSEBUTTONDOWN, SDL_KEYDOWN});
    EXPECT_EQ(app.frames, 1) << "one frame for the pass, kept through the key press after it";
    run(app, {SDL_KEYDOWN});
    EXPECT_EQ(app.frames, 1) << "the frame reset the request";
    app.redraw_each_pass = true;
    app.quit_at_frame = 4;
    run(app, {});
    EXPECT_EQ(app.frames, 5) << "three frames with nothing queued, then the quitting pass";
    run(app, {SDL_MOUSEBUTTONUP, SDL_QUIT});
    EXPECT_EQ(app.frames, 6) << "a pass with a mouse event draws once, not twice";
}

TEST(App, reads_a_plugged_in_pad_while_it_sleeps_and_draws_nothing_for_the_wake_ups)
{
    // Plugged in before the application opens it.
    Tools::Virtual_pad pad;
    struct Pad_app : Counting_app {
        bool handle_sdl_event(const SDL_Event& event) override
        {
            seen.emplace_back(event.type, event.cbutton.which, event.cbutton.button);
            return false;
        }
        std::vector<std::tuple<Uint32, SDL_JoystickID, int>> seen;
    } app;
    // Pressed while the loop sleeps, from SDL's timer thread.
    const auto press_a = [](Uint32, void* pad) -> Uint32 {
        SDL_JoystickSetVirtualButton(SDL_JoystickFromInstanceID(static_cast<SDL_JoystickID>(
                                         reinterpret_cast<intptr_t>(pad))),
                                     SDL_CONTROLLER_BUTTON_A, SDL_PRESSED);
        return 0;
    };
    const SDL_TimerID timer =
        SDL_AddTimer(100, press_a, reinterpret_cast<void*>(static_cast<intptr_t>(pad.id())));
    run(app, {});
    SDL_RemoveTimer(timer);
    EXPECT_EQ(app.seen, (std::vector{std::tuple<Uint32, SDL_JoystickID, int>(
                            SDL_CONTROLLERBUTTONDOWN, pad.id(), SDL_CONTROLLER_BUTTON_A)}))
        << "the pad's device and joystick events are the engine's";
    EXPECT_EQ(app.frames, 0);
}

TEST(Ticker, queues_its_event_each_interval_while_it_lives)
{
    const auto ticks_within = [](Uint32 ms) {
        int ticks = 0;
        const Uint64 end = SDL_GetTicks64() + ms;
        SDL_Event event;
        while (SDL_GetTicks64() < end)
            if (SDL_WaitEventTimeout(&event, 10) == 1 && event.type == GE::Ticker::event_type())
                ++ticks;
        return ticks;
    };
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    {
        const GE::Ticker ticker(20);
        EXPECT_GE(ticks_within(300), 3);
    }
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    EXPECT_EQ(ticks_within(100), 0);
}

TEST(Render_context, clears_to_its_colour_with_a_2_pixel_scanline_every_7_rows)
{
    GE::App app("test", 0xFF0000FF, Support::settings_of("64x48"));
    app.render_context.scanlines = true;
    app.render_context.clear_frame();
    for (int y = 0; y < 48; ++y)
        EXPECT_TRUE(Support::region_is(app.render_context.renderer, {0, y, 64, 1},
                                       y % 7 < 2 ? SDL_Color{20, 20, 20, 255} : Support::red))
            << "y " << y;
}

} // namespace
