#include "engine/core/render_object.h"
#include "engine/core/render_object_container.h"
#include "tests/support/test_objects.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using Support::Box;

TEST(Render_object, scales_fields_by_the_root_and_its_own_scale)
{
    auto root = Support::make_root(0.5f);
    auto box = std::make_shared<Box>(100, 40, 200, 60);
    box->scale_x = 2.0f;
    EXPECT_FLOAT_EQ(box->root_scale_x(), 1.0f); // no parent yet, so no root
    root->add_child(box);
    EXPECT_EQ(box->get_root(), root);
    EXPECT_EQ(root->get_root(), nullptr);
    EXPECT_FLOAT_EQ(box->get_x(), 100.0f);
    EXPECT_FLOAT_EQ(box->get_y(), 20.0f);
    EXPECT_FLOAT_EQ(box->get_width(), 200.0f);
    EXPECT_FLOAT_EQ(box->get_height(), 30.0f);
}

TEST(Render_object, normalized_positions_are_fractions_of_the_roots_pixel_size)
{
    auto root = std::make_shared<Support::Fixed_root>(1024.0f, 768.0f);
    root->scale_x = root->scale_y = 0.5f;
    auto panel = std::make_shared<GE::Render_object_container>(100.0f, 100.0f, 0.0f, 0.0f);
    auto box = std::make_shared<Box>(0.25f, 0.5f, 10, 10);
    box->normalized_x = true;
    box->normalized_y = true;
    root->add_child(panel);
    panel->add_child(box);
    EXPECT_FLOAT_EQ(box->get_x(), 256.0f);
    EXPECT_FLOAT_EQ(box->get_y(), 384.0f);
    EXPECT_EQ(box->get_screen_rect().x, 50.0f + 256.0f);

    auto orphan = std::make_shared<Box>(0.5f, 0.5f, 10, 10);
    orphan->normalized_x = true;
    EXPECT_FLOAT_EQ(orphan->get_x(), 0.0f);
}

TEST(Render_object, aligns_inside_its_parent)
{
    auto root = Support::make_root();
    auto panel = std::make_shared<GE::Render_object_container>(0.0f, 0.0f, 0.0f, 0.0f);
    root->add_child(panel);
    panel->add_child(std::make_shared<Box>(0, 0, 400, 300)); // gives the panel its extent
    auto right = std::make_shared<Box>(0, 0, 100, 50);
    right->horizontal_align = GE::Horizontal_align::right;
    right->vertical_align = GE::Vertical_align::bottom;
    auto centered = std::make_shared<Box>(10, 0, 100, 50);
    centered->horizontal_align = GE::Horizontal_align::center;
    centered->vertical_align = GE::Vertical_align::center;
    panel->add_child(right);
    panel->add_child(centered);

    EXPECT_FLOAT_EQ(right->aligned_x(0) + right->get_width(), 400.0f);
    EXPECT_FLOAT_EQ(right->aligned_y(0) + right->get_height(), 300.0f);
    EXPECT_FLOAT_EQ(centered->aligned_x(0), 200.0f - 50.0f + 10.0f);
    EXPECT_FLOAT_EQ(centered->aligned_y(7), 7.0f + 150.0f - 25.0f);
}

TEST(Render_object, screen_rect_truncates_toward_zero_and_hit_test_excludes_far_edges)
{
    auto root = Support::make_root(0.5f);
    auto box = std::make_shared<Box>(21.4f, -1.0f, 40.9f, 20.0f);
    root->add_child(box);
    // x = 10.7 -> 10, y = -0.5 -> 0, width 20.45 -> 20.
    const GE::Screen_rect rect = box->get_screen_rect();
    EXPECT_EQ(rect.x, 10.0f);
    EXPECT_EQ(rect.y, 0.0f);
    EXPECT_EQ(rect.w, 20.0f);
    EXPECT_EQ(rect.h, 10.0f);

    EXPECT_TRUE(box->hit_test(10, 0));
    EXPECT_TRUE(box->hit_test(29.9f, 9.9f));
    EXPECT_FALSE(box->hit_test(30, 5));
    EXPECT_FALSE(box->hit_test(15, 10));
    EXPECT_FALSE(box->hit_test(9.9f, 5));
}

TEST(Render_object, screen_rect_folds_every_ancestors_alignment)
{
    auto root = Support::make_root();
    auto outer = std::make_shared<GE::Render_object_container>(100.0f, 50.0f, 0.0f, 0.0f);
    auto inner = std::make_shared<GE::Render_object_container>(10.0f, 5.0f, 0.0f, 0.0f);
    auto box = std::make_shared<Box>(1, 2, 30, 40);
    root->add_child(outer);
    outer->add_child(inner);
    inner->add_child(box);
    const GE::Screen_rect rect = box->get_screen_rect();
    EXPECT_EQ(rect.x, 111.0f);
    EXPECT_EQ(rect.y, 57.0f);
}

TEST(Render_object, zero_sized_objects_are_never_hit)
{
    auto root = Support::make_root();
    auto flat = std::make_shared<Box>(0, 0, 100, 0);
    auto panel = std::make_shared<GE::Render_object_container>(0.0f, 0.0f, 0.0f, 0.0f);
    panel->add_child(std::make_shared<Box>(0, 0, 100, 100));
    root->add_child(flat);
    root->add_child(panel);
    EXPECT_FALSE(flat->hit_test(0, 0));
    // A container's own fields decide, whatever its children cover.
    EXPECT_FALSE(panel->hit_test(50, 50));
    EXPECT_FLOAT_EQ(panel->get_width(), 100.0f);
}

} // namespace
