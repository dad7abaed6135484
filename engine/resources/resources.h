#pragma once

#include <future>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace GE {

class Chunk;
class Font;
class Music;
class Surface;
class Texture;
struct Render_context;

// The process-wide caches of everything loaded from a file, keyed by the file name exactly as
// given (fonts also by point size). Each file is decoded once; nothing is evicted until cleared.
// A get_ returns a reference to the cached pointer, valid until that cache is cleared; a failed
// load throws SDL_runtime_error and leaves no entry, so the next request tries again.
class Resources {
public:
    static Resources& instance();

    Resources(const Resources&) = delete;
    Resources& operator=(const Resources&) = delete;

    std::shared_ptr<Font>& get_font(const std::string& file, int size);
    // A texture made now is made for the context's renderer.
    std::shared_ptr<Texture>& get_texture(Render_context* context, const std::string& file);
    std::shared_ptr<Chunk>& get_chunk(const std::string& file);
    std::shared_ptr<Music>& get_music(const std::string& file);

    // Decodes the image `files` on a thread of their own, so that the first textures made of them
    // find their pixels ready: the game's first screen is decoded while its window opens. A file
    // that cannot be decoded there is left to the texture, which reports it.
    void prefetch_images(std::vector<std::string> files);
    // The pixels of `file` decoded ahead, waiting for them if need be; null when they were not.
    std::unique_ptr<Surface> take_prefetched(const std::string& file);

    // The names of the images cached now.
    std::set<std::string> texture_names() const;
    // Decodes every texture not named in `known` (those made since it was taken). Should one
    // fail, forgets them all, so that no broken texture stays cached, and throws its error.
    void decode_new_textures(const std::set<std::string>& known);

    void clear_fonts();
    // Also drops the images decoded ahead and not taken.
    void clear_textures();
    // Releases the sound chunks and music; called while SDL_mixer is still open.
    void clear_audio();

    std::map<std::pair<std::string, int>, std::shared_ptr<Font>> fonts;
    std::map<std::string, std::shared_ptr<Texture>> textures;
    std::map<std::string, std::shared_ptr<Chunk>> chunks;
    std::map<std::string, std::shared_ptr<Music>> music;

private:
    Resources() = default;

    using Surfaces = std::map<std::string, std::unique_ptr<Surface>>;
    std::future<Surfaces> decoding;
    Surfaces prefetched;
};

} // namespace GE
