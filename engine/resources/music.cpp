#include "engine/resources/music.h"

#include "engine/core/sdl_runtime_error.h"

#include <SDL_mixer.h>

namespace GE {

Music::Music(const std::string& file) : music(Mix_LoadMUS(file.c_str()))
{
    if (music == nullptr)
        throw SDL_runtime_error::from_sdl();
}

Music::~Music() { Mix_FreeMusic(music); }

} // namespace GE
