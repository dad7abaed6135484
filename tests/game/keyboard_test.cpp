#include "engine/resources/audio.h"
#include "engine/resources/resources.h"
#include "engine/widgets/button.h"
#include "engine/widgets/checkbox.h"
#include "engine/widgets/drop_down_list.h"
#include "engine/widgets/label.h"
#include "game/complete_ui.h"
#include "game/confirmation.h"
#include "game/display_confirmation.h"
#include "game/level.h"
#include "game/main_menu.h"
#include "game/play_ui.h"
#include "game/settings_menu.h"
#include "tests/support/game_data.h"

#include <SDL_mixer.h>

namespace {

using Support::Children;
using Keyboard = Support::Game_flow;

TEST_F(Keyboard, keys_act_as_clicks_on_the_buttons_of_the_screen_on_top)
{
    EXPECT_FALSE(press(SDLK_ESCAPE)); // a stray key must not quit the game
    EXPECT_EQ(app->children, Children{app->main_menu});
    EXPECT_TRUE(press(SDLK_RETURN));
    const Children playing{app->current_level, app->play_ui};
    EXPECT_EQ(app->children, playing);

    for (const auto& [key, repeat, view] :
         {std::tuple{SDLK_RIGHT, 0, 1}, std::tuple{SDLK_d, 0, 2}, std::tuple{SDLK_d, 1, 2},
          std::tuple{SDLK_LEFT, 0, 1}, std::tuple{SDLK_a, 0, 0}}) {
        Mix_HaltChannel(-1);
        EXPECT_EQ(press(key, KMOD_NONE, static_cast<Uint8>(repeat)), repeat == 0) << key;
        EXPECT_EQ(app->current_level->current_scene, view) << key;
        EXPECT_EQ(Mix_Playing(-1), repeat == 0 ? 1 : 0) << key; // "switch", as a click plays
    }

    // The door dialog hears a key first: Escape answers it and does not lead to the menu. A turn
    // key passes it to the arrows beneath, which turn and close it, as a click on them does.
    for (const auto& [key, turn] : {std::pair{SDLK_ESCAPE, 0}, std::pair{SDLK_n, 0},
                                    std::pair{SDLK_LEFT, -1}, std::pair{SDLK_d, 1}}) {
        play.click_door("1");
        const auto view = app->current_level->current_scene;
        EXPECT_TRUE(press(key));
        EXPECT_EQ(app->children, playing) << key;
        EXPECT_EQ(app->current_level->current_scene, (view + turn + 4) % 4) << key;
    }
    play.click_door("3");
    EXPECT_TRUE(press(SDLK_KP_ENTER));
    EXPECT_EQ(app->level_number, 2);
    play.lose_level();
    EXPECT_EQ(app->children, Children{app->retry_confirmation});
    EXPECT_TRUE(press(SDLK_y)); // from the first hall again
    EXPECT_EQ(std::pair(app->level_number, app->children),
              std::pair(1, Children{app->current_level, app->play_ui}));

    EXPECT_TRUE(press(SDLK_ESCAPE));
    EXPECT_EQ(app->children, Children{app->main_menu});
    play.click(*app->main_menu->settings_button);
    EXPECT_TRUE(press(SDLK_ESCAPE));
    EXPECT_EQ(app->children, Children{app->main_menu});
    play.click(*app->main_menu->play_button);
    for (int level = 1; level <= 3; ++level)
        play.win_level();
    EXPECT_EQ(app->children, Children{app->complete_ui});
    EXPECT_TRUE(press(SDLK_ESCAPE));
    EXPECT_EQ(app->children, Children{app->main_menu});
}

TEST_F(Keyboard, m_mutes_all_sound_for_the_run_and_shows_a_speaker_mark)
{
    const auto mark_shown = [&] {
        // muted.png, 10 pixels of the design canvas scaled to the window, 24 from the corner.
        // Seven pixels square from (999, 17), and nothing of it below.
        SDL_Renderer* renderer = app->render_context.renderer;
        return Support::region_is(renderer, {1000, 18, 5, 5}, Support::blue) &&
               !Support::region_is(renderer, {999, 24, 7, 1}, Support::blue);
    };
    ASSERT_EQ(GE::current_music, "menu_music");
    EXPECT_TRUE(press(SDLK_m));
    EXPECT_TRUE(mark_shown());
    play.click(*app->main_menu->play_button); // the game's music starts silent, effects too
    EXPECT_EQ(std::tuple(Mix_VolumeMusic(-1), Mix_Volume(-1, -1), Mix_PlayingMusic()),
              std::tuple(0, 0, 1));
    EXPECT_TRUE(mark_shown());
    EXPECT_TRUE(press(SDLK_m));
    EXPECT_EQ(std::tuple(Mix_VolumeMusic(-1), Mix_Volume(-1, -1), Mix_PlayingMusic()),
              std::tuple(MIX_MAX_VOLUME, MIX_MAX_VOLUME, 1));
    EXPECT_FALSE(mark_shown());
    EXPECT_EQ(saved(), "1024x768\r\n0"); // not kept between runs
}

TEST_F(Keyboard, f5_reads_the_files_again_and_keeps_the_old_game_when_one_is_broken)
{
    play.click(*app->main_menu->play_button);
    press(SDLK_RIGHT);
    press(SDLK_RIGHT);
    const auto old_level = app->current_level;
    Support::write_level("level_1.xml", {"1", "2", "3", "4", "clocks"}); // a room more
    EXPECT_TRUE(press(SDLK_F5));
    ASSERT_NE(app->current_level, old_level);
    EXPECT_EQ(std::pair(app->current_level->scenes.size(), app->current_level->current_scene),
              std::pair(std::size_t{5}, 2)); // the player stays in the same view
    EXPECT_EQ(app->children, (Children{app->current_level, app->play_ui}));

    for (const auto& [file, message] :
         {std::pair{"level_1.xml", "level_1.xml: Can not load a file with UI"},
          std::pair{"play_ui.xml", "play_ui.xml: Can not load a file with UI"}}) {
        const auto level = app->current_level;
        Support::write_file(file, "<ui><button"); // saved half-edited
        EXPECT_TRUE(press(SDLK_F5));
        EXPECT_EQ(app->current_level, level);
        EXPECT_EQ(app->children, (Children{level, app->play_ui, app->problems.label}));
        EXPECT_EQ(app->problems.label->text, message);
        press(SDLK_RIGHT); // the old level still turns
        EXPECT_EQ(level->current_scene, 3);
        press(SDLK_LEFT);
        Support::write_level("level_1.xml", {"1", "2", "3", "4", "clocks"});
        Support::write_buttons("play_ui.xml", {"menu", "go_left", "go_right"});
    }
    EXPECT_TRUE(press(SDLK_F5)); // mended: the message goes
    EXPECT_EQ(app->children, (Children{app->current_level, app->play_ui}));
}

TEST_F(Keyboard, f5_keeps_the_door_chosen_and_goes_on_past_a_half_saved_image_or_a_long_error)
{
    play.click(*app->main_menu->play_button);
    // Level 1's right door is 3, by its clocks: still so once its file is read again, with the
    // dialog for it open.
    play.click_door("3");
    EXPECT_TRUE(press(SDLK_F5));
    EXPECT_EQ(app->children.back(), app->enter_confirmation);
    EXPECT_TRUE(press(SDLK_y));
    ASSERT_EQ(app->level_number, 2);
    // Level 2 draws its right door; read again, it keeps it, and its picture the same hint.
    const std::string right = app->current_level->correct_door_label;
    play.click_door(right);
    for (int reload = 0; reload < 4; ++reload) {
        EXPECT_TRUE(press(SDLK_F5));
        EXPECT_EQ(app->current_level->correct_door_label, right);
    }
    // A door taken out of the file has nothing to go through: its dialog closes.
    Support::write_level("level_2.xml", {right == "4" ? "5" : "4", "picture"});
    EXPECT_TRUE(press(SDLK_F5));
    EXPECT_EQ(app->children, (Children{app->current_level, app->play_ui}));
    Support::write_level("level_2.xml", {"4", "5", "picture"});
    press(SDLK_F5);

    // An image saved half-way: its header reads, its pixels do not.
    Support::write_png("new.png", 40, 40, Support::green);
    std::filesystem::resize_file("new.png", 60);
    const std::string room = Support::read_file("room.xml");
    Support::write_file(
        "room.xml", std::string(room).insert(room.find("<rect"), R"(<sprite image="new.png"/>)"));
    const auto level = app->current_level;
    EXPECT_TRUE(press(SDLK_F5));
    EXPECT_EQ(app->current_level, level);
    EXPECT_TRUE(app->problems.label->text.starts_with("new.png: ")) << app->problems.label->text;
    EXPECT_FALSE(GE::Resources::instance().textures.contains("new.png"));
    Support::write_png("new.png", 40, 40, Support::green); // saved whole
    EXPECT_TRUE(press(SDLK_F5));
    EXPECT_EQ(app->children, (Children{app->current_level, app->play_ui}));

    // An error too long for the screen is shortened to fit it.
    Support::write_level("level_2.xml", {"4", "5", "file=\"" + std::string(5000, 'x') + "\""});
    EXPECT_TRUE(press(SDLK_F5));
    const auto& line = *app->problems.label;
    EXPECT_TRUE(line.text.ends_with("..."));
    EXPECT_LE(line.width, Game::Problem_line::widest);
    EXPECT_GT(line.width, Game::Problem_line::widest - 40);
}

} // namespace

