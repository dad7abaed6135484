// A full playthrough of the shipped game, headless, for the figures a test should not carry:
//   playthrough memory   three levels, a death and the settings screen; prints the peak memory
//   playthrough backlog  1000 motion events queued at once; prints the frames and passes needed
// Run in valgrind or with LeakSanitizer, the first one is the leak check of a whole game.
#include "bench/sdl_recorder.h"
#include "engine/core/sdl_lifetime.h"
#include "engine/widgets/button.h"
#include "engine/widgets/drop_down_list.h"
#include "game/complete_ui.h"
#include "game/confirmation.h"
#include "game/level.h"
#include "game/main_menu.h"
#include "game/settings_menu.h"
#include "game/vossmere.h"
#include "game/vossmere_model.h"
#include "tools/driver/game_driver.h"

#include <SDL_events.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <sys/resource.h>

namespace {

void play_everything(Game::Vossmere& app)
{
    Tools::Game_driver play(app);
    play.click(*app.main_menu->play_button);
    for (int level = 1; level <= 3; ++level)
        play.win_level();
    play.click(*app.complete_ui->exit_to_main_menu_button);
    play.click(*app.main_menu->play_button);
    play.lose_level();
    play.click(*app.retry_confirmation->no_button);
    play.click(*app.main_menu->settings_button);
    play.click(*app.settings_menu->resolution_list);
    play.click(*app.settings_menu->back_button);
}

// The pointer ends over the play button after a thousand motion events: one pass of the loop
// takes them all, and one frame shows where it ended.
void flood_with_motion(Game::Vossmere& app)
{
    const auto target = app.main_menu->play_button->get_screen_rect();
    const int x = static_cast<int>(target.x + target.w / 2);
    const int y = static_cast<int>(target.y + target.h / 2);
    SDL_WarpMouseInWindow(app.window.handle, x, y);
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    for (int i = 0; i < 1000; ++i) {
        SDL_Event motion{};
        motion.type = SDL_MOUSEMOTION;
        SDL_PushEvent(&motion);
    }
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    auto& recorder = Bench::Sdl_recorder::instance();
    recorder.presents = 0;
    app.run();
    std::cout << "backlog_frames " << recorder.presents << " hovered "
              << (app.main_menu->play_button->mouse_over ? 1 : 0) << '\n';
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "memory";
    GE::use_headless_drivers();
    std::filesystem::current_path(VOSSMERE_RUN_DIR);
    {
        const GE::SDL_lifetime sdl;
        Game::Vossmere_model model;
        const auto app = Tools::open_game(model, "1024x768");
        app->render();
        if (mode == "backlog")
            flood_with_motion(*app);
        else
            play_everything(*app);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::cout << "peak_kib " << usage.ru_maxrss << '\n';
    return 0;
}
