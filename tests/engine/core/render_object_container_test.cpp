#include "engine/core/event_names.h"
#include "engine/core/mouse_event.h"
#include "engine/core/render_object_container.h"
#include "tests/support/test_objects.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Support::Box;
using Strings = std::vector<std::string>;

void move_mouse(GE::Render_object& root, float x, float y)
{
    GE::Mouse_event event(GE::mouse_motion_event, x, y);
    root.dispatch_event(event);
}

TEST(Render_object_container, extent_spans_children_even_at_negative_positions)
{
    auto root = Support::make_root();
    auto panel = std::make_shared<GE::Render_object_container>();
    root->add_child(panel);
    EXPECT_FLOAT_EQ(panel->get_width(), 0.0f);
    EXPECT_FLOAT_EQ(panel->get_height(), 0.0f);
    panel->add_child(std::make_shared<Box>(-300, -200, 100, 50));
    panel->add_child(std::make_shared<Box>(-150, -120, 20, 30));
    EXPECT_FLOAT_EQ(panel->get_width(), 170.0f);
    EXPECT_FLOAT_EQ(panel->get_height(), 110.0f);
}

TEST(Render_object_container, tree_changes_and_lookups)
{
    auto root = Support::make_root();
    auto box = std::make_shared<Box>(0, 0, 1, 1, "box");
    auto other = std::make_shared<Box>(0, 0, 1, 1, "box");
    root->add_child(box);
    root->add_child(other);
    root->add_child(box);
    EXPECT_EQ(root->find_child("box"), box);
    EXPECT_EQ(root->find_child("missing"), nullptr);
    EXPECT_TRUE(root->has_child(box));

    root->remove_child(box);
    ASSERT_EQ(root->children.size(), 1u);
    EXPECT_EQ(root->children[0], other);
    EXPECT_EQ(box->get_parent(), root); // removal leaves the parent link as it was
    root->remove_child(box);
    EXPECT_EQ(root->children.size(), 1u);
}

TEST(Render_object_container, a_child_that_outlives_its_container_has_no_parent)
{
    auto box = std::make_shared<Box>(10, 10, 5, 5);
    {
        auto panel = std::make_shared<GE::Render_object_container>();
        panel->add_child(box);
        EXPECT_EQ(box->get_parent(), panel);
    }
    EXPECT_EQ(box->get_parent(), nullptr);
    EXPECT_FLOAT_EQ(box->get_x(), 10.0f);
}

TEST(Render_object_container, draws_by_layer_keeping_equal_layers_in_order_of_addition)
{
    auto root = Support::make_root();
    Strings drawn;
    // More children than any small-array insertion sort would handle.
    for (int i = 0; i < 40; ++i) {
        auto box = std::make_shared<Box>(0, 0, 1, 1, std::to_string(i), &drawn);
        box->layer = (i % 3 == 0) ? 1 : 0;
        root->add_child(box);
    }
    Strings expected;
    for (int layer = 0; layer <= 1; ++layer)
        for (int i = 0; i < 40; ++i)
            if (((i % 3 == 0) ? 1 : 0) == layer)
                expected.push_back(std::to_string(i));
    for (int frame = 0; frame < 3; ++frame) {
        drawn.clear();
        root->draw(0, 0);
        EXPECT_EQ(drawn, expected) << "frame " << frame;
    }

    auto hidden = Support::make_root();
    hidden->add_child(std::make_shared<Box>(0, 0, 1, 1, "never", &drawn));
    hidden->visible = false;
    drawn.clear();
    hidden->draw(0, 0);
    EXPECT_TRUE(drawn.empty());
}

TEST(Render_object_container, draws_children_from_its_aligned_position)
{
    auto root = Support::make_root(0.5f);
    auto panel = std::make_shared<GE::Render_object_container>(100.0f, 40.0f, 0.0f, 0.0f);
    auto box = std::make_shared<Box>(20, 10, 4, 4);
    root->add_child(panel);
    panel->add_child(box);
    root->draw(240, 0);
    EXPECT_FLOAT_EQ(box->drawn_at_x, 240.0f + 50.0f + 10.0f);
    EXPECT_FLOAT_EQ(box->drawn_at_y, 20.0f + 5.0f);
}

TEST(Render_object_container, mouse_events_reach_the_topmost_layer_first_after_a_draw)
{
    auto root = Support::make_root();
    Strings log;
    auto high = std::make_shared<Box>(0, 0, 100, 100, "high");
    high->layer = 1;
    auto low = std::make_shared<Box>(0, 0, 100, 100, "low");
    Support::record(*high, GE::mouse_down_event, "high", log);
    Support::record(*low, GE::mouse_down_event, "low", log);
    Support::record(*root, GE::mouse_down_event, "root", log); // root's size is 0: never hit
    root->add_child(high);
    root->add_child(low);
    root->draw(0, 0);

    GE::Mouse_event down(GE::mouse_down_event, 50, 50);
    root->dispatch_event(down);
    EXPECT_EQ(log, (Strings{"high", "low"}));

    log.clear();
    GE::Mouse_event outside(GE::mouse_down_event, 150, 50);
    root->dispatch_event(outside);
    EXPECT_TRUE(log.empty());
}

