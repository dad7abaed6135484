#include "engine/core/sdl_lifetime.h"

#include "engine/core/ge_runtime_error.h"
#include "engine/core/sdl_runtime_error.h"
#include "engine/resources/audio.h"
#include "engine/resources/resources.h"

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>

#include <cstring>
#include <iostream>

namespace GE {

namespace {

void require(bool succeeded)
{
    if (!succeeded)
        throw SDL_runtime_error::from_sdl();
}

// Without a display SDL falls back to a driver that draws into memory: the game would run with
// no window, waiting for input that can never come. Those drivers serve only who asks for them
// (the tests, the tools).
void require_display()
{
    const char* chosen = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    if (chosen != nullptr && *chosen != '\0')
        return;
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr || std::strcmp(driver, "offscreen") == 0 ||
        std::strcmp(driver, "dummy") == 0)
        throw GE_runtime_error("No display to open a window on");
}

} // namespace

void use_headless_drivers()
{
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    SDL_setenv("SDL_RENDER_DRIVER", "software", 1);
}

void init_sdl()
{
    // A click that activates the window is delivered as a click too.
    SDL_SetHint("SDL_MOUSE_FOCUS_CLICKTHROUGH", "1");
    // Fullscreen here changes the display's mode. Alt+Tab away minimises the game, so that the
    // desktop gets its own mode back while the player is elsewhere, and out of sight the game
    // pauses; coming back restores the window, which takes its mode again. Left to SDL's "auto",
    // whether it minimises would depend on the screensaver setting.
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "1");
    // Windows draws a program that does not say it knows of DPI at 96 and stretches its pictures,
    // blurring them; this one draws at each monitor's own pixels.
    SDL_SetHint(SDL_HINT_WINDOWS_DPI_AWARENESS, "permonitorv2");
    require(SDL_Init(SDL_INIT_VIDEO) == 0);
    require_display();
    // The mouse and keyboard play without the controllers.
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
        std::cerr << "Playing without game controllers: " << SDL_GetError() << '\n';
    require(IMG_Init(IMG_INIT_PNG) != 0);
    require(TTF_Init() == 0);
}

bool open_audio()
{
    if (Mix_QuerySpec(nullptr, nullptr, nullptr) != 0)
        return true;
    require(Mix_Init(MIX_INIT_OGG) != 0);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && open_audio_device())
        return true;
    audio_silent = true;
    std::cerr << "Playing without sound: " << SDL_GetError() << '\n';
    return false;
}

void quit_sdl() noexcept
{
    auto& resources = Resources::instance();
    resources.clear_fonts();
    resources.clear_textures();
    // Chunks and music go while SDL_mixer can still free them.
    resources.clear_audio();
    Mix_CloseAudio();
    Mix_Quit();
    TTF_Quit();
    IMG_Quit();
    SDL_Quit();
}

SDL_lifetime::SDL_lifetime()
{
    try {
        init_sdl();
    } catch (...) {
        quit_sdl();
        throw;
    }
}

SDL_lifetime::~SDL_lifetime() { quit_sdl(); }

} // namespace GE
