#include "engine/widgets/rect.h"
#include "tests/engine/widgets/widget_fixture.h"

namespace {

using Rect_test = Widget_fixture;
using Support::green, Support::red, Support::white;

TEST_F(Rect_test, draws_its_children_then_an_outline_of_rounded_thickness_growing_inward)
{
    auto rect = std::make_shared<GE::Rect>(context(), SDL_FRect{100, 100, 200, 100}, "box");
    rect->add_child(
        std::make_shared<Support::Filled_box>(*context(), SDL_FRect{0, 0, 200, 100}, 0xFF00FF00));
    rect->add_child(std::make_shared<Support::Box>(300, 0, 500, 400)); // leaves its size alone
    app->add_child(rect);
    // roundf(0.75 x 2) = 2 frames, roundf(0.2 x 2) none; alpha 0 still draws the children.
    for (const auto& [scale, colour, visible, drawn, frames] :
         std::vector<std::tuple<float, SDL_Color, bool, SDL_Rect, int>>{
             {1.0f, red, true, {100, 100, 200, 100}, 2},
             {0.75f, red, true, {75, 75, 150, 75}, 2},
             {0.2f, red, true, {20, 20, 40, 20}, 0},
             {1.0f, {255, 0, 0, 0}, true, {100, 100, 200, 100}, 0},
             {1.0f, red, false, {100, 100, 200, 100}, 0}}) {
        SCOPED_TRACE(testing::Message() << scale << ' ' << int(colour.a) << ' ' << visible);
        set_scale(scale);
        rect->color = colour;
        rect->visible = visible;
        draw();
        EXPECT_TRUE(ring_is(drawn, frames, red));
        EXPECT_TRUE(region_is(inset(drawn, frames), visible ? green : white));
        EXPECT_TRUE(ring_is(inset(drawn, -1), 1, white));
        EXPECT_FLOAT_EQ(rect->get_width(), static_cast<float>(drawn.w));
        EXPECT_FLOAT_EQ(rect->get_height(), static_cast<float>(drawn.h));
    }
    // Far past the middle: the outline fills the box, and drawing it ends.
    std::tie(rect->thickness, rect->color, rect->visible) = std::tuple(1 << 30, red, true);
    set_scale(1);
    draw();
    EXPECT_TRUE(region_is({100, 100, 200, 100}, red));
}

} // namespace
