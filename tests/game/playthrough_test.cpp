#include "engine/widgets/button.h"
#include "game/complete_ui.h"
#include "game/confirmation.h"
#include "game/display_confirmation.h"
#include "game/level.h"
#include "game/main_menu.h"
#include "game/play_ui.h"
#include "game/scene.h"
#include "game/settings_menu.h"
#include "tests/support/game_data.h"

namespace {

using Support::Children;

// The shipped game, played with the mouse in windows of three shapes: 4:3, 16:9 (bars on the
// sides) and 5:4 (the drawing area cut on both sides). Every click aims at the middle of the
// object a player would click, and must fall inside the window.
class Playthrough : public Support::Game_flow, public testing::WithParamInterface<const char*> {
protected:
    Playthrough() : Game_flow(VOSSMERE_RUN_DIR, GetParam()) {}

    // Turns once around the level's ring, every view in turn, back to the first.
    void turn_around()
    {
        const auto& level = *app->current_level;
        for (std::size_t turn = 1; turn <= level.scenes.size(); ++turn) {
            play.click(*app->play_ui->go_right_button);
            EXPECT_EQ(level.children.at(0), level.scenes[turn % level.scenes.size()]);
        }
    }
};

TEST_P(Playthrough, wins_dies_retries_and_applies_the_settings)
{
    play.click(*app->main_menu->play_button);
    for (int level = 1; level <= 3; ++level) {
        ASSERT_EQ(app->level_number, level);
        turn_around();
        play.win_level();
    }
    EXPECT_EQ(std::pair(app->children, GE::current_music),
              std::pair(Children{app->complete_ui}, std::string("completion_music")));
    play.click(*app->complete_ui->exit_to_main_menu_button);
    play.click(*app->main_menu->play_button);
    play.lose_level();
    EXPECT_EQ(std::pair(app->children, GE::current_music),
              std::pair(Children{app->retry_confirmation}, std::string("death_music")));
    play.click(*app->retry_confirmation->yes_button);
    EXPECT_EQ(std::pair(app->children, GE::current_music),
              std::pair(Children{app->current_level, app->play_ui}, std::string("game_music")));
    play.win_level();
    play.lose_level(); // in the second level
    play.click(*app->retry_confirmation->no_button);
    EXPECT_EQ(std::pair(app->children, app->level_number), std::pair(Children{app->main_menu}, 1));

    play.click(*app->main_menu->settings_button);
    const auto settings = app->settings_menu;
    play.click(*settings->apply_button);
    // The dummy display offers 1024x768 alone: from another window shape, that is a change the
    // player is asked to keep, and the question holds every click until answered.
    ASSERT_EQ(app->display.asking(), std::string(GetParam()) != "1024x768");
    if (app->display.asking())
        play.click(*app->display.dialog->keep_button);
    EXPECT_NE(app->settings_menu, settings); // applied, and built again for the window
    play.click(*app->settings_menu->back_button);
    play.click(*app->main_menu->exit_button);
    EXPECT_TRUE(app->exit_requested);
}

INSTANTIATE_TEST_SUITE_P(Window_shapes, Playthrough,
                         testing::Values("1024x768", "1920x1080", "1280x1024"));

} // namespace
