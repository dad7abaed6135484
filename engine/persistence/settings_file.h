#pragma once

// The settings kept between runs in "settings.data" in the game's folder: the resolution text,
// CR LF, then 1 (fullscreen) or 0 (windowed); then, each after a CR LF, a "name=value" line for
// every other choice that is not its default ("music_volume=70", "language=de"), and the lines of
// a newer game.
// A game that reads only the first two lines reads such a file as before.
namespace GE {

struct Window_settings;

// Reads the settings file into `settings`. A missing or unreadable file keeps `settings` as they
// are, and so does a broken first word (no resolution, a size that is not positive or over
// 16384) the resolution and fullscreen; a second word other than 1 means windowed. A named line
// that is unknown, malformed or missing keeps its choice as it was, and a number out of range is
// brought into it.
void load_settings(Window_settings& settings);

// Writes the settings file, making the game's folders first. The old file is replaced only by a
// complete new one. Throws GE_runtime_error when the folders or the file cannot be written.
void save_settings(const Window_settings& settings);

} // namespace GE
