// The CPU the engine's loop takes while nothing happens: an application with an empty window runs
// for some seconds (3 unless given) with no game controller, then with a virtual one plugged in,
// and, for comparison, a bare SDL_WaitEvent loop with that controller open and SDL reading it
// itself. Prints for each the CPU share and the context switches per second (how often the
// process slept and woke):
//   idle <case> cpu_percent <x> switches_per_s <y>
// The figures mean something only with a video driver that can wait (X11, Wayland): run it
// under Xvfb, as bench/run.py does. SDL's dummy driver polls every millisecond.
#include "engine/core/app.h"
#include "engine/core/app_window.h"
#include "engine/core/sdl_lifetime.h"
#include "engine/core/window_settings.h"
#include "tools/driver/virtual_pad.h"

#include <SDL_events.h>
#include <SDL_timer.h>
#include <SDL_video.h>

#include <cstdlib>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <sys/resource.h>

namespace {

// Takes every event and draws nothing.
struct Idle_app : GE::App {
    Idle_app() : GE::App("idle", 0xFF000000, small_window()) {}

    static GE::Window_settings small_window()
    {
        GE::Window_settings settings;
        settings.resolution = std::make_unique<GE::Resolution>("640x480");
        return settings;
    }
    bool handle_sdl_event(const SDL_Event&) override { return true; }
};

struct Usage {
    double cpu_seconds;
    long switches;
};

Usage usage_now()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](timeval time) { return time.tv_sec + time.tv_usec / 1e6; };
    return {seconds(usage.ru_utime) + seconds(usage.ru_stime), usage.ru_nvcsw + usage.ru_nivcsw};
}

Uint32 queue_quit(Uint32, void*)
{
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    return 0;
}

// Runs `loop`, which returns on SDL_QUIT, for `ms` milliseconds; answers what it cost per second.
Usage cost_of(Uint32 ms, const std::function<void()>& loop)
{
    const SDL_TimerID timer = SDL_AddTimer(ms, queue_quit, nullptr);
    const Usage before = usage_now();
    const Uint64 start = SDL_GetTicks64();
    loop();
    const double seconds = static_cast<double>(SDL_GetTicks64() - start) / 1000;
    const Usage after = usage_now();
    SDL_RemoveTimer(timer);
    return {(after.cpu_seconds - before.cpu_seconds) / seconds,
            static_cast<long>(static_cast<double>(after.switches - before.switches) / seconds)};
}

void print(const std::string& name, Usage cost)
{
    std::cout << "idle " << name << " cpu_percent " << 100 * cost.cpu_seconds << " switches_per_s "
              << cost.switches << std::endl;
}

// The application's loop, measured once its window has settled (its first events and frame).
Usage cost_of_app(Uint32 ms)
{
    Idle_app app;
    cost_of(500, [&] { app.run(); });
    return cost_of(ms, [&] { app.run(); });
}

} // namespace

int main(int argc, char** argv)
{
    const Uint32 ms = argc > 1 ? static_cast<Uint32>(std::atoi(argv[1]) * 1000) : 3000;
    const GE::SDL_lifetime sdl;
    std::cout << "video_driver " << SDL_GetCurrentVideoDriver() << '\n';
    print("no_controller", cost_of_app(ms));
    const Tools::Virtual_pad pad;
    print("one_controller", cost_of_app(ms));
    // A window of the engine's own, as the game has, so that SDL can wait on its display; no
    // application, whose controllers would take the reading of the pad from SDL.
    const GE::App_window window("idle", GE::Window_settings{});
    print("one_controller_sdl_auto_update", cost_of(ms, [] {
              SDL_Event event;
              while (SDL_WaitEvent(&event) == 1 && event.type != SDL_QUIT) {
              }
          }));
    return 0;
}
