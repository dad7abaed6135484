#pragma once

// The window settings kept between runs in "settings.data" in the game's folder: the resolution
// text, CR LF, then 1 (fullscreen) or 0 (windowed).
namespace GE {

struct Window_settings;

// Reads the settings file into `settings`. A missing, unreadable or broken file (a first word
// that is no resolution, a size that is not positive or over 16384) keeps `settings` as they
// are; a second word other than 1 means windowed.
void load_settings(Window_settings& settings);

// Writes the settings file, making the game's folders first. The old file is replaced only by a
// complete new one. Throws GE_runtime_error when the folders or the file cannot be written.
void save_settings(const Window_settings& settings);

} // namespace GE