TEST(Render_object_container, hover_changes_fire_over_and_out_in_visiting_order)
{
    auto root = Support::make_root();
    Strings log;
    auto left = std::make_shared<Box>(0, 0, 100, 100, "left");
    auto right = std::make_shared<Box>(100, 0, 100, 100, "right");
    for (const auto& box : {left, right}) {
        Support::record(*box, GE::mouse_over_event, box->id + " over", log);
        Support::record(*box, GE::mouse_out_event, box->id + " out", log);
        Support::record(*box, GE::mouse_motion_event, box->id + " motion", log);
        root->add_child(box);
    }

    move_mouse(*root, 50, 50);
    EXPECT_EQ(log, (Strings{"left over", "left motion"}));
    EXPECT_TRUE(left->mouse_over);

    log.clear();
    move_mouse(*root, 150, 50);
    // The later sibling is visited first, so its "over" comes before the other's "out".
    EXPECT_EQ(log, (Strings{"right over", "right motion", "left out"}));
    EXPECT_FALSE(left->mouse_over);

    // Presses do not change the hover state.
    log.clear();
    GE::Mouse_event down(GE::mouse_down_event, 50, 50);
    root->dispatch_event(down);
    EXPECT_TRUE(right->mouse_over);
    EXPECT_FALSE(left->mouse_over);
}

TEST(Render_object_container, clearing_propagating_in_mouse_over_stops_the_rest)
{
    auto root = Support::make_root();
    Strings log;
    auto below = std::make_shared<Box>(0, 0, 100, 100, "below");
    auto above = std::make_shared<Box>(0, 0, 100, 100, "above");
    Support::record(*below, GE::mouse_over_event, "below over", log);
    above->add_event_listener(GE::mouse_over_event, [&log](GE::Event& event) {
        log.push_back("above over");
        event.propagating = false;
    });
    Support::record(*above, GE::mouse_over_event, "above second over", log);
    Support::record(*above, GE::mouse_motion_event, "above motion", log);
    root->add_child(below);
    root->add_child(above);

    move_mouse(*root, 10, 10);
    EXPECT_EQ(log, (Strings{"above over"}));
    EXPECT_TRUE(above->mouse_over);
    EXPECT_FALSE(below->mouse_over);
}

TEST(Render_object_container, named_events_reach_every_descendant_last_child_first)
{
    auto root = Support::make_root();
    Strings log;
    auto panel = std::make_shared<GE::Render_object_container>();
    auto first = std::make_shared<Box>(0, 0, 0, 0);
    auto second = std::make_shared<Box>(5000, 5000, 0, 0);
    root->add_child(first);
    root->add_child(panel);
    panel->add_child(second);
    Support::record(*root, "go_left", "root", log);
    Support::record(*panel, "go_left", "panel", log);
    Support::record(*first, "go_left", "first", log);
    Support::record(*second, "go_left", "second", log);

    root->dispatch_event("go_left");
    EXPECT_EQ(log, (Strings{"root", "panel", "second", "first"}));

    log.clear();
    GE::Event stopped("go_left");
    stopped.propagating = false;
    root->dispatch_event(stopped);
    EXPECT_TRUE(log.empty());
}

TEST(Render_object_container, delivery_survives_listeners_that_tear_down_the_tree)
{
    auto root = Support::make_root();
    auto screen = std::make_shared<GE::Render_object_container>();
    auto button = std::make_shared<Box>(0, 0, 100, 100, "button");
    auto after = std::make_shared<Box>(0, 0, 100, 100, "after");
    root->add_child(after);
    root->add_child(screen);
    screen->add_child(button);
    Strings log;
    // The click drops the whole screen, the button with it, without stopping delivery.
    button->add_event_listener(GE::mouse_button_up_event, [&](GE::Event&) {
        log.push_back("button");
        root->clear_children();
        screen.reset();
        button.reset();
    });
    Support::record(*button, GE::mouse_button_up_event, "button again", log);
    Support::record(*after, GE::mouse_button_up_event, "after", log);

    GE::Mouse_event up(GE::mouse_button_up_event, 10, 10);
    root->dispatch_event(up);
    EXPECT_EQ(log, (Strings{"button", "button again", "after"}));
    EXPECT_TRUE(root->children.empty());
}

} // namespace
