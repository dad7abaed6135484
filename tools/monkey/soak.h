#pragma once

#include "engine/core/sdl_lifetime.h"
#include "game/vossmere_model.h"
#include "tools/monkey/input_storm.h"
#include "tools/monkey/memory_curve.h"
#include "tools/monkey/scratch_home.h"
#include "tools/monkey/screen_tally.h"

#include <chrono>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>

namespace Game {
class Vossmere;
}

namespace Tools {

// Plays the whole game in this process, headless, through an Input_storm for a number of
// seconds, with the game's own loop: the storm's events are queued, then a quit, and the game
// runs until it has handled them all. A game that asks to end (the main menu's Exit) is replaced
// by a new one. Then judges the run: nothing thrown, every screen reached, the heap flat from the
// end of a warm-up on.
class Soak {
public:
    // Brings SDL up; the working folder holds the game's data. Throws as SDL_lifetime does.
    Soak(std::uint64_t seed, int seconds);
    ~Soak();
    Soak(const Soak&) = delete;
    Soak& operator=(const Soak&) = delete;

    // Warms up, then plays for the seconds asked; an exception that escapes the game ends the play
    // early and is kept as the failure.
    void play();
    // Prints what was sent, reached and measured, each judgement, and PASS or FAIL; answers
    // whether the run passed. `curve_every` is the seconds between the memory curve's lines.
    bool report(std::ostream& out, int curve_every) const;

private:
    // Shows, through the driver and before the storm, every screen and view once (what a game
    // keeps once it has drawn it: every image decoded, the settings' fonts) and the largest window
    // the storm asks for: the first window's peak is then the heap's steady state, which the last
    // one is held to, and not a heap still filling. Not counted among the screens reached.
    void warm_up();
    // Plays from the main menu through the settings, a death, every view of every level and the
    // completion screen, back to the main menu.
    void walk_every_screen();
    void step();
    void start_game();
    // Queues a quit after the events queued, and runs the game over them.
    void run_game();
    // Runs the game over the steps queued and notes the screens it shows; a game that asked to
    // end is let go, for the next step to start another.
    void run_queued();
    void sample_memory();
    double elapsed() const;

    const std::uint64_t seed;
    const int seconds;
    const Scratch_home home;
    const GE::SDL_lifetime sdl;
    Game::Vossmere_model model;
    // Declared before the game: its pads are unplugged after the game is gone.
    Input_storm storm;
    std::shared_ptr<Game::Vossmere> app;

    Screen_tally screens;
    Memory_curve memory;
    int games = 0;
    int last_level = 1;
    int queued = 0;
    double next_sample = 0;
    std::string failure;
    std::chrono::steady_clock::time_point started;
};

} // namespace Tools
