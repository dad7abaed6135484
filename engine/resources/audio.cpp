#include "engine/resources/audio.h"

#include "engine/core/sdl_runtime_error.h"
#include "engine/resources/chunk.h"
#include "engine/resources/music.h"
#include "engine/resources/resources.h"

#include <SDL_events.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <iostream>
#include <utility>

namespace GE {

std::map<std::string, std::string> audio_files;
std::string current_music;
bool audio_silent = false;
std::function<void(const std::string&, int)> sound_started;

namespace {

constexpr int any_free_channel = -1;
constexpr int play_once = 0;
constexpr int loop_forever = -1;

// What the mixer is asked for; SDL may give the device another rate and channel count.
constexpr int mixing_rate = 22050;
constexpr int mixing_channels = 2;
// 512 sample frames (23 ms) per mixing pass: effects start promptly after a click, and closing
// the device, which waits out the passes in flight, takes tens of milliseconds.
constexpr int mixing_frames = 512;

bool muted = false;
bool background_muted = false;
bool paused = false;
// Where the music was when its device went, in seconds: it goes on from there on the next one.
double music_position_lost = 0;
int music_percent = 100;
int effects_percent = 100;

// The mixer's volume for a share of the full one, rounded to the nearest step; none while muted.
int mixer_volume(int percent)
{
    return muted || background_muted ? 0 : (percent * MIX_MAX_VOLUME + 50) / 100;
}

bool device_open() { return Mix_QuerySpec(nullptr, nullptr, nullptr) != 0; }

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
    // open_audio_device applies the volumes then.
    if (!device_open())
        return;
    Mix_Volume(-1, mixer_volume(effects_percent));
    Mix_VolumeMusic(mixer_volume(music_percent));
}

void apply_pause()
{
    if (!device_open())
        return;
    if (paused) {
        Mix_Pause(-1);
        Mix_PauseMusic();
    } else {
        Mix_Resume(-1);
        Mix_ResumeMusic();
    }
}

// Loops the current music from `position` seconds on (as far as its decoder can seek), paused
// while the game is.
void start_music(double position)
{
    const auto& music = Resources::instance().get_music(audio_files[current_music]);
    if (Mix_PlayMusic(music->music, loop_forever) == -1)
        throw SDL_runtime_error::from_sdl();
    if (position > 0)
        Mix_SetMusicPosition(position);
    if (paused)
        Mix_PauseMusic();
}

// How far into the current music the mixer is, in seconds; 0 when it cannot tell.
double music_position()
{
    if (current_music.empty() || Mix_PlayingMusic() == 0)
        return 0;
    const auto& music = Resources::instance().get_music(audio_files[current_music]);
    return std::max(0.0, Mix_GetMusicPosition(music->music));
}

// Opens the default device anew and goes on with the music where it was lost; a device that
// will not open leaves the game silent.
void reopen_device()
{
    if (!open_audio_device()) {
        std::cerr << "Playing without sound until a device is added: " << SDL_GetError() << '\n';
        return;
    }
    if (current_music.empty())
        return;
    try {
        start_music(music_position_lost);
    } catch (const SDL_runtime_error& error) {
        std::cerr << "The music could not go on: " << error.what() << '\n';
    }
}

void close_device()
{
    music_position_lost = music_position();
    Mix_HaltMusic();
    Mix_HaltChannel(-1);
    // The next device may mix at another rate: what was decoded for this one is decoded anew.
    Resources::instance().clear_audio();
    Mix_CloseAudio();
    audio_silent = true;
}

} // namespace

void set_muted(bool mute)
{
    muted = mute;
    apply_volumes();
}

bool is_muted() { return muted; }

void set_background_muted(bool mute)
{
    background_muted = mute;
    apply_volumes();
}

bool is_background_muted() { return background_muted; }

void set_paused(bool pause)
{
    if (pause == paused)
        return;
    paused = pause;
    apply_pause();
}

bool is_paused() { return paused; }

bool open_audio_device()
{
    audio_silent = Mix_OpenAudio(mixing_rate, AUDIO_S16LSB, mixing_channels, mixing_frames) != 0;
    if (audio_silent)
        return false;
    // The channels just made take the volumes and the pause chosen before.
    apply_volumes();
    apply_pause();
    return true;
}

bool handle_audio_device_event(const SDL_Event& event)
{
    if (event.type != SDL_AUDIODEVICEADDED && event.type != SDL_AUDIODEVICEREMOVED)
        return false;
    // The game opens one output device and no capture device, and SDL reports the removal of
    // open devices only: an output's removal is always the game's own device going.
    if (event.adevice.iscapture != 0)
        return true;
    if (event.type == SDL_AUDIODEVICEREMOVED && !audio_silent) {
        close_device();
        reopen_device();
    } else if (event.type == SDL_AUDIODEVICEADDED && audio_silent) {
        reopen_device();
    }
    return true;
}

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
    if (paused)
        return; // nobody is there to hear it
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
        music_position_lost = 0; // a new track, from its beginning on the next device
        tell_started(name, -1);
        return;
    }
    const std::string previous = std::exchange(current_music, name);
    try {
        start_music(0);
    } catch (...) {
        current_music = previous;
        throw;
    }
    tell_started(name, -1);
}

} // namespace GE
