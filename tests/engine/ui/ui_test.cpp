#include "engine/ui/ui.h"
#include "engine/widgets/rect.h"
#include "tests/support/fixtures.h"
#include "tests/support/headless_app.h"
#include "tests/support/test_objects.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

namespace {

// A screen of a 640 by 480 window.
class UI_test : public testing::Test {
protected:
    Support::Headless_app app{640, 480};
    std::shared_ptr<GE::UI> screen = std::make_shared<GE::UI>(app.context(), &app.app->window);
};

TEST_F(UI_test, is_as_large_as_the_window_when_alone_and_follows_its_resize)
{
    EXPECT_FLOAT_EQ(screen->get_width(), 640.0f);
    EXPECT_FLOAT_EQ(screen->get_height(), 480.0f);
    app.app->window.width = 1024;
    app.app->window.height = 768;
    EXPECT_FLOAT_EQ(screen->get_width(), 1024.0f);
    EXPECT_FLOAT_EQ(screen->get_height(), 768.0f);
}

TEST_F(UI_test, is_as_wide_as_its_parents_drawing_area_and_as_high_as_the_window)
{
    app.app->add_child(screen);
    app.app->set_width(960);
    EXPECT_FLOAT_EQ(screen->get_width(), 960.0f);
    EXPECT_FLOAT_EQ(screen->get_height(), 480.0f);
    app.app->set_width(720);
    app.app->window.height = 600;
    EXPECT_FLOAT_EQ(screen->get_width(), 720.0f);
    EXPECT_FLOAT_EQ(screen->get_height(), 600.0f);

    // A parent that reports no width leaves the window's.
    app.app->remove_child(screen);
    auto unmeasured = std::make_shared<Support::Fixed_root>(0.0f, 0.0f);
    unmeasured->add_child(screen);
    EXPECT_FLOAT_EQ(screen->get_width(), 640.0f);
}

TEST_F(UI_test, builds_its_tree_with_a_loader_drawing_for_its_renderer)
{
    Support::Scratch_dir scratch;
    std::ofstream("screen.xml") << R"(<ui><rect id="frame" width="10" height="10"/></ui>)";
    screen->ui_loader.load(screen.get(), "screen.xml");
    const auto frame = std::dynamic_pointer_cast<GE::Rect>(screen->find_child("frame"));
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->renderer, app.context());
    EXPECT_EQ(frame->get_parent(), screen);
}

} // namespace
