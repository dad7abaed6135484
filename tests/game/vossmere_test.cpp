#include "engine/widgets/button.h"
#include "engine/widgets/label.h"
#include "game/complete_ui.h"
#include "game/confirmation.h"
#include "game/hotspots.h"
#include "game/level.h"
#include "game/main_menu.h"
#include "game/play_ui.h"
#include "game/problem_line.h"
#include "game/scene.h"
#include "tests/support/game_data.h"

#include <SDL_mixer.h>

namespace {

using Support::Children;
using Support::Game_flow;
using Vossmere = Support::Game_test;

TEST_F(Game_flow, starts_at_the_menu_and_plays_a_level_with_its_overlay_and_door_dialog)
{
    EXPECT_EQ(app->children, Children{app->main_menu});
    EXPECT_EQ(GE::current_music, "menu_music");

    play.click(*app->main_menu->play_button);
    const Children playing{app->current_level, app->play_ui};
    EXPECT_EQ(app->children, playing);

    play.click(*app->play_ui->go_right_button);
    Mix_HaltChannel(-1);
    play.click_door("2");
    play.click_door("2");
    EXPECT_EQ(app->children, (Children{app->current_level, app->play_ui, app->enter_confirmation}));
    EXPECT_EQ(Mix_Playing(-1), 2); // "click" for each door click
    play.click(*app->play_ui->go_left_button);
    EXPECT_EQ(app->children, playing); // turning closes the dialog

    play.click(*app->play_ui->go_right_button);
    play.click(*app->play_ui->menu_button);
    EXPECT_EQ(app->children, Children{app->main_menu});
    play.click(*app->main_menu->play_button);
    EXPECT_EQ(app->children, playing);
    EXPECT_EQ(app->current_level->current_scene, 1); // the same level, in the same view
}

TEST_F(Game_flow, the_clocks_of_a_level_of_four_doors_point_at_its_third_door_alone)
{
    // Level 3: doors 1 and 2, a plain view, doors 3 and 4, then the clocks.
    const std::pair<const char*, std::shared_ptr<GE::Render_object>> doors[]{
        {"4", app->retry_confirmation}, {"1", app->retry_confirmation}, {"3", app->complete_ui}};
    for (const auto& [door, shown] : doors) {
        app->level_number = 3;
        app->load_level();
        model.set_screen("play");
        play.go_through(door);
        EXPECT_EQ(app->children, Children{shown}) << door;
    }
}

TEST_F(Vossmere, plays_the_unbroken_run_of_levels_the_data_has_then_the_completion)
{
    Support::write_level("level_4.xml", {"6", "7", "8", "clocks"});
    Support::write_level("level_6.xml", {"1", "2", "3", "clocks"}); // after a gap: never played
    const auto app = start();
    Tools::Game_driver play(*app);
    play.click(*app->main_menu->play_button);
    for (int level = 1; level <= 4; ++level) {
        ASSERT_EQ(app->level_number, level);
        play.win_level();
    }
    EXPECT_EQ(app->children, Children{app->complete_ui});
    // F5 counts them anew: without the fourth, the third is the last.
    std::filesystem::remove("level_4.xml");
    play.click(*app->complete_ui->exit_to_main_menu_button);
    app->act(Game::Action::reload);
    play.click(*app->main_menu->play_button);
    for (int level = 1; level <= 3; ++level)
        play.win_level();
    EXPECT_EQ(app->children, Children{app->complete_ui});
}

TEST_F(Game_flow, starts_where_a_level_maker_asks_skipping_the_menu)
{
    app->start_at(3, 4);
    EXPECT_EQ(std::pair(app->level_number, app->current_level->current_scene), std::pair(3, 3));
    EXPECT_EQ(app->children, (Children{app->current_level, app->play_ui}));
    EXPECT_EQ(Support::error_of([&] { app->start_at(3, 7); }),
              "level_3.xml has no view 7: it has views 1 to 6");
    EXPECT_EQ(Support::error_of([&] { app->start_at(4, 1); }),
              "There is no level 4: the data folder has levels 1 to 3");
}

// A level maker's saves, seen by the watch's look twice a second: the level read again where the
// player stands, a broken file said at the bottom until it is mended, and no frame for a look
// that finds nothing new.
TEST_F(Game_flow, watching_the_data_reloads_after_a_save_in_place_and_draws_nothing_while_idle)
{
    app->start_at(1, 3);
    app->watch_data();
    const auto look_drew = [this] { return drew_after(app->data_watch->tick()); };
    const auto level = app->current_level;
    EXPECT_FALSE(look_drew());
    EXPECT_EQ(app->current_level, level);

    Support::write_level("level_1.xml", {"1", "2", "4", "5", "clocks"});
    EXPECT_TRUE(look_drew());
    EXPECT_EQ(std::pair(app->current_level->current_scene, app->current_level->correct_door_label),
              std::pair(2, std::string("4")))
        << "the third view, its clocks counting new doors";
    Support::write_file("clocks.xml", "<scene><rect");
    EXPECT_TRUE(look_drew());
    const auto shown = [this] {
        return app->problems.label && app->has_child(app->problems.label);
    };
    ASSERT_TRUE(shown());
    EXPECT_EQ(app->problems.label->text, "level_1.xml: scene \"clocks.xml\": Can not load a file "
                                         "with Scene");
    Support::write_file("clocks.xml", R"(<scene description="Clocks"><rect/></scene>)");
    EXPECT_TRUE(look_drew());
    EXPECT_FALSE(shown()) << "mended";
    EXPECT_FALSE(look_drew());
}

TEST_F(Game_flow, f3_outlines_what_takes_a_click_or_the_focus_only_in_a_watched_game)
{
    app->start_at(1, 1);
    auto& door = *app->current_level->scenes.front()->find_child("door_hit");
    const GE::Screen_rect rect = door.get_screen_rect(); // the window is the canvas, at 4:3
    const auto framed = [&] {
        return Support::region_is(
            app->render_context.renderer,
            {static_cast<int>(rect.x), static_cast<int>(rect.y + rect.h / 2), 1, 1},
            Game::Hotspots::colour);
    };
    const auto named = [&] { // some of the id's letters, above the frame
        const SDL_Rect above{static_cast<int>(rect.x), static_cast<int>(rect.y) - 12, 60, 12};
        const auto pixels = Support::read_pixels(app->render_context.renderer, above);
        return std::any_of(pixels.begin(), pixels.end(), [](SDL_Color pixel) {
            return pixel.r > 200 && pixel.g < 60 && pixel.b > 200;
        });
    };
    press(SDLK_F3);
    EXPECT_FALSE(framed()) << "a player's game shows none";
    app->watch_data();
    press(SDLK_F3);
    EXPECT_TRUE(framed());
    EXPECT_TRUE(named());
    press(SDLK_F3);
    EXPECT_FALSE(framed() || named());
}

TEST_F(Game_flow, a_level_file_broken_while_the_game_runs_ends_it_with_the_files_name)
{
    play.click(*app->main_menu->play_button);
    for (const char* broken : {"", "<level><scene type=\"room\""}) {
        Support::write_file("level_2.xml", broken); // emptied, or cut short
        EXPECT_EQ(Support::error_of([&] { play.win_level(); }),
                  "level_2.xml: Can not load a file with UI");
        app->level_number = 1; // as if the player started again
        app->load_level();
        model.set_screen("play");
    }
}

TEST_F(Vossmere, a_missing_screen_or_level_file_at_the_start_is_named_in_the_error)
{
    for (const auto& [file, message] :
         {std::pair{"room.xml", "level_1.xml: scene \"room.xml\": Can not load a file with Scene"},
          std::pair{"play_ui.xml", "play_ui.xml: Can not load a file with UI"}}) {
        std::filesystem::rename(file, "moved");
        EXPECT_EQ(Support::error_of([&] { start(); }), message);
        std::filesystem::rename("moved", file);
    }
    // Opened in one call, without a frame between the menu and the rest, the game is whole too.
    const auto whole = Game::create_application(model);
    EXPECT_TRUE(whole->play_ui && whole->complete_ui && whole->current_level);
}

TEST_F(Vossmere, letterboxes_the_canvas_and_measures_the_pointer_from_its_left_edge)
{
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
        const auto app = start(resolution);
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
        EXPECT_TRUE(Support::region_is(renderer, {0, 300, bar, 1}, Support::black));
        EXPECT_TRUE(Support::region_is(renderer, {bar, 300, app->window.width - 2 * bar, 1},
                                       Support::white));

        app->dispatch_mouse_event(SDL_MOUSEMOTION, 300, 10);
        EXPECT_FLOAT_EQ(caught_x, pointer_at_300);
    }
}

