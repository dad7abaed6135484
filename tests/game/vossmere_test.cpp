#include "engine/core/error_text.h"
#include "engine/core/event_names.h"
#include "engine/core/mouse_event.h"
#include "engine/resources/audio.h"
#include "engine/widgets/button.h"
#include "game/complete_ui.h"
#include "game/confirmation.h"
#include "game/create_application.h"
#include "game/level.h"
#include "game/main_menu.h"
#include "game/play_ui.h"
#include "game/room_scene.h"
#include "game/vossmere.h"
#include "game/vossmere_model.h"
#include "tests/support/events.h"
#include "tests/support/fixtures.h"
#include "tests/support/game_data.h"
#include "tests/support/game_flow.h"
#include "tests/support/pixels.h"
#include "tests/support/test_objects.h"

#include <SDL_events.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

using Support::Children;

using Support::Game_flow;

TEST_F(Game_flow, starts_at_the_menu_and_plays_a_level_with_its_overlay_and_door_dialog)
{
    EXPECT_EQ(app->children, Children{app->main_menu});
    EXPECT_EQ(GE::current_music, "menu_music");
    EXPECT_EQ(model.screen, "");

    click(*app->main_menu->play_button);
    const Children playing{app->current_level, app->play_ui};
    EXPECT_EQ(app->children, playing);
    EXPECT_EQ(GE::current_music, "game_music");

    click(*app->play_ui->go_right_button);
    Mix_HaltChannel(-1);
    click_door("2");
    click_door("2");
    EXPECT_EQ(app->children, (Children{app->current_level, app->play_ui, app->enter_confirmation}));
    EXPECT_EQ(Mix_Playing(-1), 2); // "click" for each door click
    click(*app->play_ui->go_left_button);
    EXPECT_EQ(app->children, playing); // turning closes the dialog
    EXPECT_EQ(app->current_level->current_scene, 0);

    click(*app->play_ui->go_right_button);
    click(*app->play_ui->menu_button);
    EXPECT_EQ(app->children, Children{app->main_menu});
    click(*app->main_menu->play_button);
    EXPECT_EQ(app->children, playing);
    EXPECT_EQ(app->current_level->current_scene, 1); // the same level, in the same view
}

TEST_F(Game_flow, a_level_file_broken_while_the_game_runs_ends_it_with_the_files_name)
{
    click(*app->main_menu->play_button);
    for (const char* broken : {"", "<level><scene type=\"room\""}) {
        Support::write_file("level_2.xml", broken); // emptied, or cut short
        try {
            win_level();
            ADD_FAILURE() << "the next level started";
        } catch (const std::exception& error) {
            EXPECT_EQ(GE::error_text(error), "level_2.xml: Can not load a file with UI");
        }
        app->level_number = 1; // as if the player started again
        app->load_level();
        model.set_screen("play");
    }
}

TEST_F(Game_flow, exit_ends_the_loop_through_real_sdl_events)
{
    const auto exit = app->main_menu->exit_button->get_screen_rect();
    SDL_WarpMouseInWindow(app->window.handle, static_cast<int>(exit.x + exit.w / 2),
                          static_cast<int>(exit.y + exit.h / 2));
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    Support::push_sdl_event(SDL_MOUSEBUTTONDOWN);
    Support::push_sdl_event(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT); // any button clicks
    app->run();                                                   // returns after this pass
    EXPECT_TRUE(app->exit_requested);
}

TEST(Game_start, a_missing_screen_or_level_file_is_named_in_the_error)
{
    Support::Scratch_dir scratch;
    Support::write_game_data();
    Support::write_game_sounds();
    Game::Vossmere_model model;
    for (const auto& [file, message] :
         {std::pair{"level_1.xml", "level_1.xml: Can not load a file with UI"},
          std::pair{"room.xml", "level_1.xml: scene \"room.xml\": Can not load a file with Scene"},
          std::pair{"play_ui.xml", "play_ui.xml: Can not load a file with UI"}}) {
        std::filesystem::rename(file, "moved");
        try {
            Game::create_application(model);
            ADD_FAILURE() << "started without " << file;
        } catch (const std::exception& error) {
            EXPECT_EQ(GE::error_text(error), message);
        }
        std::filesystem::rename("moved", file);
    }
}

TEST(Vossmere, letterboxes_the_canvas_and_measures_the_pointer_from_its_left_edge)
{
    Support::Scratch_dir scratch;
    Support::write_game_data();
    Support::write_game_sounds();
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
        Game::Vossmere_model model;
        const auto app = Support::start_game(model, resolution);
        auto catcher = std::make_shared<Support::Box>(0, 0, 1440, 1080);
        float caught_x = -1;
        catcher->add_event_listener(GE::mouse_motion_event, [&caught_x](GE::Event& event) {
            caught_x = dynamic_cast<GE::Mouse_event&>(event).x;
        });
        app->clear_children();
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

TEST(Vossmere, draws_a_frame_only_after_a_pass_that_changed_something)
{
    Support::Scratch_dir scratch;
    Support::write_game_data();
    Support::write_game_sounds();
    Game::Vossmere_model model;
    const auto app = Support::start_game(model, "320x240");
    // The pointer at (x, y) when the event is handled; the play button covers (0, 0) to (44, 11).
    for (const auto& [event, x, y, drawn] :
         {std::tuple{SDL_KEYDOWN, 300, 200, Support::red},
          std::tuple{SDL_MOUSEMOTION, 300, 200, Support::red}, // over nothing
          std::tuple{SDL_MOUSEMOTION, 10, 5, Support::white},  // onto the play button
          std::tuple{SDL_MOUSEBUTTONDOWN, 10, 5, Support::white}}) {
        SDL_WarpMouseInWindow(app->window.handle, x, y);
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        app->render_context.fill_rect({0, 0, 320, 240}, 0xFF0000FF);
        Support::push_sdl_event(event);
        Support::push_sdl_event(SDL_QUIT);
        app->run();
        EXPECT_EQ(Support::read_pixel(app->render_context.renderer, 160, 120), drawn)
            << event << " at " << x << ", " << y;
    }
}

} // namespace
