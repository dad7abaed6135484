#include "engine/resources/resources.h"
#include "engine/resources/texture.h"
#include "engine/widgets/sprite.h"
#include "tests/support/fixtures.h"
#include "tests/support/headless_app.h"
#include "tests/support/pixels.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr SDL_Color blue{0, 0, 255, 255};

class Sprite_test : public testing::Test {
protected:
    std::shared_ptr<GE::Texture> image(int width, int height)
    {
        Support::write_png("image.png", width, height, blue);
        return GE::Resources::instance().get_texture(window.context(), "image.png");
    }

    Support::Scratch_dir scratch;
    Support::Headless_app window;
};

TEST_F(Sprite_test, takes_the_images_size_and_scales_it_by_the_root)
{
    auto sprite = std::make_shared<GE::Sprite>(image(300, 200), "picture");
    EXPECT_EQ(sprite->id, "picture");
    EXPECT_FLOAT_EQ(sprite->width, 300.0f);
    EXPECT_FLOAT_EQ(sprite->height, 200.0f);
    window.app->add_child(sprite);
    window.set_scale(0.5f);
    window.draw();
    EXPECT_EQ(window.pixel(0, 0), blue);
    EXPECT_EQ(window.pixel(149, 99), blue);
    EXPECT_EQ(window.pixel(150, 50), Support::white);
    EXPECT_EQ(window.pixel(50, 100), Support::white);
}

TEST_F(Sprite_test, truncates_its_destination_to_whole_pixels)
{
    auto sprite = std::make_shared<GE::Sprite>(image(8, 8), SDL_FRect{10, 10, 101, 20});
    window.app->add_child(sprite);
    window.set_scale(0.75f);
    window.draw();
    // x 7.5 -> 7, width 75.75 -> 75: pixels 7 to 81.
    EXPECT_EQ(window.pixel(6, 10), Support::white);
    EXPECT_EQ(window.pixel(7, 10), blue);
    EXPECT_EQ(window.pixel(81, 10), blue);
    EXPECT_EQ(window.pixel(82, 10), Support::white);
}

TEST_F(Sprite_test, a_hidden_sprite_draws_nothing)
{
    auto sprite = std::make_shared<GE::Sprite>(image(20, 20), "hidden");
    sprite->visible = false;
    window.app->add_child(sprite);
    window.draw();
    EXPECT_EQ(window.pixel(10, 10), Support::white);
}

} // namespace
