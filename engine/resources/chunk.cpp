#include "engine/resources/chunk.h"

#include "engine/resources/regular_file.h"

#include <SDL_mixer.h>

namespace GE {

namespace {

Mix_Chunk* load_chunk(const std::string& file)
{
    require_regular_file(file);
    return Mix_LoadWAV(file.c_str());
}

} // namespace

Chunk::Chunk(const std::string& file) : chunk(load_chunk(file)) {}

void Chunk::Free::operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }

} // namespace GE
