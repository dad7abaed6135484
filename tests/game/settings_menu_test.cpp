#include "engine/widgets/button.h"
#include "engine/widgets/checkbox.h"
#include "engine/widgets/drop_down_list.h"
#include "engine/widgets/label.h"
#include "game/main_menu.h"
#include "game/settings_menu.h"
#include "tests/support/game_data.h"

#include <SDL_mixer.h>

namespace {

using Support::Children;
using Support::Modes;
using Support::Settings_flow;
using Support::wide, Support::usual, Support::small;

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
