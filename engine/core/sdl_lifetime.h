#pragma once

namespace GE {

// Brings up SDL (video and audio), SDL_image (PNG), SDL_ttf and SDL_mixer (OGG) and opens the
// audio device. The first engine call of the program. Throws SDL_runtime_error.
void init_sdl();

// Releases cached fonts and textures, closes audio and shuts the libraries down. The last engine
// call of the program, made after the application is gone.
void quit_sdl() noexcept;

// Keeps SDL and its libraries up for its own lifetime. Declared first in main, so that every
// window, renderer, texture and font is gone before the libraries are shut down.
class SDL_lifetime {
public:
    // Calls init_sdl; on failure shuts down what came up and rethrows.
    SDL_lifetime();
    ~SDL_lifetime();
    SDL_lifetime(const SDL_lifetime&) = delete;
    SDL_lifetime& operator=(const SDL_lifetime&) = delete;
};

} // namespace GE
