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

int play()
{
    SDL_SetHint("SDL_RENDER_SCALE_QUALITY", "best");
    GE::init_sdl();
    Game::Vossmere_model model;
    {
        auto app = std::make_shared<Game::Vossmere>(title, 0xFFFFFFFF, GE::window_settings, model);
        app->render();
        app->run();
    }
    GE::quit_sdl();
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
    GE::quit_sdl();
    return 1;
}