namespace {

using Focus_keys = Support::Settings_flow;

TEST_F(Focus_keys, walk_the_screen_on_top_and_leave_the_pointer_its_own_way)
{
    const auto focused = [&] { return app->focus.focused(*app).get(); };
    const auto ids = [&](SDL_Keycode key, int presses) {
        std::string walked;
        for (int i = 0; i < presses; ++i) {
            press(key);
            walked += focused()->id + " ";
        }
        return walked;
    };
    // A level and its overlay are one ring, in reading order; the door dialog keeps the focus.
    play.click(*app->main_menu->play_button);
    EXPECT_EQ(ids(SDLK_TAB, 5), "menu go_left go_right door_hit menu ");
    EXPECT_EQ(ids(SDLK_UP, 1), "door_hit ");
    press(SDLK_RETURN);
    ASSERT_EQ(app->children.back(), app->enter_confirmation);
    EXPECT_EQ(ids(SDLK_DOWN, 3), "no yes no ");
    Mix_HaltChannel(-1);
    press(SDLK_SPACE);
    EXPECT_EQ(app->children, (Children{app->current_level, app->play_ui}));
    EXPECT_EQ(Mix_Playing(-1), 1) << "the click a click on it plays";
    press(SDLK_ESCAPE);

    // An open list takes the steps and Escape; the pointer's moves do not take its highlight.
    open_settings({Support::wide, Support::usual, Support::small});
    auto& menu = *app->settings_menu;
    auto& list = *menu.resolution_list;
    EXPECT_EQ(focused(), nullptr) << "the button clicked is gone";
    EXPECT_EQ(ids(SDLK_UP, 1), "apply ");
    press(SDLK_TAB, KMOD_LSHIFT);
    EXPECT_EQ(ids(SDLK_TAB, 3), "apply language_list resolution_list ");
    press(SDLK_RETURN);
    ASSERT_TRUE(list.is_open);
    EXPECT_EQ(list.hovered_index, 1) << "the current mode, highlighted";
    press(SDLK_DOWN);
    press(SDLK_DOWN);
    const GE::Screen_rect box = list.get_screen_rect(); // the window is the drawing area
    app->dispatch_mouse_event(SDL_MOUSEMOTION, box.x + 5, box.y + 5);
    EXPECT_EQ(list.hovered_index, 2) << "the last row, held there";
    press(SDLK_ESCAPE);
    EXPECT_EQ(std::tuple(list.is_open, list.selected_index, app->children.back().get()),
              std::tuple(false, 1, static_cast<GE::Render_object*>(&menu)));
    for (const SDL_Keycode key : {SDLK_SPACE, SDLK_UP, SDLK_UP, SDLK_RETURN})
        press(key);
    EXPECT_EQ(std::pair(list.is_open, list.selected_index), std::pair(false, 0)) << "the first";
    for (const SDL_Keycode key : {SDLK_SPACE, SDLK_DOWN, SDLK_RETURN})
        press(key);

    // A press gives the focus to what it pressed and hides the ring: Enter is Apply again.
    play.click(*menu.fullscreen_checkbox);
    EXPECT_EQ(std::pair(app->focus.shown, focused()),
              std::pair(false, static_cast<GE::Render_object*>(menu.fullscreen_checkbox)));
    press(SDLK_RETURN);
    ASSERT_TRUE(app->display.asking());
    EXPECT_EQ(ids(SDLK_TAB, 3), "keep revert keep ");
    press(SDLK_ESCAPE);
    EXPECT_FALSE(app->display.asking());
    EXPECT_EQ(saved(), "1024x768\r\n0");
}

} // namespace
