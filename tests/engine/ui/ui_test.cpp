#include "engine/ui/ui.h"
#include "tests/support/headless_app.h"
#include "tests/support/test_objects.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(UI, builds_for_its_renderer_and_is_as_wide_as_a_measured_parent_or_the_window)
{
    Support::Headless_app app{640, 480};
    const auto screen = std::make_shared<GE::UI>(app.context(), &app.app->window);
    EXPECT_EQ(screen->ui_loader.renderer, app.context());
    app.app->window.width = 1024;
    app.app->window.height = 768;
    EXPECT_FLOAT_EQ(screen->get_width(), 1024.0f);
    EXPECT_FLOAT_EQ(screen->get_height(), 768.0f);
    const auto parent = std::make_shared<Support::Fixed_root>(0.0f, 500.0f);
    parent->add_child(screen);
    EXPECT_FLOAT_EQ(screen->get_width(), 1024.0f) << "under a parent without a width";
    parent->pixel_width = 960;
    EXPECT_FLOAT_EQ(screen->get_width(), 960.0f);
    EXPECT_FLOAT_EQ(screen->get_height(), 768.0f);
}

} // namespace
