#pragma once

#include "engine/core/display_modes.h"
#include "engine/core/window_settings.h"

#include <SDL_pixels.h>

#include <filesystem>
#include <string>
#include <vector>

// Files and settings made by the tests themselves, and a scratch folder to keep the files in.
namespace Support {

// The TrueType font from Debian's fonts-open-sans package.
inline const std::string font_file = "/usr/share/fonts/truetype/open-sans/OpenSans-Semibold.ttf";

void write_file(const std::string& file, const std::string& content);

// Writes a PNG of one colour.
void write_png(const std::string& file, int width, int height, SDL_Color colour);

// Writes an Ogg Vorbis file of a sine tone, made by sox.
void write_sound(const std::string& file, double seconds, double frequency = 440.0);

// Window settings of the given resolution text, such as "1024x768".
GE::Window_settings settings_of(const std::string& resolution, bool fullscreen = false);

// Displays that offer the given modes, each display's in SDL's order.
GE::Display_source displays_of(const std::vector<std::vector<SDL_DisplayMode>>& displays);

// A fresh temporary folder that is the working directory while the object lives.
class Scratch_dir {
public:
    Scratch_dir();
    ~Scratch_dir();
    Scratch_dir(const Scratch_dir&) = delete;
    Scratch_dir& operator=(const Scratch_dir&) = delete;

    const std::filesystem::path& path() const { return folder; }

private:
    std::filesystem::path previous;
    std::filesystem::path folder;
};

} // namespace Support
