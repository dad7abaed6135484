#include "engine/widgets/stack_panel.h"
#include "tests/support/fixtures.h"

namespace {

TEST(Stack_panel, places_each_child_in_design_units_after_the_ones_it_has)
{
    // Children 100, 50 and 70 units high, twice as wide, starting at (3, 7). The panel's scale
    // stretches the gap; in a scaled tree it measures pixels yet stores the same positions.
    const std::vector<std::tuple<bool, int, float, float, std::vector<float>>> cases{
        {true, 10, 1, 1, {0, 210, 320}},    {false, 10, 1, 1, {0, 110, 170}},
        {true, -10, 1, 1, {0, 190, 280}},   {false, 10, 2, 1, {0, 120, 190}},
        {true, 10, 1, 0.5f, {0, 210, 320}}, {false, 10, 1, 0.5f, {0, 110, 170}}};
    for (const auto& [across, offset, panel_scale, root_scale, expected] : cases) {
        SCOPED_TRACE(testing::Message()
                     << across << ' ' << offset << ' ' << panel_scale << ' ' << root_scale);
        auto root = std::make_shared<GE::Render_object_container>();
        root->scale_x = root->scale_y = root_scale;
        auto panel = std::make_shared<GE::Stack_panel>(
            across ? GE::Orientation::horizontal : GE::Orientation::vertical, offset, "panel");
        panel->scale_x = panel_scale;
        root->add_child(panel);
        for (const float size : {100.0f, 50.0f, 70.0f}) {
            auto box = std::make_shared<Support::Box>(3, 7, 2 * size, size);
            panel->add_child(box);
            EXPECT_FLOAT_EQ(across ? box->x : box->y, expected[panel->children.size() - 1]);
            EXPECT_FLOAT_EQ(across ? box->y : box->x, across ? 7.0f : 3.0f);
        }
    }
}

} // namespace
