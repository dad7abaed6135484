#include "engine/resources/texture.h"

#include "engine/core/error_text.h"
#include "engine/core/sdl_runtime_error.h"
#include "engine/resources/image_surface.h"
#include "engine/resources/regular_file.h"
#include "engine/resources/resources.h"

#include <SDL_render.h>
#include <SDL_rwops.h>

#include <array>
#include <cstring>
#include <memory>
#include <set>

namespace GE {

namespace {

std::int32_t big_endian(const unsigned char* bytes)
{
    return static_cast<std::int32_t>((std::uint32_t{bytes[0]} << 24) |
                                     (std::uint32_t{bytes[1]} << 16) |
                                     (std::uint32_t{bytes[2]} << 8) | std::uint32_t{bytes[3]});
}

// Every texture alive, so that all of them can forget their pixels at once.
std::set<Texture*>& live_textures()
{
    static std::set<Texture*> textures;
    return textures;
}

} // namespace

Texture::Texture(SDL_Renderer* renderer, const Surface& surface) : renderer(renderer)
{
    create_from(surface);
    live_textures().insert(this);
}

Texture::Texture(SDL_Renderer* renderer, Pixels pixels)
    : renderer(renderer), pixels(std::move(pixels))
{
    create_from(*this->pixels());
    live_textures().insert(this);
}

Texture::Texture(SDL_Renderer* renderer, std::string file)
    : renderer(renderer), pixels([file]() -> std::unique_ptr<Surface> {
          if (auto ready = Resources::instance().take_prefetched(file))
              return ready;
          // Decoded long after the screen naming it was read: the error names the file.
          return naming_errors(file, [&file] { return std::make_unique<Image_surface>(file); });
      })
{
    require_regular_file(file);
    if (!read_png_size(file))
        create_from(*pixels());
    live_textures().insert(this);
}

Texture::~Texture()
{
    live_textures().erase(this);
    if (texture != nullptr)
        SDL_DestroyTexture(texture);
}

SDL_Texture* Texture::sdl_texture()
{
    if (texture == nullptr)
        create_from(*pixels());
    return texture;
}

void Texture::forget_all_pixels()
{
    for (Texture* known : live_textures())
        if (known->pixels && known->texture != nullptr) {
            SDL_DestroyTexture(known->texture);
            known->texture = nullptr;
        }
}

void Texture::create_from(const Surface& surface)
{
    texture = SDL_CreateTextureFromSurface(renderer, surface.surface);
    if (texture == nullptr)
        throw SDL_runtime_error::from_sdl();
    width = surface.surface->w;
    height = surface.surface->h;
}

bool Texture::read_png_size(const std::string& file)
{
    const std::unique_ptr<SDL_RWops, decltype(&SDL_RWclose)> stream(
        SDL_RWFromFile(file.c_str(), "rb"), SDL_RWclose);
    if (!stream)
        throw SDL_runtime_error::from_sdl();
    // The signature, then the IHDR chunk: its length, its name, the width and the height.
    std::array<unsigned char, 24> header{};
    if (SDL_RWread(stream.get(), header.data(), header.size(), 1) != 1)
        return false;
    constexpr unsigned char signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (std::memcmp(header.data(), signature, sizeof signature) != 0 ||
        std::memcmp(header.data() + 12, "IHDR", 4) != 0)
        return false;
    width = big_endian(header.data() + 16);
    height = big_endian(header.data() + 20);
    return width > 0 && height > 0;
}

} // namespace GE
