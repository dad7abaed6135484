#include "engine/core/render_object_container.h"
#include "tests/support/fixtures.h"

#include <array>

namespace {

using Container = GE::Render_object_container;
using Strings = std::vector<std::string>;
using H = GE::Horizontal_align;
using V = GE::Vertical_align;
using Render_object_container = Support::Headless_test;

TEST(Render_object, places_its_screen_rect_by_root_scale_alignment_and_truncation)
{
    // A box's fields and rectangle in a 200 by 150 pixel panel at (50, 10) of a 1024 by 768 root.
    const std::tuple<float, float, float, float, float, H, V, bool, std::array<float, 4>> boxes[] =
        {{21.4f, -41, 40.9f, 20, 1, H::left, V::top, false, {60, 0, 20, 5}},
         {100, 40, 200, 60, 2, H::right, V::top, false, {150, 20, 100, 15}},
         {0, 0, 100, 50, 1, H::right, V::bottom, false, {200, 147, 50, 12}},
         {10, 0, 100, 50, 1, H::center, V::center, false, {130, 78, 50, 12}},
         {0.25f, 0.5f, 10, 10, 1, H::left, V::top, true, {306, 394, 5, 2}},
         {0, 0, 100, 0, 1, H::left, V::top, false, {50, 10, 50, 0}}};
    auto root = std::make_shared<Support::Fixed_root>(1024.0f, 768.0f);
    auto panel = std::make_shared<Support::Fixed_root>(200.0f, 150.0f);
    root->scale_x = 0.5f;
    root->scale_y = 0.25f;
    panel->x = 100;
    panel->y = 40;
    root->add_child(panel);
    for (const auto& [x, y, width, height, scale, horizontal, vertical, normalized, rect] : boxes) {
        auto box = std::make_shared<Support::Box>(x, y, width, height);
        box->scale_x = scale;
        box->horizontal_align = horizontal;
        box->vertical_align = vertical;
        box->normalized_x = box->normalized_y = normalized;
        panel->add_child(box);
        const GE::Screen_rect seen = box->get_screen_rect();
        EXPECT_EQ((std::array{seen.x, seen.y, seen.w, seen.h}), rect) << x << ", " << y;
        // Near edges are in, far ones out; nothing is in an empty rectangle or a 0-sized container.
        const auto [left, top, w, h] = rect;
        EXPECT_EQ(box->hit_test(left, top) && box->hit_test(left + w - 0.5f, top + h - 0.5f),
                  h > 0);
        EXPECT_FALSE(box->hit_test(left + w, top) || box->hit_test(left, top + h) ||
                     box->hit_test(left - 0.5f, top) || panel->hit_test(left, top));
    }
}

TEST_F(Render_object_container, spans_its_children_and_draws_them_by_layer_from_its_aligned_place)
{
    set_scale(0.5f);
    const auto square = [&](float x, std::uint32_t colour, int layer) {
        auto box =
            std::make_shared<Support::Filled_box>(*context(), SDL_FRect{x, 0, 40, 40}, colour);
        box->layer = layer;
        return box;
    };
    // Red is added first but drawn on top; blue, added after green on the same layer, covers it.
    // Black is removed, every entry of it, and the hidden container draws nothing.
    auto panel = std::make_shared<Container>(100.0f, 40.0f, 0.0f, 0.0f);
    EXPECT_EQ(std::pair(panel->get_width(), panel->get_height()), std::pair(0.0f, 0.0f));
    const auto black = square(20, 0xFF000000, 1);
    for (const auto& child : {square(20, 0xFF0000FF, 0), black, square(40, 0xFF00FF00, -1), black,
                              square(60, 0xFFFF0000, -1)})
        panel->add_child(child);
    panel->remove_child(black);
    auto hidden = std::make_shared<Container>(100.0f, 40.0f, 0.0f, 0.0f);
    hidden->add_child(black);
    hidden->visible = false;
    app->add_child(panel);
    app->add_child(hidden);
    EXPECT_EQ(std::pair(panel->get_width(), panel->get_height()), std::pair(40.0f, 20.0f));
    context()->clear_frame();
    app->draw(240, 0);
    // The squares start at 240 + (100 + 20) / 2 = 300 across and 40 / 2 = 20 down.
    const std::pair<SDL_Rect, SDL_Color> areas[] = {
        {{300, 20, 20, 20}, Support::red},  {{320, 20, 20, 20}, Support::blue},
        {{299, 19, 42, 1}, Support::white}, {{299, 40, 42, 1}, Support::white},
        {{299, 20, 1, 20}, Support::white}, {{340, 20, 1, 20}, Support::white}};
    for (const auto& [area, colour] : areas)
        EXPECT_TRUE(region_is(area, colour));
}

TEST_F(Render_object_container, delivers_to_itself_then_to_its_children_topmost_first_until_stopped)
{
    auto root = std::make_shared<Container>();
    Strings log;
    const auto add = [&](Container& parent, float x, float size, const std::string& id) {
        auto box = std::make_shared<Support::Box>(x, 0, size, size, id);
        for (const std::string& name :
             {GE::mouse_over_event, GE::mouse_out_event, GE::mouse_motion_event,
              GE::mouse_down_event, GE::mouse_button_up_event, std::string("go")})
            Support::record(*box, name, id + " " + name, log);
        parent.add_child(box);
        return box;
    };
    auto first = add(*root, 0, 100, "first");
    first->layer = 1; // on top once drawn
    auto panel = std::make_shared<Container>();
    root->add_child(panel);
    auto second = add(*panel, 100, 100, "second");
    auto lid = add(*root, 0, 60, "lid");
    lid->add_event_listener(GE::mouse_over_event, [](GE::Event& e) { e.propagating = false; });
    Support::record(*root, "go", "root", log);
    Support::record(*panel, "go", "panel", log);
    root->dispatch_event("go");
    for (const float x : {75.0f, 80.0f, 25.0f, 150.0f})
        Support::send_mouse(*root, GE::mouse_motion_event, x, 50);
    Support::send_mouse(*root, GE::mouse_down_event, 150, 50);
    first->add_event_listener(GE::mouse_down_event, [&](GE::Event&) { // drops the whole tree
        root->clear_children();
        first.reset();
        panel.reset();
    });
    root->draw(0, 0);
    Support::send_mouse(*root, GE::mouse_down_event, 25, 50);
    second->normalized_x = true;
    EXPECT_EQ(second->get_x(), 0.0f); // no parent left, so no root to take a fraction of
    // The lid stops the motion entering it; the sibling visited first gets its "over" first.
    EXPECT_EQ(
        log, (Strings{"root", "lid go", "panel", "second go", "first go", "first mouse_over",
                      "first mouse_motion", "first mouse_motion", "lid mouse_over", "lid mouse_out",
                      "second mouse_over", "second mouse_motion", "first mouse_out",
                      "second mouse_down", "first mouse_down", "lid mouse_down"}));
}

} // namespace
