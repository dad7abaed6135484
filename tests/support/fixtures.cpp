#include "tests/support/fixtures.h"

#include "engine/core/sdl_runtime_error.h"

#include <SDL_image.h>
#include <SDL_surface.h>
#include <vorbis/vorbisenc.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <numbers>
#include <stdexcept>

namespace Support {

void write_png(const std::string& file, int width, int height, SDL_Color colour)
{
    const std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> surface(
        SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGBA32),
        SDL_FreeSurface);
    if (!surface)
        throw GE::SDL_runtime_error::from_sdl();
    SDL_FillRect(surface.get(), nullptr,
                 SDL_MapRGBA(surface->format, colour.r, colour.g, colour.b, colour.a));
    if (IMG_SavePNG(surface.get(), file.c_str()) != 0)
        throw GE::SDL_runtime_error::from_sdl();
}

namespace {

// The libvorbis encoder state, torn down in reverse order of set-up.
struct Vorbis_encoder {
    Vorbis_encoder()
    {
        vorbis_info_init(&info);
        if (vorbis_encode_init_vbr(&info, channels, rate, 0.1f) != 0)
            throw std::runtime_error("vorbis encoder refused its settings");
        vorbis_comment_init(&comment);
        vorbis_analysis_init(&dsp, &info);
        vorbis_block_init(&dsp, &block);
        ogg_stream_init(&stream, 1);
    }
    ~Vorbis_encoder()
    {
        ogg_stream_clear(&stream);
        vorbis_block_clear(&block);
        vorbis_dsp_clear(&dsp);
        vorbis_comment_clear(&comment);
        vorbis_info_clear(&info);
    }

    static constexpr int channels = 2;
    static constexpr long rate = 22050;
    vorbis_info info;
    vorbis_comment comment;
    vorbis_dsp_state dsp;
    vorbis_block block;
    ogg_stream_state stream;
};

void write_pages(ogg_stream_state& stream, std::FILE* out, bool flush)
{
    ogg_page page;
    while (flush ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout(&stream, &page)) {
        std::fwrite(page.header, 1, static_cast<std::size_t>(page.header_len), out);
        std::fwrite(page.body, 1, static_cast<std::size_t>(page.body_len), out);
    }
}

void drain_blocks(Vorbis_encoder& encoder, std::FILE* out)
{
    ogg_packet packet;
    while (vorbis_analysis_blockout(&encoder.dsp, &encoder.block) == 1) {
        vorbis_analysis(&encoder.block, nullptr);
        vorbis_bitrate_addblock(&encoder.block);
        while (vorbis_bitrate_flushpacket(&encoder.dsp, &packet)) {
            ogg_stream_packetin(&encoder.stream, &packet);
            write_pages(encoder.stream, out, false);
        }
    }
}

} // namespace

void write_ogg(const std::string& file, double seconds, double frequency)
{
    const std::unique_ptr<std::FILE, decltype(&std::fclose)> out(std::fopen(file.c_str(), "wb"),
                                                                 std::fclose);
    if (!out)
        throw std::runtime_error("cannot write " + file);
    Vorbis_encoder encoder;

    ogg_packet header, comments, codebooks;
    vorbis_analysis_headerout(&encoder.dsp, &encoder.comment, &header, &comments, &codebooks);
    ogg_stream_packetin(&encoder.stream, &header);
    ogg_stream_packetin(&encoder.stream, &comments);
    ogg_stream_packetin(&encoder.stream, &codebooks);
    write_pages(encoder.stream, out.get(), true);

    const auto frames = static_cast<long>(seconds * Vorbis_encoder::rate);
    constexpr long chunk = 1024;
    for (long done = 0; done < frames; done += chunk) {
        const long count = std::min(chunk, frames - done);
        float** buffer = vorbis_analysis_buffer(&encoder.dsp, static_cast<int>(count));
        for (long i = 0; i < count; ++i) {
            const double t = static_cast<double>(done + i) / Vorbis_encoder::rate;
            const auto sample =
                static_cast<float>(0.3 * std::sin(2 * std::numbers::pi * frequency * t));
            buffer[0][i] = sample;
            buffer[1][i] = sample;
        }
        vorbis_analysis_wrote(&encoder.dsp, static_cast<int>(count));
        drain_blocks(encoder, out.get());
    }
    vorbis_analysis_wrote(&encoder.dsp, 0);
    drain_blocks(encoder, out.get());
    write_pages(encoder.stream, out.get(), true);
}

Scratch_dir::Scratch_dir() : previous(std::filesystem::current_path())
{
    std::string pattern =
        (std::filesystem::temp_directory_path() / "vossmere-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a scratch folder");
    folder = pattern;
    std::filesystem::current_path(folder);
}

Scratch_dir::~Scratch_dir()
{
    std::error_code ignored;
    std::filesystem::current_path(previous, ignored);
    std::filesystem::remove_all(folder, ignored);
}

} // namespace Support