TEST_F(Vossmere, draws_a_frame_only_after_a_pass_that_changed_something_or_lost_the_picture)
{
    const auto app = start("320x240");
    const auto run_pass = [&app](Uint32 type, Uint8 detail, int x, int y) {
        SDL_WarpMouseInWindow(app->window.handle, x, y);
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        app->render_context.fill_rect({0, 0, 320, 240}, 0xFF0000FF);
        Support::push_sdl_event(type, detail);
        Support::push_sdl_event(SDL_QUIT);
        app->run();
    };
    const auto pixel_is = [&app](int x, int y, SDL_Color colour) {
        return Support::region_is(app->render_context.renderer, {x, y, 1, 1}, colour);
    };
    const SDL_Color button{90, 90, 90, 255}, nothing = Support::red;
    // The pointer at (x, y) when the event is handled; the play button covers (0, 0) to (44, 11).
    // Afterwards: the middle of the window, and the play button.
    using Pass = std::tuple<Uint32, int, int, int, SDL_Color, SDL_Color>;
    for (const auto& [type, detail, x, y, middle, play] : std::vector<Pass>{
             {SDL_KEYDOWN, 0, 300, 200, nothing, nothing},
             {SDL_MOUSEMOTION, 0, 300, 200, nothing, nothing}, // over nothing
             {SDL_WINDOWEVENT, SDL_WINDOWEVENT_MOVED, 300, 200, nothing, nothing},
             {SDL_WINDOWEVENT, SDL_WINDOWEVENT_EXPOSED, 300, 200, Support::white, button},
             {SDL_WINDOWEVENT, SDL_WINDOWEVENT_SHOWN, 300, 200, Support::white, button},
             {SDL_WINDOWEVENT, SDL_WINDOWEVENT_RESTORED, 300, 200, Support::white, button},
             {SDL_WINDOWEVENT, SDL_WINDOWEVENT_SIZE_CHANGED, 300, 200, Support::white, button},
             {SDL_WINDOWEVENT, SDL_WINDOWEVENT_DISPLAY_CHANGED, 300, 200, Support::white, button},
             {SDL_RENDER_TARGETS_RESET, 0, 300, 200, Support::white, button},
             // Onto the play button, whose looks for a pointer over it and a press are empty.
             {SDL_MOUSEMOTION, 0, 10, 5, Support::white, Support::white},
             {SDL_MOUSEBUTTONDOWN, 0, 10, 5, Support::white, Support::white}}) {
        run_pass(type, static_cast<Uint8>(detail), x, y);
        EXPECT_TRUE(pixel_is(160, 120, middle))
            << type << " " << detail << " at " << x << ", " << y;
        EXPECT_TRUE(pixel_is(40, 2, play)) << type << " " << detail;
        EXPECT_EQ(app->children, Support::Children{app->main_menu}); // and nothing else changed
    }
    // A lost device takes the textures with it: the image is read from its file again.
    run_pass(SDL_MOUSEMOTION, 0, 300, 200);
    Support::write_png("button.png", 20, 5, Support::green);
    run_pass(SDL_RENDER_DEVICE_RESET, 0, 300, 200);
    EXPECT_TRUE(pixel_is(40, 2, Support::green));

    // The exit button covers (0, 22) to (44, 33); a release of the right button on it ends the
    // loop after this pass.
    SDL_WarpMouseInWindow(app->window.handle, 10, 27);
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    Support::push_sdl_event(SDL_MOUSEBUTTONDOWN);
    Support::push_sdl_event(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT);
    app->run();
    EXPECT_TRUE(app->exit_requested);
}

} // namespace
