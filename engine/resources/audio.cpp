#include "engine/resources/audio.h"

#include "engine/core/sdl_runtime_error.h"
#include "engine/resources/chunk.h"
#include "engine/resources/music.h"
#include "engine/resources/resources.h"

#include <SDL_mixer.h>

#include <algorithm>

namespace GE {

std::map<std::string, std::string> audio_files;
std::string current_music;
bool audio_silent = false;
std::function<void(const std::string&, int)> sound_started;

namespace {

constexpr int any_free_channel = -1;
constexpr int play_once = 0;
constexpr int loop_forever = -1;

bool muted = false;
int music_percent = 100;
int effects_percent = 100;

// The mixer's volume for a share of the full one, rounded to the nearest step; none while muted.
int mixer_volume(int percent) { return muted ? 0 : (percent * MIX_MAX_VOLUME + 50) / 100; }

void tell_started(const std::string& name, int length_ms)
{
    if (sound_started)
        sound_started(name, length_ms);
}

// The length of `chunk` as the device plays it, in milliseconds.
int length_ms(const Mix_Chunk& chunk)
{
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    if (Mix_QuerySpec(&frequency, &format, &channels) == 0 || frequency <= 0 || channels <= 0)
        return 0;
    const auto bytes_per_ms = static_cast<Uint64>(frequency) * static_cast<Uint64>(channels) *
                              (SDL_AUDIO_BITSIZE(format) / 8) / 1000;
    return bytes_per_ms == 0 ? 0 : static_cast<int>(chunk.alen / bytes_per_ms);
}

// Gives every channel, and the music, the volume the player chose and the mute allows. SDL_mixer
// keeps them for the tracks and effects started later.
void apply_volumes()
{
    // Before the device opens there are no channels, and SDL_mixer divides by their count:
    // open_audio applies the volumes then.
    if (Mix_QuerySpec(nullptr, nullptr, nullptr) == 0)
        return;
    Mix_Volume(-1, mixer_volume(effects_percent));
    Mix_VolumeMusic(mixer_volume(music_percent));
}

} // namespace

void set_muted(bool mute)
{
    muted = mute;
    apply_volumes();
}

bool is_muted() { return muted; }

void set_music_volume(int percent)
{
    music_percent = std::clamp(percent, 0, 100);
    apply_volumes();
}

void set_effects_volume(int percent)
{
    effects_percent = std::clamp(percent, 0, 100);
    apply_volumes();
}

int music_volume() { return music_percent; }
int effects_volume() { return effects_percent; }

void register_sound(const std::string& name, const std::string& file) { audio_files[name] = file; }

void play_sound(const std::string& name)
{
    if (audio_silent) {
        tell_started(name, 0);
        return;
    }
    const auto& chunk = Resources::instance().get_chunk(audio_files[name]);
    // -1 means no channel was free: fast clicking must not end the game, so the effect is dropped.
    if (Mix_PlayChannel(any_free_channel, chunk->chunk, play_once) != -1)
        tell_started(name, length_ms(*chunk->chunk));
}

void play_music(const std::string& name)
{
    if (name == current_music)
        return;
    if (audio_silent) {
        current_music = name;
        tell_started(name, -1);
        return;
    }
    const auto& music = Resources::instance().get_music(audio_files[name]);
    if (Mix_PlayMusic(music->music, loop_forever) == -1)
        throw SDL_runtime_error::from_sdl();
    current_music = name;
    tell_started(name, -1);
}

} // namespace GE
