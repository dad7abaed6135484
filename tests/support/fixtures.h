#pragma once

#include <SDL_pixels.h>

#include <filesystem>
#include <string>

// Test files made by the tests themselves: images, sounds and a scratch folder to keep them in.
namespace Support {

// The TrueType font from Debian's fonts-open-sans package.
inline const std::string font_file = "/usr/share/fonts/truetype/open-sans/OpenSans-Semibold.ttf";

// Writes a PNG of one colour.
void write_png(const std::string& file, int width, int height, SDL_Color colour);

// Writes an Ogg Vorbis file of a sine tone.
void write_ogg(const std::string& file, double seconds, double frequency = 440.0);

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
