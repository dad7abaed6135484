#include "engine/resources/audio.h"
#include "engine/widgets/button.h"
#include "engine/widgets/checkbox.h"
#include "engine/widgets/drop_down_list.h"
#include "engine/widgets/label.h"
#include "engine/widgets/slider.h"
#include "game/complete_ui.h"
#include "game/confirmation.h"
#include "game/display_confirmation.h"
#include "game/letterbox.h"
#include "game/level.h"
#include "game/main_menu.h"
#include "game/play_ui.h"
#include "game/room_scene.h"
#include "game/scene.h"
#include "game/settings_menu.h"
#include "tests/support/game_data.h"
#include "tools/driver/virtual_pad.h"

#include <SDL_mixer.h>

namespace {

using Support::Children;

// What a player without a mouse presses: a step of the focus, Enter (or A), a turn to the right,
// and what ticks a box (Space, or A).
struct Controls {
    std::function<void()> next, confirm, turn_left, turn_right, tick;
};

// The shipped game, played with the mouse in windows of three shapes: 4:3, 16:9 (bars on the
// sides) and 5:4 (the drawing area cut on both sides). Every click aims at the middle of the
// object a player would click, and must fall inside the window.
class Playthrough : public Support::Settings_flow, public testing::WithParamInterface<const char*> {
protected:
    Playthrough() : Settings_flow(VOSSMERE_RUN_DIR, GetParam()) {}

    GE::Render_object* focused() { return app->focus.focused(*app).get(); }

    // Whether the focus ring is drawn around `object`: a candle-light line inside a dark one, at
    // the middle of its left and right sides.
    bool ring_around(GE::Render_object& object)
    {
        const auto canvas = Game::letterbox_of(static_cast<float>(app->window.width),
                                               static_cast<float>(app->window.height));
        const GE::Screen_rect rect = object.get_screen_rect();
        const int line = static_cast<int>(std::max(1.0f, std::round(3 * canvas.scale)));
        const int margin = static_cast<int>(std::round(6 * canvas.scale)) + 2 * line;
        const int left = static_cast<int>(canvas.left + rect.x) - margin;
        const int right = static_cast<int>(canvas.left + rect.x + rect.w) + margin - line;
        const int middle = static_cast<int>(rect.y + rect.h / 2);
        SDL_Renderer* renderer = app->render_context.renderer;
        return Support::region_is(renderer, {left, middle, line, 1}, GE::Focus::dark) &&
               Support::region_is(renderer, {left + line, middle, line, 1}, GE::Focus::light) &&
               Support::region_is(renderer, {right, middle, line, 1}, GE::Focus::dark) &&
               Support::region_is(renderer, {right - line, middle, line, 1}, GE::Focus::light);
    }

    bool right_door_shown()
    {
        const auto& level = *app->current_level;
        const auto* room = dynamic_cast<const Game::Room_scene*>(
            level.scenes[static_cast<std::size_t>(level.current_scene)].get());
        return room != nullptr && room->door_label == level.correct_door_label;
    }

    // Plays the three levels, then on the settings screen chooses another resolution and
    // fullscreen and keeps them, with `controls` alone.
    void play_without_mouse(const Controls& controls)
    {
        EXPECT_FALSE(ring_around(*app->main_menu->play_button)) << "a mouse player sees no ring";
        controls.next();
        ASSERT_EQ(focused(), app->main_menu->play_button);
        EXPECT_TRUE(ring_around(*app->main_menu->play_button));
        controls.confirm();
        for (int level = 1; level <= 3; ++level) {
            ASSERT_EQ(app->level_number, level);
            for (std::size_t turn = 0; !right_door_shown() && turn < 8; ++turn)
                controls.turn_right();
            for (int step = 0; focused()->id != "door_hit" && step < 4; ++step)
                controls.next();
            controls.confirm();
            ASSERT_EQ(app->children.back(), app->enter_confirmation);
            EXPECT_EQ(focused(), app->enter_confirmation->yes_button);
            controls.confirm();
        }
        ASSERT_EQ(app->children, Children{app->complete_ui});
        controls.confirm();

        displays = Support::displays_of({{Support::wide, Support::usual, Support::small}});
        app->displays = &displays;
        for (int step = 0; focused() != app->main_menu->settings_button && step < 3; ++step)
            controls.next();
        controls.confirm();
        const auto menu = app->settings_menu;
        ASSERT_EQ(app->children, Children{menu});
        auto& list = *menu->resolution_list;
        ASSERT_EQ(focused(), menu->language_list);
        controls.next();
        ASSERT_EQ(focused(), &list);
        controls.confirm();
        ASSERT_TRUE(list.is_open);
        controls.next();
        const int row = list.hovered_index;
        EXPECT_NE(row, list.selected_index);
        controls.confirm();
        EXPECT_EQ(std::pair(list.is_open, list.selected_index), std::pair(false, row));
        std::string chosen = list.get_selected_text();
        std::erase(chosen, ' ');
        controls.next();
        controls.tick();
        EXPECT_TRUE(menu->fullscreen_checkbox->checked);
        // The music two steps down, heard at once; the effects passed over; captions ticked.
        controls.next();
        ASSERT_EQ(focused(), menu->music_slider);
        controls.turn_left();
        controls.turn_left();
        EXPECT_EQ(Mix_VolumeMusic(-1), 102) << "80% of the mixer's 128";
        controls.next();
        controls.next();
        controls.tick();
        EXPECT_TRUE(menu->captions_checkbox->checked);
        for (int step = 0; step < 4; ++step) // past spoken descriptions, background mute, Back
            controls.next();
        ASSERT_EQ(focused(), menu->apply_button);
        controls.confirm();
        ASSERT_TRUE(app->display.asking());
        EXPECT_EQ(focused(), app->display.dialog->keep_button);
        controls.confirm();
        EXPECT_EQ(saved(), chosen + "\r\n1\r\nmusic_volume=80\r\ncaptions=1");
        GE::set_music_volume(100);
    }

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

TEST_P(Playthrough, by_keys_alone)
{
    play_without_mouse({[this] { press(SDLK_TAB); }, [this] { press(SDLK_RETURN); },
                        [this] { press(SDLK_LEFT); }, [this] { press(SDLK_RIGHT); },
                        [this] { press(SDLK_SPACE); }});
}

TEST_P(Playthrough, by_pad_alone)
{
    Tools::Virtual_pad pad;
    // Runs the game over what the pad queued, then over the D-pad presses its stick queued.
    const auto handle = [this] {
        for (int pass = 0; pass < 2; ++pass) {
            Support::push_sdl_event(SDL_QUIT);
            app->run();
        }
    };
    handle(); // plugged in while the game runs
    ASSERT_EQ(app->controllers.open_count(), 1u);
    const auto button = [&](SDL_GameControllerButton which) {
        return [&pad, &handle, which] {
            pad.press(which);
            handle();
        };
    };
    const auto stick_down = [&] {
        pad.tilt(SDL_CONTROLLER_AXIS_LEFTY, SDL_JOYSTICK_AXIS_MAX);
        pad.tilt(SDL_CONTROLLER_AXIS_LEFTY, 0);
        handle();
    };
    play_without_mouse(
        {stick_down, button(SDL_CONTROLLER_BUTTON_A), button(SDL_CONTROLLER_BUTTON_DPAD_LEFT),
         button(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER), button(SDL_CONTROLLER_BUTTON_A)});
}

INSTANTIATE_TEST_SUITE_P(Window_shapes, Playthrough,
                         testing::Values("1024x768", "1920x1080", "1280x1024"));

} // namespace
