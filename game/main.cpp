#include "engine/core/sdl_lifetime.h"
#include "engine/core/window_settings.h"
#include "game/vossmere.h"
#include "game/vossmere_model.h"

#include <SDL.h>

#include <exception>
#include <iostream>
#include <memory>

namespace {

constexpr const char* title = "Vossmere";

// Runs the game; the teardown order is that of the locals: the application (its screens,
// cached textures, renderer and window), then the model, then the libraries.
int play()
{
    SDL_SetHint("SDL_RENDER_SCALE_QUALITY", "best");
    const GE::SDL_lifetime sdl;
    Game::Vossmere_model model;
    auto app = std::make_shared<Game::Vossmere>(title, 0xFFFFFFFF, GE::window_settings, model);
    app->render();
    app->run();
    return 0;
}

void report(const char* message)
{
    std::cerr << title << ": " << message << '\n';
    // Fails quietly where there is no display to show it on.
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title, message, nullptr);
}

} // namespace

int main(int, char*[])
{
    try {
        return play();
    } catch (const std::exception& error) {
        report(error.what());
    } catch (...) {
        report("an unknown error ended the game");
    }
    return 1;
}
