#pragma once

namespace GE {

// Brings up SDL (video and audio), SDL_image (PNG), SDL_ttf and SDL_mixer (OGG) and opens the
// audio device. The first engine call of the program. Throws SDL_runtime_error.
void init_sdl();

// Releases cached fonts and textures, closes audio and shuts the libraries down. The last engine
// call of the program, made after the application is gone.
void quit_sdl() noexcept;

} // namespace GE
