#pragma once

#include <cstdint>

struct SDL_Renderer;
struct SDL_Texture;

namespace GE {

class Surface;

// A texture made from a surface for one renderer; it must go before that renderer does.
class Texture {
public:
    // The surface stays the caller's. Throws SDL_runtime_error.
    Texture(SDL_Renderer* renderer, const Surface& surface);
    ~Texture();
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    SDL_Renderer* renderer; // not owned
    SDL_Texture* texture;
    std::int32_t width;
    std::int32_t height;
};

} // namespace GE
