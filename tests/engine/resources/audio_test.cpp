#include "engine/core/sdl_runtime_error.h"
#include "engine/resources/audio.h"
#include "engine/resources/resources.h"
#include "tests/support/fixtures.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

class Audio_test : public testing::Test {
protected:
    void SetUp() override
    {
        GE::audio_files.clear();
        GE::current_music.clear();
    }
    void TearDown() override
    {
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        GE::Resources::instance().clear_audio();
    }

    Support::Scratch_dir scratch;
};

TEST_F(Audio_test, music_starts_once_per_name_and_switches_at_once)
{
    Support::write_sound("menu.ogg", 1.0);
    Support::write_sound("game.ogg", 1.0, 220.0);
    GE::register_sound("menu_music", "menu.ogg");
    GE::register_sound("game_music", "game.ogg");

    GE::play_music("menu_music");
    EXPECT_EQ(GE::current_music, "menu_music");
    EXPECT_EQ(Mix_PlayingMusic(), 1);

    // Asking again must not touch the mixer or the cache: with both emptied a reload would fail.
    Mix_HaltMusic();
    GE::Resources::instance().clear_audio();
    std::filesystem::remove("menu.ogg");
    EXPECT_NO_THROW(GE::play_music("menu_music"));
    EXPECT_EQ(Mix_PlayingMusic(), 0);

    GE::play_music("game_music");
    EXPECT_EQ(GE::current_music, "game_music");
    EXPECT_EQ(Mix_PlayingMusic(), 1);
}

TEST_F(Audio_test, a_failed_track_keeps_the_old_name_and_is_tried_again)
{
    Support::write_sound("menu.ogg", 1.0);
    GE::register_sound("menu_music", "menu.ogg");
    GE::register_sound("death_music", "death.ogg");
    GE::play_music("menu_music");

    EXPECT_THROW(GE::play_music("death_music"), GE::SDL_runtime_error);
    EXPECT_EQ(GE::current_music, "menu_music");

    Support::write_sound("death.ogg", 1.0);
    GE::play_music("death_music");
    EXPECT_EQ(GE::current_music, "death_music");
}

TEST_F(Audio_test, an_effect_without_a_free_channel_is_skipped)
{
    Support::write_sound("click.ogg", 2.0);
    GE::register_sound("click", "click.ogg");
    for (int i = 0; i < 8; ++i)
        GE::play_sound("click");
    EXPECT_EQ(Mix_Playing(-1), 8);
    EXPECT_NO_THROW(GE::play_sound("click"));
    EXPECT_EQ(Mix_Playing(-1), 8);
}

TEST_F(Audio_test, unregistered_names_fail_to_load_and_leave_an_empty_entry)
{
    EXPECT_THROW(GE::play_sound("never_registered"), GE::SDL_runtime_error);
    ASSERT_EQ(GE::audio_files.count("never_registered"), 1u);
    EXPECT_EQ(GE::audio_files["never_registered"], "");

    GE::register_sound("click", "first.ogg");
    GE::register_sound("click", "second.ogg");
    EXPECT_EQ(GE::audio_files["click"], "second.ogg");
}

} // namespace
