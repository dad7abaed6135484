#include "engine/ui/ui.h"
#include "tests/support/fixtures.h"

namespace {

using UI = Support::Headless_test;

TEST_F(UI, is_as_wide_as_a_measured_parent_or_the_window_and_as_high_as_the_window)
{
    const auto screen = std::make_shared<GE::UI>(context(), &app->window);
    app->window.width = 1024;
    app->window.height = 768;
    EXPECT_FLOAT_EQ(screen->get_width(), 1024.0f);
    const auto parent = std::make_shared<Support::Fixed_root>(0.0f, 500.0f);
    parent->add_child(screen);
    EXPECT_FLOAT_EQ(screen->get_width(), 1024.0f) << "under a parent without a width";
    parent->pixel_width = 960;
    EXPECT_FLOAT_EQ(screen->get_width(), 960.0f);
    EXPECT_FLOAT_EQ(screen->get_height(), 768.0f);
}

} // namespace
