#include "tools/monkey/soak.h"

#include "engine/core/error_text.h"
#include "engine/core/window_settings.h"
#include "engine/resources/audio.h"
#include "engine/widgets/button.h"
#include "game/complete_ui.h"
#include "game/confirmation.h"
#include "game/create_application.h"
#include "game/display_confirmation.h"
#include "game/level.h"
#include "game/main_menu.h"
#include "game/play_ui.h"
#include "game/settings_menu.h"
#include "game/vossmere.h"
#include "tools/driver/game_driver.h"

#include <SDL_events.h>

#include <cmath>
#include <iomanip>
#include <ostream>

namespace Tools {

namespace {

// The most steps queued for one run of the loop, when none of them clicks.
constexpr int steps_per_run = 4;

} // namespace

Soak::Soak(std::uint64_t seed, int seconds) : seed(seed), seconds(seconds), storm(seed) {}

Soak::~Soak() = default;

void Soak::play()
{
    try {
        start_game();
        warm_up();
        // The storm's time starts here, the heap filled.
        started = std::chrono::steady_clock::now();
        sample_memory();
        while (elapsed() < seconds)
            step();
        if (app && queued > 0)
            run_queued();
        sample_memory();
    } catch (const std::exception& error) {
        failure = "an exception escaped the game: " + GE::error_text(error);
    }
    app.reset();
}

void Soak::warm_up()
{
    // Text is rendered at twice its size in a window taller than the design, from fonts of twice
    // the size: the walk is made at the window's first size, then at the largest.
    walk_every_screen();
    app->act(Game::Action::fullscreen);
    app->render();
    Game_driver(*app).click(*app->display.dialog->revert_button);
    SDL_SetWindowSize(app->window.handle, Input_storm::largest_window.first,
                      Input_storm::largest_window.second);
    run_game();
    walk_every_screen();
}

void Soak::walk_every_screen()
{
    Game_driver play(*app);
    play.click(*app->main_menu->settings_button);
    play.click(*app->settings_menu->back_button);
    play.click(*app->main_menu->play_button);
    play.lose_level();
    play.click(*app->retry_confirmation->yes_button);
    for (int level = 1; level <= app->last_level; ++level) {
        // An image is decoded when it is first drawn: every view is shown once.
        for (std::size_t view = 0; view < app->current_level->scenes.size(); ++view)
            play.click(*app->play_ui->go_right_button);
        play.win_level();
    }
    play.click(*app->complete_ui->exit_to_main_menu_button);
    run_game();
}

void Soak::step()
{
    const Input_storm::Kind kind = storm.pick();
    if (Input_storm::aims(kind) && queued > 0)
        run_queued();
    if (!app)
        start_game();
    storm.queue(kind, *app);
    ++queued;
    if (Input_storm::clicks(kind) || queued >= steps_per_run)
        run_queued();
}

void Soak::start_game()
{
    // As a new run of the program starts: nothing kept from the last game but the files it saved.
    GE::window_settings = GE::Window_settings{};
    GE::current_music.clear();
    app = Game::start_application(model);
    ++games;
    last_level = app->last_level;
    screens.sample(*app);
}

void Soak::run_game()
{
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    app->run();
}

void Soak::run_queued()
{
    run_game();
    queued = 0;
    screens.sample(*app);
    if (app->exit_requested)
        app.reset();
    sample_memory();
}

void Soak::sample_memory()
{
    const double now = elapsed();
    if (now < next_sample)
        return;
    memory.add(now, Memory_curve::live_heap_bytes());
    next_sample = std::floor(now) + 1;
}

double Soak::elapsed() const
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
}

bool Soak::report(std::ostream& out, int curve_every) const
{
    out << "memory curve (seconds, live heap bytes):\n";
    double next_line = 0;
    for (const auto& sample : memory.samples)
        if (sample.seconds >= next_line) {
            out << "  " << std::fixed << std::setprecision(1) << sample.seconds << ' '
                << sample.bytes << '\n';
            next_line = std::floor(sample.seconds) + curve_every;
        }

    out << "events sent:";
    for (std::size_t kind = 0; kind < Input_storm::kinds; ++kind)
        out << (kind == 0 ? " " : ", ")
            << Input_storm::name_of(static_cast<Input_storm::Kind>(kind)) << ' '
            << storm.sent[kind];
    out << "\nscreens reached:";
    for (const auto& name : Screen_tally::screens(last_level)) {
        const auto found = screens.seen.find(name);
        out << ' ' << name << ' ' << (found == screens.seen.end() ? 0 : found->second) << ';';
    }
    out << "\ngames started: " << games << '\n';

    const auto total = static_cast<double>(seconds);
    const std::size_t first = memory.first_peak(total), last = memory.last_peak(total);
    const double window = Memory_curve::window_for(total);
    out << "memory: peak " << first << " bytes over the first " << std::setprecision(0) << window
        << " s, " << last << " bytes over the last " << window << " s";
    if (first > 0)
        out << " (" << std::showpos << std::setprecision(1)
            << 100.0 * (static_cast<double>(last) - static_cast<double>(first)) /
                   static_cast<double>(first)
            << std::noshowpos << " %)";
    out << '\n';

    bool passed = true;
    const auto judge = [&](bool holds, const std::string& why) {
        if (!holds) {
            out << "monkey: " << why << '\n';
            passed = false;
        }
    };
    judge(failure.empty(), failure);
    std::string never;
    for (const auto& name : screens.missing(last_level))
        never += (never.empty() ? "" : ", ") + name;
    judge(never.empty(), "never reached: " + never);
    judge(memory.flat(total), "the heap grew by more than " +
                                  std::to_string(static_cast<int>(Memory_curve::tolerance * 100)) +
                                  " % from the first window to the last");
    out << "seed " << seed << ", " << seconds << " s: " << (passed ? "PASS" : "FAIL") << '\n';
    if (!passed)
        out << "monkey: failed with seed " << seed << " (replay: vossmere-monkey --seed " << seed
            << " --seconds " << seconds << ")\n";
    return passed;
}

} // namespace Tools
