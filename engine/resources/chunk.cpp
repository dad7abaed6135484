#include "engine/resources/chunk.h"

#include "engine/core/sdl_runtime_error.h"
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

Chunk::Chunk(const std::string& file) : chunk(load_chunk(file))
{
    if (chunk == nullptr)
        throw SDL_runtime_error::from_sdl();
}

Chunk::~Chunk() { Mix_FreeChunk(chunk); }

} // namespace GE
