#include "engine/core/ticker.h"
#include "engine/widgets/button.h"
#include "engine/widgets/checkbox.h"
#include "engine/widgets/drop_down_list.h"
#include "engine/widgets/label.h"
#include "game/display_confirmation.h"
#include "game/main_menu.h"
#include "game/settings_menu.h"
#include "tests/support/game_data.h"

namespace {

using Support::Children;
using Support::wide, Support::usual, Support::small, Support::huge;

// A change of display mode asked about, played as a player meets it: the dialog over the screen,
// the clicks and keys beneath it, the seconds going by, F5, and what the settings file holds.
class Display_change : public Support::Settings_flow {
protected:
    void apply(int row)
    {
        choose(row);
        play.click(*app->settings_menu->apply_button);
    }
    // Lets `seconds` of the countdown pass, each a tick of its timer, and runs the game over them.
    void run_seconds(int seconds)
    {
        ASSERT_TRUE(app->display.countdown);
        run_over(app->display.countdown->tick(), seconds);
    }
    bool asked() { return app->children.back() == app->display.dialog; }
    std::string countdown() { return app->display.dialog->countdown->text; }
    // The mode in effect: the window's size as drawn, the settings' resolution and fullscreen.
    std::tuple<int, std::string, bool> mode()
    {
        app->render();
        return {app->window.width, app->settings->resolution->text, app->settings->fullscreen};
    }
};

TEST_F(Display_change, a_new_mode_holds_every_click_until_it_is_kept_or_reverted)
{
    open_settings({wide, usual, small});
    apply(2);
    ASSERT_TRUE(asked());
    EXPECT_EQ(std::tuple(mode(), saved(), countdown()),
              std::tuple(std::tuple(800, "800x600", false), "1024x768\r\n0", "Reverting in 15 s"));
    const auto screen = app->settings_menu;
    EXPECT_EQ(screen->resolution_list->selected_index, 2); // built for the new mode

    // Beneath the dialog nothing acts, and no second change starts while it asks.
    for (GE::Render_object* beneath : std::initializer_list<GE::Render_object*>{
             screen->back_button, screen->apply_button, screen->resolution_list,
             screen->fullscreen_checkbox})
        play.click(*beneath);
    EXPECT_FALSE(press(SDLK_RETURN, KMOD_LALT));
    EXPECT_EQ(app->children, (Children{screen, app->display.dialog}));
    EXPECT_EQ(
        std::tuple(screen->resolution_list->is_open, screen->fullscreen_checkbox->checked, saved()),
        std::tuple(false, false, "1024x768\r\n0"));

    // F5 reads the dialog again, at the same second, with the one countdown.
    run_seconds(5);
    EXPECT_EQ(countdown(), "Reverting in 10 s");
    const auto old_dialog = app->display.dialog;
    GE::Ticker* ticker = app->display.countdown.get();
    EXPECT_TRUE(press(SDLK_F5));
    EXPECT_NE(app->display.dialog, old_dialog);
    EXPECT_TRUE(asked());
    EXPECT_EQ(std::pair(countdown(), app->display.countdown.get()),
              std::pair(std::string("Reverting in 10 s"), ticker));
    run_seconds(1);
    EXPECT_EQ(countdown(), "Reverting in 9 s");
    play.click(*app->display.dialog->keep_button);
    EXPECT_EQ(std::tuple(app->children, mode(), saved()),
              std::tuple(Children{app->settings_menu}, std::tuple(800, "800x600", false),
                         "800x600\r\n0"));

    // Revert, Escape and the end of the countdown each go back to the mode kept, saving nothing;
    // a tick of a countdown gone before counts for nothing.
    SDL_Event stale_tick{};
    const std::vector<std::function<void()>> refusals{
        [&] {
            stale_tick = app->display.countdown->tick();
            play.click(*app->display.dialog->revert_button);
        },
        [&] {
            run_over(stale_tick, 3);
            EXPECT_EQ(countdown(), "Reverting in 15 s");
            press(SDLK_ESCAPE);
        },
        [&] {
            run_seconds(14);
            EXPECT_EQ(std::pair(countdown(), asked()),
                      std::pair(std::string("Reverting in 1 s"), true));
            run_seconds(1);
        }};
    for (const auto& refuse : refusals) {
        apply(1);
        ASSERT_TRUE(asked());
        EXPECT_EQ(mode(), std::tuple(1024, "1024x768", false));
        refuse();
        EXPECT_EQ(std::tuple(app->children, app->display.countdown.get(), mode(), saved()),
                  std::tuple(Children{app->settings_menu}, nullptr,
                             std::tuple(800, "800x600", false), "800x600\r\n0"));
        EXPECT_EQ(app->settings_menu->resolution_list->selected_index, 2);
    }

    // A mode the display refuses asks nothing: the screen says so.
    open_settings({huge, usual, small});
    play.click(*app->settings_menu->fullscreen_checkbox);
    apply(0);
    ASSERT_TRUE(app->settings_menu->message);
    EXPECT_EQ(std::tuple(app->children, app->settings_menu->message->text, mode(), saved()),
              std::tuple(Children{app->settings_menu}, "This display mode could not be applied.",
                         std::tuple(800, "800x600", false), "800x600\r\n0"));
}

TEST_F(Display_change, alt_enter_keeps_the_mode_kept_for_the_run_when_it_cannot_be_saved)
{
    open_settings({wide, usual, small});
    apply(2);
    play.click(*app->display.dialog->keep_button);
    play.click(*app->settings_menu->back_button);
    // A display whose one mode is 1024x768: fullscreen at 800x600 gets that size, and the game
    // draws for it, its dialog where the player sees it.
    const auto closest_mode = [](GE::App_window& window, const GE::Resolution& size, bool full) {
        GE::change_window_mode(window, size, false);
        if (full)
            SDL_SetWindowSize(window.handle, 1024, 768);
    };
    displays.change_mode = closest_mode;
    EXPECT_TRUE(press(SDLK_RETURN, KMOD_RALT));
    ASSERT_EQ(app->children, (Children{app->main_menu, app->display.dialog}));
    EXPECT_EQ(mode(), std::tuple(1024, "800x600", true));
    const auto keep = app->display.dialog->keep_button->get_screen_rect();
    EXPECT_TRUE(Support::region_is(app->render_context.renderer,
                                   {static_cast<int>(keep.x) + 1, static_cast<int>(keep.y) + 1,
                                    static_cast<int>(keep.w) - 2, static_cast<int>(keep.h) - 2},
                                   {90, 90, 90, 255}));
    EXPECT_FLOAT_EQ(keep.x, std::trunc(1000 * 1024 / 1440.0f));
    play.click(*app->display.dialog->revert_button); // both the size and the window come back
    EXPECT_EQ(
        std::tuple(app->children, mode(), saved()),
        std::tuple(Children{app->main_menu}, std::tuple(800, "800x600", false), "800x600\r\n0"));

    // Kept but not saved: the problem line says so on any screen, and the mode is still the one
    // a later revert goes back to.
    std::filesystem::remove_all("Documents");
    Support::write_file("Documents", "a file where the folder belongs");
    EXPECT_TRUE(press(SDLK_RETURN, KMOD_LALT));
    EXPECT_TRUE(press(SDLK_y));
    EXPECT_EQ(std::tuple(app->children, app->problems.label->text, mode()),
              std::tuple(Children{app->main_menu, app->problems.label},
                         "The settings could not be saved: Can not make a directory",
                         std::tuple(1024, "800x600", true)));
    EXPECT_TRUE(press(SDLK_RETURN, KMOD_LALT));
    EXPECT_EQ(mode(), std::tuple(800, "800x600", false));
    EXPECT_TRUE(press(SDLK_n));
    EXPECT_EQ(mode(), std::tuple(1024, "800x600", true));

    // A change the display refuses asks nothing either.
    displays.change_mode = [closest_mode](GE::App_window& window, const GE::Resolution& size,
                                          bool full) {
        if (!full)
            throw GE::SDL_runtime_error("No such mode");
        closest_mode(window, size, full);
    };
    EXPECT_TRUE(press(SDLK_RETURN, KMOD_LALT));
    EXPECT_EQ(std::tuple(app->children.back(), app->problems.label->text, mode()),
              std::tuple(app->problems.label,
                         "This display mode could not be applied: No such mode",
                         std::tuple(1024, "800x600", true)));
    EXPECT_EQ(app->display.countdown, nullptr);
}

TEST_F(Display_change, the_countdown_runs_in_the_idle_loop_and_ends_with_its_dialog)
{
    EXPECT_TRUE(press(SDLK_RETURN, KMOD_LALT));
    ASSERT_TRUE(asked());
    // Nothing queued: the loop sleeps, and the timer wakes it once a second.
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    const SDL_TimerID quit = SDL_AddTimer(
        2500,
        [](Uint32, void*) -> Uint32 {
            SDL_Event quit{};
            quit.type = SDL_QUIT;
            SDL_PushEvent(&quit);
            return 0;
        },
        nullptr);
    app->run();
    SDL_RemoveTimer(quit);
    EXPECT_GE(app->display.dialog->seconds_left, 13);
    EXPECT_LE(app->display.dialog->seconds_left, 14); // a loaded machine may wake late

    // Whatever takes the dialog away ends its countdown: no revert comes later, with nothing
    // shown.
    model.set_screen("main_menu");
    run_seconds(15);
    EXPECT_EQ(std::tuple(app->display.countdown.get(), app->children, mode()),
              std::tuple(nullptr, Children{app->main_menu}, std::tuple(1024, "1024x768", true)));
}

} // namespace
