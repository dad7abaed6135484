#include "engine/resources/music.h"

#include "engine/resources/regular_file.h"

#include <SDL_mixer.h>

namespace GE {

namespace {

Mix_Music* load_music(const std::string& file)
{
    require_regular_file(file);
    return Mix_LoadMUS(file.c_str());
}

} // namespace

Music::Music(const std::string& file) : music(load_music(file)) {}

void Music::Free::operator()(Mix_Music* music) const { Mix_FreeMusic(music); }

} // namespace GE
