#pragma once

#include "engine/resources/sdl_owner.h"

#include <string>

struct Mix_Chunk;

namespace GE {

// A sound effect decoded into memory. Throws SDL_runtime_error when it cannot be loaded.
class Chunk {
public:
    explicit Chunk(const std::string& file);

    struct Free {
        void operator()(Mix_Chunk* chunk) const;
    };
    Sdl_owner<Mix_Chunk, Free> chunk;
};

} // namespace GE
