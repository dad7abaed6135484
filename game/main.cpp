#include "engine/core/error_text.h"
#include "engine/core/sdl_lifetime.h"
#include "game/create_application.h"
#include "game/vossmere.h"
#include "game/vossmere_model.h"

#include <SDL.h>

#include <chrono>
#include <cstdlib>
#include <exception>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <iostream>
#include <memory>
#include <string>

namespace {

constexpr const char* title = "Vossmere";

// Runs the game; the teardown order is that of the locals: the application (its screens,
// cached textures, renderer and window), then the model, then the libraries.
int play()
{
    SDL_SetHint("SDL_RENDER_SCALE_QUALITY", "best");
    const GE::SDL_lifetime sdl;
    Game::Vossmere_model model;
    // Shared: the application is the root container, which its children find through it.
    const std::shared_ptr<Game::Vossmere> app = Game::create_application(model);
    app->render();
    if (std::getenv("VOSSMERE_REPORT_FIRST_FRAME") != nullptr) {
        // For the start-up benchmark: the moment the first frame was presented, on the clock
        // the benchmark read before starting the program.
        const auto since_boot = std::chrono::steady_clock::now().time_since_epoch();
        std::cout << "first_frame_ns "
                  << std::chrono::duration_cast<std::chrono::nanoseconds>(since_boot).count()
                  << std::endl;
        return 0;
    }
    app->run();
    return 0;
}

void report(const std::string& message)
{
    std::cerr << title << ": " << message << '\n';
    // Fails quietly where there is no display to show it on.
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title, message.c_str(), nullptr);
}

} // namespace

int main(int, char*[])
{
#ifdef __GLIBC__
    // Decoded images are large and short-lived: keep them out of the heap, so that freeing one
    // gives its memory back instead of raising glibc's threshold and keeping the next one there.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    try {
        return play();
    } catch (const std::exception& error) {
        report(GE::error_text(error));
    } catch (...) {
        report("an unknown error ended the game");
    }
    return 1;
}
