#include "engine/resources/music.h"

#include "engine/resources/regular_file.h"

#include <SDL_mixer.h>

namespace GE {

Music::Music(const std::string& file) : music(open_regular_file(file, Mix_LoadMUS)) {}

void Music::Free::operator()(Mix_Music* music) const { Mix_FreeMusic(music); }

} // namespace GE
