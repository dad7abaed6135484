// The cost of one frame and of one mouse event on the game's heaviest screens, next to their
// floor: the same drawing calls issued straight to SDL. Also the cost of loading each level.
//
//   frame_bench [google benchmark flags]
//   frame_bench --callgrind game|floor SCREEN RESOLUTION FRAMES   (instructions, under callgrind)
#include "bench/sdl_recorder.h"
#include "engine/core/event_names.h"
#include "engine/core/mouse_event.h"
#include "engine/core/sdl_lifetime.h"
#include "engine/resources/resources.h"
#include "engine/widgets/button.h"
#include "engine/widgets/drop_down_list.h"
#include "game/level.h"
#include "game/level_loader.h"
#include "game/main_menu.h"
#include "game/settings_menu.h"
#include "game/vossmere.h"
#include "game/vossmere_model.h"
#include "tools/driver/game_driver.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <valgrind/callgrind.h>

namespace {

const std::vector<std::string> screens{"level_dialog", "settings_list"};
const std::vector<std::string> resolutions{"1024x768", "1920x1080"};

// The game at a resolution, showing one of its heaviest screens: a level's view with the overlay
// and the "enter" dialog, or the settings with the resolution list unfolded.
class Heavy_screen {
public:
    Heavy_screen(const std::string& screen, const std::string& resolution)
        : app(Tools::open_game(model, resolution)), play(*app)
    {
        app->render(); // sets the scale the clicks are aimed with
        if (screen == "level_dialog") {
            play.click(*app->main_menu->play_button);
            play.click_door(app->current_level->correct_door_label);
        } else {
            play.click(*app->main_menu->settings_button);
            play.click(*app->settings_menu->resolution_list);
        }
    }

    // The drawing calls of one frame.
    std::vector<Bench::Sdl_call> frame_calls()
    {
        auto& recorder = Bench::Sdl_recorder::instance();
        recorder.start();
        app->render();
        return recorder.stop();
    }

    Game::Vossmere_model model;
    std::shared_ptr<Game::Vossmere> app;
    Tools::Game_driver play;
};

void game_frame(benchmark::State& state, std::string screen, std::string resolution)
{
    Heavy_screen shown(screen, resolution);
    for (auto _ : state)
        shown.app->render();
}

void floor_frame(benchmark::State& state, std::string screen, std::string resolution)
{
    Heavy_screen shown(screen, resolution);
    const auto calls = shown.frame_calls();
    for (auto _ : state)
        Bench::Sdl_recorder::replay(calls);
    state.counters["calls"] = static_cast<double>(calls.size());
}

// A pointer moving between two points of the screen: each event goes through the whole tree and
// flips the hover state of what it leaves and enters. No frame is drawn.
void mouse_event(benchmark::State& state, std::string screen, std::string resolution)
{
    Heavy_screen shown(screen, resolution);
    const float points[2][2] = {{200, 200}, {700, 500}};
    int which = 0;
    for (auto _ : state) {
        GE::Mouse_event motion(GE::mouse_motion_event, points[which][0], points[which][1]);
        shown.app->dispatch_event(motion);
        which = 1 - which;
    }
}

// Loading a level and drawing its first view, which decodes the images that view shows: cold
// with empty caches, warm with the images and fonts decoded already.
void load_level(benchmark::State& state, int number, bool warm)
{
    Game::Vossmere_model model;
    const auto app = Tools::open_game(model, "1024x768");
    app->clear_children();
    const std::string file = "level_" + std::to_string(number) + ".xml";
    for (auto _ : state) {
        if (!warm) {
            state.PauseTiming();
            GE::Resources::instance().clear_textures();
            GE::Resources::instance().clear_fonts();
            state.ResumeTiming();
        }
        auto level = std::make_shared<Game::Level>(&app->render_context, &app->window, &model);
        Game::Level_loader(&app->render_context).load(*level, file);
        app->add_child(level);
        app->render();
        state.PauseTiming();
        app->clear_children();
        state.ResumeTiming();
    }
}

void register_benchmarks()
{
    for (const auto& screen : screens)
        for (const auto& resolution : resolutions) {
            const std::string name = screen + "/" + resolution;
            benchmark::RegisterBenchmark(("frame/game/" + name).c_str(), game_frame, screen,
                                         resolution)
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(("frame/floor/" + name).c_str(), floor_frame, screen,
                                         resolution)
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(("mouse_event/" + name).c_str(), mouse_event, screen,
                                         resolution)
                ->Unit(benchmark::kMicrosecond);
        }
    for (int number = 1; number <= 3; ++number)
        for (const bool warm : {false, true})
            benchmark::RegisterBenchmark(
                ("load_level/" + std::to_string(number) + (warm ? "/warm" : "/cold")).c_str(),
                load_level, number, warm)
                ->Unit(benchmark::kMillisecond);
}

// Draws `frames` frames of the game or of its floor, counting instructions only meanwhile.
int count_instructions(const std::string& kind, const std::string& screen,
                       const std::string& resolution, int frames)
{
    Heavy_screen shown(screen, resolution);
    const auto calls = shown.frame_calls();
    CALLGRIND_ZERO_STATS;
    CALLGRIND_TOGGLE_COLLECT;
    for (int frame = 0; frame < frames; ++frame) {
        if (kind == "game")
            shown.app->render();
        else
            Bench::Sdl_recorder::replay(calls);
    }
    CALLGRIND_TOGGLE_COLLECT;
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    GE::use_headless_drivers();
    std::filesystem::current_path(VOSSMERE_RUN_DIR);
    const GE::SDL_lifetime sdl;
    if (argc == 6 && std::string(argv[1]) == "--callgrind")
        return count_instructions(argv[2], argv[3], argv[4], std::atoi(argv[5]));
    register_benchmarks();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
