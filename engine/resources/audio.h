#pragma once

#include <functional>
#include <map>
#include <string>

union SDL_Event;

// Sound effects and music played by name.
namespace GE {

// Audio name to file name, filled once at start.
extern std::map<std::string, std::string> audio_files;
// The name of the track last started by play_music; empty until then.
extern std::string current_music;
// True while there is no audio device (open_audio could not open one): every effect and track is
// then skipped, and the game goes on silently.
extern bool audio_silent;

// Told of every effect and track that starts, silent or not (the captions listen): the name, and
// the effect's length in milliseconds (0 when unknown), or -1 for a track, which loops.
extern std::function<void(const std::string& name, int length_ms)> sound_started;

// Silences every effect and the music, or gives them their sound back; the music goes on
// playing meanwhile, so it keeps its place. Effects started while muted are silent too.
void set_muted(bool muted);
bool is_muted();
// The same silence for the window losing the focus, when the player asked for it; kept apart
// from the player's own mute, which the screen shows.
void set_background_muted(bool muted);
bool is_background_muted();

// Stops the effects and the music where they are, or lets them go on (while the window is
// minimised or hidden). An effect asked for meanwhile is skipped; a track started meanwhile
// waits, paused, at its beginning.
void set_paused(bool paused);
bool is_paused();

// Opens the system's default output device, with the volumes and the pause as they are set;
// false, and the game silent, when there is none (SDL_GetError says why).
bool open_audio_device();
// Follows the output devices as they come and go: when the open one is removed (headphones
// unplugged) the default device is opened instead and the music goes on where it was; with none
// left the game goes silent, and opens the next device that is added. Answers whether `event`
// was an audio device's.
bool handle_audio_device_event(const SDL_Event& event);

// The music's and the effects' volumes in percent of the full one (clamped to 0 to 100), heard
// at once, kept through a mute and for every track and effect started later.
void set_music_volume(int percent);
void set_effects_volume(int percent);
int music_volume();
int effects_volume();

// Registers (or re-registers) the file played under `name`.
void register_sound(const std::string& name, const std::string& file);

// Plays the effect once on a free mixer channel; when every channel is busy, or the game is
// silent, the effect is skipped. Throws SDL_runtime_error when the file cannot be loaded.
void play_sound(const std::string& name);

// Loops the track unless it is the current music already; a silent game only notes the name.
// Throws SDL_runtime_error when the file cannot be loaded or played; current_music then keeps its
// old name.
void play_music(const std::string& name);

} // namespace GE
