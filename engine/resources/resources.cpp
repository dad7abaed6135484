#include "engine/resources/resources.h"

#include "engine/core/render_context.h"
#include "engine/core/sdl_runtime_error.h"
#include "engine/resources/chunk.h"
#include "engine/resources/font.h"
#include "engine/resources/image_surface.h"
#include "engine/resources/music.h"
#include "engine/resources/texture.h"

#include <SDL_thread.h>

namespace GE {

namespace {

// Finds the entry for `key` or stores what `load` makes; `load` runs before anything is stored.
template <typename Map, typename Load>
typename Map::mapped_type& lookup_or_load(Map& cache, const typename Map::key_type& key, Load load)
{
    if (const auto found = cache.find(key); found != cache.end())
        return found->second;
    auto loaded = load();
    return cache.emplace(key, std::move(loaded)).first->second;
}

#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
// A page without threads decodes the images when they are first asked for.
constexpr auto prefetch_policy = std::launch::deferred;
#else
constexpr auto prefetch_policy = std::launch::async;
#endif

} // namespace

Resources& Resources::instance()
{
    static Resources resources;
    return resources;
}

std::shared_ptr<Font>& Resources::get_font(const std::string& file, int size)
{
    return lookup_or_load(fonts, {file, size}, [&] { return std::make_shared<Font>(file, size); });
}

std::shared_ptr<Texture>& Resources::get_texture(Render_context* context, const std::string& file)
{
    return lookup_or_load(textures, file,
                          [&] { return std::make_shared<Texture>(context->renderer, file); });
}

std::shared_ptr<Chunk>& Resources::get_chunk(const std::string& file)
{
    return lookup_or_load(chunks, file, [&] { return std::make_shared<Chunk>(file); });
}

std::shared_ptr<Music>& Resources::get_music(const std::string& file)
{
    return lookup_or_load(music, file, [&] { return std::make_shared<Music>(file); });
}

void Resources::prefetch_images(std::vector<std::string> files)
{
    if (decoding.valid()) // what an earlier call decoded is kept
        prefetched.merge(decoding.get());
    decoding = std::async(prefetch_policy, [files = std::move(files)] {
        Surfaces decoded;
        for (const auto& file : files) {
            try {
                decoded.emplace(file, std::make_unique<Image_surface>(file));
            } catch (const SDL_runtime_error&) {
                // Decoded again when drawn, which reports the error where it matters.
            }
        }
        // SDL keeps this thread's error text until it is told the thread is done.
        SDL_TLSCleanup();
        return decoded;
    });
}

std::unique_ptr<Surface> Resources::take_prefetched(const std::string& file)
{
    if (decoding.valid())
        prefetched.merge(decoding.get());
    const auto found = prefetched.find(file);
    if (found == prefetched.end())
        return nullptr;
    auto surface = std::move(found->second);
    prefetched.erase(found);
    return surface;
}

std::set<std::string> Resources::texture_names() const
{
    std::set<std::string> names;
    for (const auto& [name, texture] : textures)
        names.insert(name);
    return names;
}

void Resources::decode_new_textures(const std::set<std::string>& known)
{
    const auto is_new = [&known](const auto& entry) { return !known.contains(entry.first); };
    try {
        for (const auto& entry : textures)
            if (is_new(entry))
                entry.second->sdl_texture();
    } catch (...) {
        std::erase_if(textures, is_new);
        throw;
    }
}

void Resources::clear_fonts() { fonts.clear(); }

void Resources::clear_textures()
{
    textures.clear();
    if (decoding.valid())
        decoding.get();
    prefetched.clear();
}

void Resources::clear_audio()
{
    music.clear();
    chunks.clear();
}

} // namespace GE
