#include "engine/resources/audio.h"

#include "engine/core/sdl_runtime_error.h"
#include "engine/resources/chunk.h"
#include "engine/resources/music.h"
#include "engine/resources/resources.h"

#include <SDL_mixer.h>

namespace GE {

std::map<std::string, std::string> audio_files;
std::string current_music;
bool audio_silent = false;

namespace {

constexpr int any_free_channel = -1;
constexpr int play_once = 0;
constexpr int loop_forever = -1;

bool muted = false;

} // namespace

void set_muted(bool mute)
{
    muted = mute;
    const int volume = muted ? 0 : MIX_MAX_VOLUME;
    Mix_Volume(-1, volume);
    Mix_VolumeMusic(volume);
}

bool is_muted() { return muted; }

void register_sound(const std::string& name, const std::string& file) { audio_files[name] = file; }

void play_sound(const std::string& name)
{
    if (audio_silent)
        return;
    const auto& chunk = Resources::instance().get_chunk(audio_files[name]);
    // -1 means no channel was free: fast clicking must not end the game, so the effect is dropped.
    Mix_PlayChannel(any_free_channel, chunk->chunk, play_once);
}

void play_music(const std::string& name)
{
    if (name == current_music)
        return;
    if (audio_silent) {
        current_music = name;
        return;
    }
    const auto& music = Resources::instance().get_music(audio_files[name]);
    if (Mix_PlayMusic(music->music, loop_forever) == -1)
        throw SDL_runtime_error::from_sdl();
    current_music = name;
}

} // namespace GE
