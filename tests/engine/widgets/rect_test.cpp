#include "engine/widgets/rect.h"
#include "tests/support/headless_app.h"
#include "tests/support/pixels.h"
#include "tests/support/test_objects.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>

namespace {

constexpr SDL_Color red{255, 0, 0, 255};
constexpr SDL_Color green{0, 255, 0, 255};

TEST(Rect, draws_its_outline_inward_over_its_children)
{
    Support::Headless_app app;
    auto rect = std::make_shared<GE::Rect>(app.context(), SDL_FRect{100, 100, 200, 100}, "box");
    rect->color = red;
    rect->add_child(
        std::make_shared<Support::Filled_box>(*app.context(), 0, 0, 200, 100, 0xFF00FF00));
    app.app->add_child(rect);
    const auto expect = [&app](std::initializer_list<std::pair<int, int>> points, SDL_Color c) {
        for (const auto& [x, y] : points)
            EXPECT_EQ(app.pixel(x, y), c) << x << ", " << y << " at scale " << app.app->scale_x;
    };

    // Two one-pixel frames, the second inset by one pixel, then the child shows through.
    app.draw();
    expect({{100, 100}, {101, 101}, {299, 199}, {298, 198}, {200, 100}, {200, 101}}, red);
    expect({{102, 102}, {297, 197}, {200, 102}, {200, 150}}, green);
    expect({{99, 99}, {300, 200}}, Support::white);

    app.set_scale(0.75f); // roundf(1.5) = 2 frames at (75, 75)
    app.draw();
    expect({{75, 75}, {76, 76}}, red);
    expect({{77, 77}}, green);
    app.set_scale(0.2f); // roundf(0.4) = no frame
    app.draw();
    expect({{20, 20}, {59, 39}}, green);

    app.set_scale(1.0f);
    rect->color = {255, 0, 0, 0};
    app.draw();
    expect({{100, 100}, {101, 101}, {200, 150}}, green);
    rect->visible = false;
    rect->color = red;
    app.draw();
    expect({{100, 100}, {200, 150}}, Support::white);
}

TEST(Rect, is_as_large_as_its_own_rectangle_whatever_its_children_cover)
{
    auto root = Support::make_root(0.5f);
    auto rect = std::make_shared<GE::Rect>(nullptr, SDL_FRect{100, 100, 200, 100}, "box");
    root->add_child(rect);
    rect->add_child(std::make_shared<Support::Box>(300, 0, 500, 400));
    auto corner = std::make_shared<Support::Box>(0, 0, 20, 20);
    corner->horizontal_align = GE::Horizontal_align::right;
    rect->add_child(corner);
    EXPECT_FLOAT_EQ(rect->get_width(), 100.0f);
    EXPECT_FLOAT_EQ(rect->get_height(), 50.0f);
    // A right-aligned child ends at the outline's right edge.
    EXPECT_FLOAT_EQ(corner->aligned_x(50), 50.0f + 100.0f - 10.0f);
}

} // namespace
