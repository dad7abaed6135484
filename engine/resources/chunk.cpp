#include "engine/resources/chunk.h"

#include "engine/core/sdl_runtime_error.h"

#include <SDL_mixer.h>

namespace GE {

Chunk::Chunk(const std::string& file) : chunk(Mix_LoadWAV(file.c_str()))
{
    if (chunk == nullptr)
        throw SDL_runtime_error::from_sdl();
}

Chunk::~Chunk() { Mix_FreeChunk(chunk); }

} // namespace GE
