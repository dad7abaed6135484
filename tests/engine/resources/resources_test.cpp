#include "engine/core/sdl_runtime_error.h"
#include "engine/resources/chunk.h"
#include "engine/resources/font.h"
#include "engine/resources/music.h"
#include "engine/resources/resources.h"
#include "engine/resources/texture.h"
#include "engine/widgets/label.h"
#include "engine/widgets/sprite.h"
#include "tests/support/fixtures.h"
#include "tests/support/headless_app.h"
#include "tests/support/pixels.h"

#include <SDL_error.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

constexpr SDL_Color red{255, 0, 0, 255};

class Resources_test : public testing::Test {
protected:
    void SetUp() override { clear(); }
    void TearDown() override { clear(); }
    static void clear()
    {
        auto& resources = GE::Resources::instance();
        resources.clear_textures();
        resources.clear_fonts();
        resources.clear_audio();
    }

    GE::Resources& resources = GE::Resources::instance();
    Support::Scratch_dir scratch;
    Support::Headless_app window;
};

// Expects `load` to throw SDL's own error text and to leave `cache` without an entry.
template <typename Load, typename Cache>
void expect_sdl_failure(Load load, const Cache& cache)
{
    try {
        load();
        ADD_FAILURE() << "loading a missing file succeeded";
    } catch (const GE::SDL_runtime_error& error) {
        EXPECT_STREQ(error.what(), SDL_GetError());
        EXPECT_STRNE(error.what(), "");
    }
    EXPECT_TRUE(cache.empty());
}

TEST_F(Resources_test, an_image_is_decoded_once_per_file_name)
{
    Support::write_png("a.png", 30, 20, red);
    auto& first = resources.get_texture(window.context(), "a.png");
    EXPECT_EQ(first->width, 30);
    EXPECT_EQ(first->height, 20);
    EXPECT_EQ(first->renderer, window.context()->renderer);

    // The file is gone, so a second load would fail: the cache must answer on its own.
    std::filesystem::remove("a.png");
    auto& second = resources.get_texture(window.context(), "a.png");
    EXPECT_EQ(&first, &second);

    // Another name for the same file is another key and another decode.
    Support::write_png("a.png", 30, 20, red);
    auto& dotted = resources.get_texture(window.context(), "./a.png");
    EXPECT_NE(dotted, first);
    EXPECT_EQ(resources.textures.size(), 2u);

    // A second renderer gets the cached texture, still bound to the first.
    Support::Headless_app other;
    EXPECT_EQ(resources.get_texture(other.context(), "a.png")->renderer,
              window.context()->renderer);
}

TEST_F(Resources_test, a_failed_load_leaves_no_entry_and_is_tried_again)
{
    expect_sdl_failure([&] { resources.get_texture(window.context(), "missing.png"); },
                       resources.textures);
    Support::write_png("missing.png", 4, 4, red);
    EXPECT_EQ(resources.get_texture(window.context(), "missing.png")->width, 4);

    expect_sdl_failure([&] { resources.get_font("missing.ttf", 20); }, resources.fonts);
    expect_sdl_failure([&] { resources.get_chunk("missing.ogg"); }, resources.chunks);
    expect_sdl_failure([&] { resources.get_music("missing.ogg"); }, resources.music);
}

TEST_F(Resources_test, fonts_are_keyed_by_file_and_size)
{
    auto& small = resources.get_font(Support::font_file, 20);
    auto& large = resources.get_font(Support::font_file, 24);
    EXPECT_NE(small, large);
    EXPECT_EQ(&resources.get_font(Support::font_file, 20), &small);
    EXPECT_EQ(resources.fonts.size(), 2u);
}

TEST_F(Resources_test, sounds_and_music_are_cached_by_file_name)
{
    Support::write_sound("tone.ogg", 0.2);
    auto& chunk = resources.get_chunk("tone.ogg");
    auto& music = resources.get_music("tone.ogg");
    std::filesystem::remove("tone.ogg");
    EXPECT_EQ(&resources.get_chunk("tone.ogg"), &chunk);
    EXPECT_EQ(&resources.get_music("tone.ogg"), &music);
    EXPECT_NE(chunk->chunk, nullptr);
    EXPECT_NE(music->music, nullptr);
}

TEST_F(Resources_test, a_sprite_keeps_drawing_its_texture_after_the_cache_is_cleared)
{
    Support::write_png("a.png", 10, 10, red);
    auto sprite =
        std::make_shared<GE::Sprite>(resources.get_texture(window.context(), "a.png"), "sprite");
    window.app->add_child(sprite);
    const auto held = sprite->texture;
    resources.clear_textures();
    EXPECT_TRUE(resources.textures.empty());

    window.draw();
    EXPECT_EQ(window.pixel(5, 5), red);
    EXPECT_NE(resources.get_texture(window.context(), "a.png"), held);
}

TEST_F(Resources_test, label_textures_are_not_cached)
{
    GE::Label label(window.context(), "title", resources.get_font(Support::font_file, 20),
                    {0, 0, 0, 255}, "Vossmere");
    EXPECT_GT(label.texture->width, 0);
    EXPECT_TRUE(resources.textures.empty());
}

} // namespace
