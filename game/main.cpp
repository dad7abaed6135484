#include "engine/core/error_text.h"
#include "engine/core/sdl_lifetime.h"
#include "game/create_application.h"
#include "game/options.h"
#include "game/vossmere.h"
#include "game/vossmere_model.h"

#include <SDL.h>

#include <chrono>
#include <cstdlib>
#include <exception>
#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <iostream>
#include <memory>
#include <span>
#include <string>

namespace {

constexpr const char* title = "Vossmere";

// With VOSSMERE_TIMELINE set, the game prints the moment each phase of its start ended, on the
// steady clock ("first frame 123456789" in nanoseconds), and ends once it is started: the
// benchmarks read the clock before starting the program and place each phase after it.
class Timeline {
public:
    Timeline() : printing(std::getenv("VOSSMERE_TIMELINE") != nullptr) {}

    void passed(const char* phase) const
    {
        if (!printing)
            return;
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::cout << phase << ' '
                  << std::chrono::duration_cast<std::chrono::nanoseconds>(now).count() << '\n';
    }

    const bool printing;
};

// Runs the game, in the level the options name if they name one; the teardown order is that of
// the locals: the application (its screens, cached textures, renderer and window), then the
// model, then the libraries.
int play(const Game::Options& options)
{
    const Timeline timeline;
    SDL_SetHint("SDL_RENDER_SCALE_QUALITY", "best");
    const GE::SDL_lifetime sdl;
    timeline.passed("libraries");
    Game::Vossmere_model model;
    // Shared: the application is the root container, which its children find through it. It
    // shows its first frame while it is being made.
    const std::shared_ptr<Game::Vossmere> app =
        Game::start_application(model, [&timeline](const char* phase) { timeline.passed(phase); });
    if (options.level > 0)
        app->start_at(options.level, options.view);
    if (options.watch)
        app->watch_data();
    if (!timeline.printing)
        app->run();
    return 0;
}

// Ends the program with `status`. In the browser a timer removed before it fired still holds the
// page's runtime alive, and returning from main would leave the game neither running nor ended.
int leave(int status)
{
#ifdef __EMSCRIPTEN__
    emscripten_force_exit(status);
#endif
    return status;
}

void report_failure(const std::string& message)
{
    std::cerr << title << ": " << message << '\n';
    // Fails quietly where there is no display to show it on.
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title, message.c_str(), nullptr);
}

} // namespace

int main(int argc, char* argv[])
{
#ifdef __GLIBC__
    // Decoded images are large and short-lived: keep them out of the heap, so that freeing one
    // gives its memory back instead of raising glibc's threshold and keeping the next one there.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    try {
        const auto arguments = std::span<const char* const>(argv, static_cast<std::size_t>(argc));
        return leave(play(Game::Options::read(arguments.subspan(arguments.empty() ? 0 : 1))));
    } catch (const std::exception& error) {
        report_failure(GE::error_text(error));
    } catch (...) {
        report_failure("an unknown error ended the game");
    }
    return leave(1);
}
