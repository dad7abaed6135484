#include "engine/core/ticker.h"
#include "engine/widgets/button.h"
#include "engine/widgets/checkbox.h"
#include "engine/widgets/drop_down_list.h"
#include "engine/widgets/label.h"
#include "game/display_confirmation.h"
#include "game/main_menu.h"
#include "game/settings_menu.h"
#include "tests/support/game_data.h"

#include <SDL_mixer.h>

namespace {

using Modes = std::vector<SDL_DisplayMode>;
using Support::Children;

const SDL_DisplayMode wide{0, 1280, 720, 60, nullptr}, usual{0, 1024, 768, 60, nullptr},
    small{0, 800, 600, 60, nullptr}, huge{0, 4000, 3000, 60, nullptr};

// The game with its settings screen opened from the main menu, listing the given modes.
class Settings_flow : public Support::Game_flow {
protected:
    void open_settings(const Modes& modes)
    {
        displays = Support::displays_of({modes});
        app->displays = &displays;
        play.click(*app->main_menu->settings_button);
    }

    // Opens the list and picks the entry `row`.
    void choose(int row)
    {
        auto& list = *app->settings_menu->resolution_list;
        play.click(list);
        const auto box = list.get_screen_rect();
        const float step = box.h - static_cast<float>(list.line_thickness);
        play.click_at(box.x + box.w / 2, box.y + static_cast<float>(row + 1) * step + step / 2);
    }

