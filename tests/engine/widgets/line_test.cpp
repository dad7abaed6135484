#include "engine/widgets/line.h"
#include "tests/engine/widgets/widget_fixture.h"

namespace {

using Line_test = Widget_fixture;

TEST_F(Line_test, fills_a_bar_placed_by_the_root_scale_whose_size_is_taken_as_pixels)
{
    auto line = std::make_shared<GE::Line>(context(), 100, 200, 400, 200);
    line->color = Support::blue;
    line->set_thickness(5);
    app->add_child(line);
    set_scale(0.5f);
    draw();
    const SDL_Rect drawn{50, 100, 300, 5};
    EXPECT_TRUE(region_is(drawn, Support::blue));
    EXPECT_TRUE(ring_is(inset(drawn, -1), 1, Support::white));
}

} // namespace
