#include "engine/widgets/sprite.h"
#include "tests/engine/widgets/widget_fixture.h"

namespace {

using Sprite_test = Widget_fixture;

TEST_F(Sprite_test, stretches_its_image_over_its_scaled_rectangle_cut_to_whole_pixels)
{
    // x 7.5 and width 75.75 are truncated.
    for (const auto& [rect, scale, drawn] :
         {std::tuple{SDL_FRect{0, 0, 300, 200}, 0.5f, SDL_Rect{0, 0, 150, 100}},
          {SDL_FRect{10, 10, 101, 20}, 0.75f, SDL_Rect{7, 7, 75, 15}}}) {
        SCOPED_TRACE(scale);
        auto sprite = sprite_of_png("image.png", 8, 8, Support::blue, rect);
        set_children({sprite});
        set_scale(scale);
        draw();
        EXPECT_TRUE(region_is(drawn, Support::blue));
        EXPECT_TRUE(region_is({drawn.x + drawn.w, 0, 1, drawn.y + drawn.h + 1}, Support::white));
        sprite->visible = false;
        draw();
        EXPECT_TRUE(region_is(drawn, Support::white));
    }
}

} // namespace
