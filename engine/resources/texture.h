#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

struct SDL_Renderer;
struct SDL_Texture;

namespace GE {

class Surface;

// A texture for one renderer; it must go before that renderer does.
class Texture {
public:
    // Makes the pixels of a texture, again whenever the renderer has lost them.
    using Pixels = std::function<std::unique_ptr<Surface>()>;

    // Made at once from a surface, which stays the caller's. Throws SDL_runtime_error.
    Texture(SDL_Renderer* renderer, const Surface& surface);
    // Made at once from what `pixels` makes, and made so again after `forget_all_pixels`.
    // Throws what `pixels` throws, and SDL_runtime_error.
    Texture(SDL_Renderer* renderer, Pixels pixels);
    // Made from a PNG file: its size is read now, its pixels are decoded the first time the
    // texture is drawn, so that screens not shown yet hold no pixels. Throws SDL_runtime_error
    // when the file cannot be read; a file that is not a PNG is decoded at once.
    Texture(SDL_Renderer* renderer, std::string file);
    ~Texture();
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    // The SDL texture, made from the file if it is not yet. Throws SDL_runtime_error when the
    // file's pixels cannot be decoded.
    SDL_Texture* sdl_texture();

    // Releases the pixels of every texture that can make them again (from its file or its
    // `Pixels`), so that they are made anew the next time each is drawn: a renderer whose
    // device was reset has lost them all.
    static void forget_all_pixels();

    SDL_Renderer* renderer; // not owned
    // Null while the pixels of a file have not been needed yet.
    SDL_Texture* texture = nullptr;
    std::int32_t width = 0;
    std::int32_t height = 0;

private:
    void create_from(const Surface& surface);
    // Reads the size from a PNG's header; false when the file is not a PNG.
    bool read_png_size(const std::string& file);

    Pixels pixels; // empty when made from a surface
};

} // namespace GE
