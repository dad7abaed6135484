#pragma once

namespace GE {

// Chooses SDL's drivers for a program without a display or a sound card: the dummy video and
// audio drivers and the software renderer. Called before SDL comes up, which reads them once.
void use_headless_drivers();

// Brings up SDL's video, SDL_image (PNG) and SDL_ttf: what the first frame needs; and the game
// controllers, whose failure costs one line on stderr. The first engine call of the program. Throws
// SDL_runtime_error; throws GE_runtime_error when there is no display, that is when SDL fell back
// to its offscreen or dummy driver without SDL_VIDEODRIVER naming it.
void init_sdl();

// Brings up SDL's audio and SDL_mixer (OGG) and opens the audio device, unless that was done
// already. A machine without a usable audio device (a remote desktop, a server) still plays: the
// game goes silent (GE::audio_silent) after a one-line notice on stderr, and false is returned.
// Throws SDL_runtime_error when SDL_mixer cannot decode OGG.
bool open_audio();

// Releases cached fonts and textures, closes audio and shuts the libraries down. The last engine
// call of the program, made after the application is gone.
void quit_sdl() noexcept;

// Keeps SDL and its libraries up for its own lifetime. Declared first in main, so that every
// window, renderer, texture and font is gone before the libraries are shut down.
class SDL_lifetime {
public:
    // Calls init_sdl (the audio comes up with open_audio); on failure shuts down what came up and
    // rethrows.
    SDL_lifetime();
    ~SDL_lifetime();
    SDL_lifetime(const SDL_lifetime&) = delete;
    SDL_lifetime& operator=(const SDL_lifetime&) = delete;
};

} // namespace GE
