#include "engine/resources/chunk.h"

#include "engine/resources/regular_file.h"

#include <SDL_mixer.h>

namespace GE {

Chunk::Chunk(const std::string& file) : chunk(open_regular_file(file, Mix_LoadWAV)) {}

void Chunk::Free::operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }

} // namespace GE
