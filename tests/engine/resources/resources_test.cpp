#include "engine/core/sdl_lifetime.h"
#include "engine/core/sdl_runtime_error.h"
#include "engine/resources/audio.h"
#include "engine/resources/resources.h"
#include "engine/resources/surface.h"
#include "engine/resources/texture.h"
#include "engine/widgets/sprite.h"
#include "tests/support/fixtures.h"

#include <SDL_mixer.h>

#include <functional>

namespace {

class Resources_test : public Support::Headless_test {
protected:
    Resources_test()
    {
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        resources.clear_fonts();
        resources.clear_audio();
        GE::audio_files.clear();
        GE::current_music.clear();
    }

    GE::Resources& resources = GE::Resources::instance();
};

TEST_F(Resources_test, a_missing_or_special_file_throws_sdls_text_and_leaves_no_entry)
{
    // A folder, a FIFO or a device would misread or block: each is as good as missing.
    auto files = Support::make_special_files();
    files.push_back("missing");
    for (const auto& file : files)
        for (const std::function<void()>& load : std::initializer_list<std::function<void()>>{
                 [&] { resources.get_texture(context(), file); },
                 [&] { resources.get_font(file, 20); }, [&] { resources.get_chunk(file); },
                 [&] { resources.get_music(file); }}) {
            try {
                load();
                ADD_FAILURE() << file << " was loaded";
            } catch (const GE::SDL_runtime_error& error) {
                EXPECT_EQ(error.what(), "Couldn't open " + file);
                EXPECT_STREQ(error.what(), SDL_GetError());
            }
        }
    EXPECT_TRUE(resources.textures.empty() && resources.fonts.empty() && resources.chunks.empty() &&
                resources.music.empty());
}

TEST_F(Resources_test, a_file_is_loaded_once_per_name_as_given_and_font_size)
{
    Support::write_png("a.png", 30, 20, Support::red);
    const auto& texture = resources.get_texture(context(), "a.png");
    EXPECT_EQ(std::tuple(texture->width, texture->height, texture->renderer),
              std::tuple(30, 20, renderer()));
    EXPECT_NE(resources.get_texture(context(), "./a.png"), texture);
    std::filesystem::remove("a.png"); // only the cache can answer now
    EXPECT_EQ(&resources.get_texture(context(), "a.png"), &texture);
    EXPECT_NE(resources.get_font(Support::font_file, 24),
              resources.get_font(Support::font_file, 20));
}

TEST_F(Resources_test, an_image_is_decoded_when_first_drawn_and_bad_pixels_fail_only_then)
{
    Support::write_png("a.png", 30, 20, Support::red);
    const auto texture = resources.get_texture(context(), "a.png");
    EXPECT_EQ(texture->texture, nullptr); // its size is known; its pixels are not needed yet
    app->add_child(std::make_shared<GE::Sprite>(texture, "a"));
    draw();
    EXPECT_TRUE(region_is({29, 19, 1, 1}, Support::red));
    // A whole header before broken pixels: loading succeeds, drawing reports it.
    std::filesystem::copy_file("a.png", "b.png");
    std::filesystem::resize_file("b.png", 40);
    const auto known = resources.texture_names();
    const auto broken = resources.get_texture(context(), "b.png");
    EXPECT_EQ(std::pair(broken->width, broken->height), std::pair(30, 20));
    EXPECT_EQ(Support::error_of([&] { broken->sdl_texture(); }).rfind("b.png: ", 0), 0u);
    // Decoding what was made since `known` leaves no broken image in the cache, and the rest.
    EXPECT_NE(Support::error_of([&] { resources.decode_new_textures(known); }), "");
    EXPECT_EQ(resources.texture_names(), known);

    // Decoded ahead, an image is taken once, as it was then; what could not be decoded is not.
    resources.clear_textures();
    resources.prefetch_images({"a.png", "b.png", "missing.png"});
    EXPECT_EQ(resources.take_prefetched("missing.png"), nullptr); // once the thread is done
    Support::write_png("a.png", 30, 20, Support::green);
    app->clear_children();
    app->add_child(std::make_shared<GE::Sprite>(resources.get_texture(context(), "a.png"), "a"));
    draw();
    EXPECT_TRUE(region_is({29, 19, 1, 1}, Support::red));
    EXPECT_EQ(resources.take_prefetched("a.png"), nullptr);
    EXPECT_EQ(resources.take_prefetched("b.png"), nullptr);
}

TEST_F(Resources_test, music_starts_once_per_name_and_a_failed_track_keeps_the_old_one)
{
    Support::write_sound("menu.ogg");
    GE::register_sound("menu_music", "menu.ogg");
    GE::register_sound("game_music", "game.ogg");
    GE::play_music("menu_music");
    // Asking again must touch neither the mixer nor the cache: with both emptied a load would fail.
    Mix_HaltMusic();
    resources.clear_audio();
    std::filesystem::remove("menu.ogg");
    EXPECT_NO_THROW(GE::play_music("menu_music"));
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    EXPECT_THROW(GE::play_music("game_music"), GE::SDL_runtime_error);
    EXPECT_EQ(GE::current_music, "menu_music");
    Support::write_sound("game.ogg");
    GE::play_music("game_music"); // tried again in full
    EXPECT_EQ(std::pair(GE::current_music, Mix_PlayingMusic()),
              std::pair(std::string("game_music"), 1));
}

TEST_F(Resources_test, the_volumes_hold_through_a_mute_and_for_tracks_and_effects_started_later)
{
    Support::write_sound("a.ogg");
    for (const char* name : {"menu_music", "game_music", "click"})
        GE::register_sound(name, "a.ogg");
    GE::play_music("menu_music");
    // The music's volume and the channels' average, of 128.
    const auto heard = [] { return std::pair(Mix_VolumeMusic(-1), Mix_Volume(-1, -1)); };
    GE::set_music_volume(70);
    GE::set_effects_volume(150);
    EXPECT_EQ(heard(), std::pair(90, 128));
    EXPECT_EQ(std::pair(GE::music_volume(), GE::effects_volume()), std::pair(70, 100));
    GE::set_muted(true);
    GE::set_effects_volume(-20); // changed while muted
    GE::play_music("game_music");
    EXPECT_EQ(heard(), std::pair(0, 0));
    GE::set_muted(false);
    EXPECT_EQ(heard(), std::pair(90, 0)) << "the new track at the music's volume";
    GE::set_effects_volume(50);
    GE::play_sound("click");
    EXPECT_EQ(heard(), std::pair(90, 64));
    // Chosen before the device opens, as the settings are read first, and heard once it does.
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    GE::set_music_volume(40);
    ASSERT_TRUE(GE::open_audio());
    EXPECT_EQ(heard(), std::pair(51, 64));
    GE::set_music_volume(100);
    GE::set_effects_volume(100);
}

TEST_F(Resources_test, an_effect_plays_on_a_free_channel_or_not_at_all)
{
    EXPECT_THROW(GE::play_sound("click"), GE::SDL_runtime_error);
    Support::write_sound("click.ogg");
    GE::register_sound("click", "click.ogg");
    const int channels = Mix_AllocateChannels(-1);
    for (int i = 0; i <= channels; ++i) // the last one finds every channel busy and is skipped
        EXPECT_NO_THROW(GE::play_sound("click"));
    EXPECT_EQ(Mix_Playing(-1), channels);
}

TEST_F(Resources_test, without_an_audio_device_the_game_goes_on_silently_until_one_opens)
{
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    SDL_setenv("SDL_AUDIODRIVER", "no_such_driver", 1);
    testing::internal::CaptureStderr();
    const bool opened = GE::open_audio();
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Playing without sound: Audio target 'no_such_driver' not available\n");
    EXPECT_TRUE(!opened && GE::audio_silent);
    // Not even a missing file is looked at: nothing is loaded or played.
    GE::register_sound("menu_music", "menu.ogg");
    EXPECT_NO_THROW(GE::play_sound("click"));
    EXPECT_NO_THROW(GE::play_music("menu_music"));
    EXPECT_EQ(GE::current_music, "menu_music");
    EXPECT_TRUE(resources.chunks.empty() && resources.music.empty());

    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_TRUE(GE::open_audio());
    EXPECT_FALSE(GE::audio_silent);
    Support::write_sound("click.ogg");
    GE::register_sound("click", "click.ogg");
    GE::play_sound("click");
    EXPECT_EQ(Mix_Playing(-1), 1);
}

} // namespace
