#pragma once

#include <string>

struct Mix_Chunk;

namespace GE {

// A sound effect decoded into memory. Throws SDL_runtime_error when it cannot be loaded.
class Chunk {
public:
    explicit Chunk(const std::string& file);
    ~Chunk();
    Chunk(const Chunk&) = delete;
    Chunk& operator=(const Chunk&) = delete;

    Mix_Chunk* chunk;
};

} // namespace GE
