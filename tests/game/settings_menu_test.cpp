#include "engine/widgets/button.h"
#include "engine/widgets/checkbox.h"
#include "engine/widgets/drop_down_list.h"
#include "engine/widgets/label.h"
#include "engine/widgets/slider.h"
#include "game/display_confirmation.h"
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

TEST_F(Settings_flow, with_nothing_listed_apply_saves_or_changes_fullscreen_alone)
{
    open_settings({}); // a display that lists no mode
    const auto first = app->settings_menu;
    play.click(*first->apply_button); // nothing changed: saved at once, the screen built anew
    EXPECT_EQ(std::pair(app->children, saved()),
              std::pair(Children{app->settings_menu}, std::string("1024x768\r\n0")));
    EXPECT_NE(app->settings_menu, first);

    play.click(*app->settings_menu->fullscreen_checkbox);
    play.click(*app->settings_menu->apply_button);
    EXPECT_EQ(app->children.back(), app->display.dialog);
    EXPECT_EQ(std::pair(app->settings->resolution->text, app->settings->fullscreen),
              std::pair(std::string("1024x768"), true));
    play.click(*app->display.dialog->revert_button);
    EXPECT_FALSE(app->settings->fullscreen);

    // A save that fails says so under the screen, once however often it is tried.
    std::filesystem::remove_all("Documents");
    Support::write_file("Documents", "a file where the folder belongs");
    const auto screen = app->settings_menu;
    for (int attempt = 0; attempt < 2; ++attempt)
        play.click(*screen->apply_button);
    EXPECT_EQ(std::count_if(screen->children.begin(), screen->children.end(),
                            [](const auto& child) { return child->id == "message"; }),
              1);
    EXPECT_EQ(screen->message->text, "The settings could not be saved: Can not make a directory");
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

// The settings screen of the test data or of the shipped data, in windows of three shapes.
class Long_resolution_list : public Settings_flow,
                             public testing::WithParamInterface<std::tuple<bool, std::string>> {
protected:
    Long_resolution_list()
        : Settings_flow(std::get<0>(GetParam()) ? VOSSMERE_RUN_DIR : nullptr,
                        std::get<1>(GetParam()))
    {
    }
};

TEST_P(Long_resolution_list, offers_only_rows_the_window_shows_of_the_display_it_is_on)
{
    std::vector<Modes> screens(2); // eleven modes each, none on both
    for (int width = 2000; width > 900; width -= 100)
        for (int screen : {0, 1})
            screens[screen].push_back({0, width, 600 + screen, 60, nullptr});
    open_settings_on(screens, 1);
    const auto screen = app->settings_menu; // kept, should a click apply a mode and rebuild it
    auto& list = *screen->resolution_list;
    choose(0);
    const auto& offered = list.items.at(0);
    EXPECT_TRUE(std::all_of(offered.begin(), offered.end(),
                            [](const auto& entry) { return entry->text.back() == '1'; }));
    const auto bottom = [&](int row) { return list.row_rect(row).y + list.row_rect(0).h; };
    const auto height = static_cast<float>(app->window.height);
    const int rows = static_cast<int>(offered.size());
    EXPECT_TRUE(rows == 10 || bottom(rows) > height) << rows << " rows"; // all that fit
    for (int row = 0; row < rows; ++row) {
        EXPECT_LE(bottom(row), height) << "row " << row;
        choose(row); // throws for a click outside the window
        ASSERT_TRUE(app->children == Children{screen}) << "row " << row << " lies under a button";
        EXPECT_EQ(list.get_selected_text(), offered.at(static_cast<std::size_t>(row))->text);
    }
}

INSTANTIATE_TEST_SUITE_P(Data_and_window_shapes, Long_resolution_list,
                         testing::Combine(testing::Bool(),
                                          testing::Values("1024x768", "1920x1080", "1280x1024")),
                         [](const auto& test) {
                             return (std::get<0>(test.param) ? "shipped_" : "test_data_") +
                                    std::get<1>(test.param);
                         });

TEST_F(Settings_flow, volumes_and_captions_act_at_once_and_are_kept_on_leaving_the_screen)
{
    Uint64 now = 1000;
    app->captions.clock = [&now] { return now; };
    // Whether the captions' band is drawn `rows` lines high at the bottom of the drawing area.
    const auto band_rows = [this](int rows) {
        app->render();
        const int line = static_cast<int>(std::round(68 * 768 / 1080.0f)); // text and padding
        const auto band = [this](int y) {
            return Support::region_is(app->render_context.renderer, {510, y, 4, 2},
                                      GE::Captions::band_colour);
        };
        return band(745) == (rows > 0) && band(745 - line) == (rows > 1);
    };
    open_settings({usual});
    auto& menu = *app->settings_menu;
    const GE::Screen_rect music = menu.music_slider->get_screen_rect();
    for (const auto* name : {&GE::mouse_down_event, &GE::mouse_button_up_event})
        Support::send_mouse(*app, *name, music.x + 2, music.y + 5);
    EXPECT_EQ(Mix_VolumeMusic(-1), 0) << "heard at once";
    EXPECT_TRUE(band_rows(0));
    play.click(*menu.captions_checkbox);
    EXPECT_EQ(app->captions.shown(), 1u) << "the switch's own caption";
    EXPECT_TRUE(band_rows(1));
    EXPECT_EQ(saved(), "1024x768\r\n0") << "saved on leaving the screen";

    now += GE::Captions::shortest_ms;
    SDL_Event tick = app->captions_timer->tick();
    SDL_PushEvent(&tick);
    Support::push_sdl_event(SDL_QUIT);
    app->run();
    EXPECT_EQ(app->captions_timer, nullptr);
    EXPECT_TRUE(band_rows(0));

    play.click(*menu.back_button);
    EXPECT_EQ(saved(), "1024x768\r\n0\r\nmusic_volume=0\r\ncaptions=1");
    play.click(*app->main_menu->play_button); // a click, and a music that starts
    EXPECT_TRUE(band_rows(2));
    GE::set_music_volume(100);
}

} // namespace