    GE::Display_source displays;
};

TEST_F(Settings_flow, shows_the_current_choice_and_back_forgets_any_change)
{
    open_settings({wide, usual, small});
    const auto first = app->settings_menu;
    EXPECT_EQ(first->resolution_list->items.at(1).at(2)->color.r, 200);
    EXPECT_EQ(first->resolution_list->selected_index, 1);
    Mix_HaltChannel(-1);
    choose(2); // opening the list plays "switch" twice, picking a row twice more
    EXPECT_EQ(Mix_Playing(-1), 4);
    play.click(*first->fullscreen_checkbox);
    EXPECT_EQ(
        std::pair(first->resolution_list->selected_index, first->fullscreen_checkbox->checked),
        std::pair(2, true));
    play.click(*first->back_button);
    EXPECT_EQ(app->children, Support::Children{app->main_menu});
    EXPECT_EQ(std::pair(app->window.width, saved()), std::pair(1024, std::string("1024x768\r\n0")));

    play.click(*app->main_menu->settings_button);
    EXPECT_NE(app->settings_menu, first); // built anew, from the settings as they are
    EXPECT_EQ(app->settings_menu->resolution_list->selected_index, 1);
    EXPECT_FALSE(app->settings_menu->fullscreen_checkbox->checked);
}

TEST_F(Settings_flow, apply_asks_to_keep_a_new_mode_which_only_keep_saves)
{
    open_settings({wide, usual, small});
    const auto dialog = app->display_confirmation;
    const auto asked = [&] { return app->children == Children{app->settings_menu, dialog}; };
    const auto countdown = [&] { return dialog->countdown->text; };
    const auto apply = [&](int row) {
        choose(row);
        play.click(*app->settings_menu->apply_button);
    };
    apply(2);
    EXPECT_TRUE(asked());
    EXPECT_EQ(std::tuple(app->window.width, saved(), countdown()),
              std::tuple(800, std::string("1024x768\r\n0"), std::string("Reverting in 15 s")));
    EXPECT_EQ(app->settings_menu->resolution_list->selected_index, 2); // built for the new mode
    play.click(*dialog->keep_button);
    EXPECT_EQ(app->children, Children{app->settings_menu});
    EXPECT_EQ(std::pair(app->window.width, saved()), std::pair(800, std::string("800x600\r\n0")));

    // Revert, Escape and the end of the countdown each go back to the mode kept, saving nothing.
    const auto run_seconds = [&](int seconds) { // as the dialog's ticker would queue them
        SDL_Event tick{};
        tick.type = GE::Ticker::event_type();
        for (int second = 0; second < seconds; ++second)
            SDL_PushEvent(&tick);
        Support::push_sdl_event(SDL_QUIT);
        app->run();
    };
    const std::vector<std::function<void()>> refusals{
        [&] { play.click(*dialog->revert_button); }, [&] { press(SDLK_ESCAPE); },
        [&] {
            run_seconds(14);
            EXPECT_EQ(std::pair(countdown(), asked()),
                      std::pair(std::string("Reverting in 1 s"), true));
            run_seconds(1);
        }};
    for (const auto& refuse : refusals) {
        apply(1);
        ASSERT_TRUE(asked());
        EXPECT_EQ(app->window.width, 1024);
        refuse();
        EXPECT_EQ(app->children, Children{app->settings_menu});
        EXPECT_EQ(std::tuple(app->window.width, app->settings_menu->resolution_list->selected_index,
                             saved()),
                  std::tuple(800, 2, std::string("800x600\r\n0")));
    }

    // Alt+Enter asks the same, anywhere; Enter keeps. The same mode applied (Enter on the
    // settings screen) is saved at once.
    play.click(*app->settings_menu->back_button);
    EXPECT_TRUE(press(SDLK_RETURN, KMOD_LALT));
    EXPECT_EQ(app->children, (Children{app->main_menu, dialog}));
    EXPECT_TRUE(app->settings->fullscreen);
    EXPECT_TRUE(press(SDLK_RETURN));
    EXPECT_EQ(std::pair(app->children, saved()),
              std::pair(Children{app->main_menu}, std::string("800x600\r\n1")));
    std::filesystem::remove_all(scratch.path / "Documents");
    play.click(*app->main_menu->settings_button);
    EXPECT_TRUE(press(SDLK_KP_ENTER)); // "apply"
    EXPECT_EQ(std::pair(app->children, saved()),
              std::pair(Children{app->settings_menu}, std::string("800x600\r\n1")));
}

TEST_F(Settings_flow, a_refused_mode_or_an_unsaved_choice_keeps_the_game_running)
{
    open_settings({huge, usual, small});
    const auto screen = app->settings_menu;
    choose(0);
    play.click(*screen->fullscreen_checkbox);
    play.click(*screen->apply_button);
    EXPECT_EQ(screen->message->text, "This display mode could not be applied.");
    EXPECT_EQ(std::tuple(app->window.width, app->settings->resolution->text, saved()),
              std::tuple(1024, std::string("1024x768"), std::string("1024x768\r\n0")));

    std::filesystem::remove_all("Documents");
    Support::write_file("Documents", "a file where the folder belongs");
    choose(2);
    play.click(*screen->fullscreen_checkbox);
    play.click(*screen->apply_button);
    play.click(*app->display_confirmation->keep_button);
    EXPECT_EQ(app->settings_menu->message->text,
              "The settings could not be saved: Can not make a directory");
    EXPECT_EQ(app->window.width, 800); // kept for this run
    EXPECT_EQ(app->children, Support::Children{app->settings_menu});
}

TEST_F(Settings_flow, selects_the_current_resolution_or_a_sensible_entry)
{
    for (const auto& [modes, selected] :
         {std::pair{Modes{wide, small, usual}, 1}, std::pair{Modes{small, wide}, 0},
          std::pair{Modes{wide, usual}, 1}, std::pair{Modes{wide}, 0}, std::pair{Modes{}, 0}}) {
        auto settings = Support::settings_of("800x600");
        Game::Settings_menu screen(&app->render_context, &app->window, &settings, &model,
                                   Support::displays_of({modes}));
        EXPECT_EQ(screen.current_resolution_index(), selected) << modes.size();
    }
    Modes many; // a display offers ten of its twelve modes
    for (int width = 1000; width < 2200; width += 100)
        many.push_back({0, width, 600, 60, nullptr});
    Game::Settings_menu screen(&app->render_context, &app->window, app->settings, &model,
                               Support::displays_of({many}));
    EXPECT_EQ(screen.resolution_list->items[0].size(), 10u);
    Support::write_file("settings_menu.xml", R"(<ui><stack_panel id="main_panel"/></ui>)");
    EXPECT_EQ(Support::error_of([&] { open_settings({}); }),
              "settings_menu.xml has no container with id \"settings_panel\" in \"main_panel\"");
}

} // namespace
