#include "tests/support/fixtures.h"

#include "engine/core/resolution.h"
#include "engine/core/sdl_runtime_error.h"

#include <SDL_image.h>
#include <SDL_surface.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <stdexcept>

namespace Support {

void write_file(const std::string& file, const std::string& content)
{
    std::ofstream out(file, std::ios::binary);
    out << content;
    if (!out)
        throw std::runtime_error("cannot write " + file);
}

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

void write_sound(const std::string& file, double seconds, double frequency)
{
    const std::string command = "sox -q -n -r 22050 -c 2 '" + file + "' synth " +
                                std::to_string(seconds) + " sine " + std::to_string(frequency) +
                                " vol 0.3";
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("sox could not write " + file);
}

GE::Window_settings settings_of(const std::string& resolution, bool fullscreen)
{
    GE::Window_settings settings;
    settings.resolution = std::make_unique<GE::Resolution>(resolution);
    settings.fullscreen = fullscreen;
    return settings;
}

GE::Display_source displays_of(const std::vector<std::vector<SDL_DisplayMode>>& displays)
{
    return {[displays] { return static_cast<int>(displays.size()); },
            [displays](int display) { return static_cast<int>(displays.at(display).size()); },
            [displays](int display, int index) { return displays.at(display).at(index); }};
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
