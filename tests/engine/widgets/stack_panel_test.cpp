#include "engine/widgets/stack_panel.h"
#include "tests/support/test_objects.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using Support::Box;

// Fills a panel with boxes of the given sizes; every box starts at (3, 7).
std::vector<std::shared_ptr<Box>> fill(GE::Stack_panel& panel, const std::vector<float>& sizes)
{
    std::vector<std::shared_ptr<Box>> boxes;
    for (float size : sizes) {
        boxes.push_back(std::make_shared<Box>(3, 7, size, size));
        panel.add_child(boxes.back());
    }
    return boxes;
}

TEST(Stack_panel, places_each_child_after_the_others_along_its_orientation)
{
    auto row = std::make_shared<GE::Stack_panel>(GE::Orientation::horizontal, 10, "row");
    const auto across = fill(*row, {100, 50, 70});
    for (std::size_t i = 0; i < across.size(); ++i) {
        EXPECT_FLOAT_EQ(across[i]->x, (std::vector<float>{0, 110, 170})[i]) << "child " << i;
        EXPECT_FLOAT_EQ(across[i]->y, 7.0f) << "child " << i;
    }
    EXPECT_FLOAT_EQ(row->get_width(), 240.0f);

    auto column = std::make_shared<GE::Stack_panel>(GE::Orientation::vertical, 10, "column");
    const auto down = fill(*column, {100, 50, 70});
    for (std::size_t i = 0; i < down.size(); ++i) {
        EXPECT_FLOAT_EQ(down[i]->y, (std::vector<float>{0, 110, 170})[i]) << "child " << i;
        EXPECT_FLOAT_EQ(down[i]->x, 3.0f) << "child " << i;
    }
}

TEST(Stack_panel, negative_offsets_overlap_and_the_panel_scale_stretches_the_gap)
{
    auto overlapping = std::make_shared<GE::Stack_panel>(GE::Orientation::horizontal, -10, "");
    const auto boxes = fill(*overlapping, {100, 50, 70});
    EXPECT_FLOAT_EQ(boxes[1]->x, 90.0f);
    EXPECT_FLOAT_EQ(boxes[2]->x, 130.0f);

    auto stretched = std::make_shared<GE::Stack_panel>(GE::Orientation::vertical, 10, "");
    stretched->scale_x = 2;
    EXPECT_FLOAT_EQ(fill(*stretched, {100, 50})[1]->y, 120.0f);
}

TEST(Stack_panel, placement_happens_once_when_a_child_is_added)
{
    auto panel = std::make_shared<GE::Stack_panel>(GE::Orientation::horizontal, 10, "");
    const auto boxes = fill(*panel, {100, 50, 70});
    panel->remove_child(boxes[0]);
    boxes[1]->width = 500;
    panel->offset = 40;
    panel->draw(0, 0);
    EXPECT_FLOAT_EQ(boxes[1]->x, 110.0f);
    EXPECT_FLOAT_EQ(boxes[2]->x, 170.0f);
}

} // namespace
