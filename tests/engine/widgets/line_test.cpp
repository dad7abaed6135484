#include "engine/widgets/line.h"
#include "tests/support/headless_app.h"
#include "tests/support/pixels.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using Support::white;
constexpr SDL_Color blue{0, 0, 255, 255};

TEST(Line, fills_a_bar_as_high_as_its_thickness_whose_size_ignores_the_root_scale)
{
    Support::Headless_app app;
    auto line = std::make_shared<GE::Line>(app.context(), 100, 200, 400, 200);
    line->color = blue;
    app.app->add_child(line);
    app.draw();
    EXPECT_EQ(app.pixel(100, 200), blue);
    EXPECT_EQ(app.pixel(399, 201), blue);
    for (const auto& [x, y] : {std::pair{99, 200}, {400, 200}, {100, 199}, {100, 202}})
        EXPECT_EQ(app.pixel(x, y), white) << x << ", " << y;

    line->set_thickness(5);
    app.draw();
    EXPECT_EQ(app.pixel(100, 200), blue);
    EXPECT_EQ(app.pixel(399, 204), blue);
    EXPECT_EQ(app.pixel(100, 205), white);
    EXPECT_EQ(app.pixel(400, 202), white);

    // The root scale moves the bar; its size is taken as pixels.
    app.set_scale(0.5f);
    app.draw();
    EXPECT_EQ(app.pixel(50, 100), blue);
    EXPECT_EQ(app.pixel(349, 104), blue);
    EXPECT_EQ(app.pixel(350, 100), white);

    line->visible = false;
    app.draw();
    EXPECT_EQ(app.pixel(50, 100), white);
}

} // namespace
