#include "engine/ui/focus.h"
#include "engine/ui/ui.h"
#include "tests/support/fixtures.h"

namespace {

using Focus_test = Support::Headless_test;

std::shared_ptr<Support::Box> focusable(float x, float y, const std::string& id, int order = 0)
{
    auto box = std::make_shared<Support::Box>(x, y, 10.0f, 10.0f, id);
    box->focusable = true;
    box->focus_order = order;
    return box;
}

std::string ids(const GE::Focus::Objects& objects)
{
    std::string text;
    for (const auto& object : objects)
        text += object->id + " ";
    return text;
}

TEST_F(Focus_test, goes_by_order_then_reading_order_over_the_screens_that_share_it)
{
    // A level's view (a door, an object hidden), an overlay that shares the focus with it, and
    // a dialog above them that keeps the focus.
    const auto level = std::make_shared<GE::UI>(context(), &app->window);
    const auto view = std::make_shared<GE::Render_object_container>();
    level->add_child(view);
    view->add_child(focusable(300, 300, "door"));
    const auto hidden = focusable(0, 0, "hidden");
    hidden->visible = false;
    view->add_child(hidden);
    const auto overlay = std::make_shared<GE::UI>(context(), &app->window);
    overlay->shares_focus = true;
    for (const auto& object :
         {focusable(10, 500, "right"), focusable(0, 500, "left"), focusable(0, 0, "menu", 1)})
        overlay->add_child(object);
    app->add_child(level);
    app->add_child(overlay);
    EXPECT_EQ(ids(GE::Focus::ring(*app)), "door left right menu ");
    const auto dialog = std::make_shared<GE::UI>(context(), &app->window);
    dialog->add_child(focusable(0, 0, "yes"));
    app->add_child(dialog);
    EXPECT_EQ(ids(GE::Focus::ring(*app)), "yes ");
    app->remove_child(dialog);

    // The first step back shows the last; the steps wrap; a view turned keeps the door's focus.
    GE::Focus focus;
    EXPECT_EQ(focus.focused(*app), nullptr);
    EXPECT_TRUE(focus.move(*app, -1));
    EXPECT_EQ(focus.focused(*app)->id, "menu");
    focus.move(*app, 1);
    EXPECT_EQ(focus.focused(*app)->id, "door");
    view->clear_children();
    const auto next_door = focusable(600, 300, "door");
    view->add_child(next_door);
    EXPECT_EQ(focus.focused(*app), next_door);

    // A press hides the ring and hands the focus over; Enter then is the screen's own.
    focus.pointer_pressed(*app, 5, 505);
    EXPECT_EQ(std::pair(focus.shown, focus.focused(*app)->id),
              std::pair(false, std::string("left")));
    EXPECT_FALSE(focus.activate(*app));
    focus.pointer_pressed(*app, 200, 200);
    EXPECT_EQ(focus.focused(*app), nullptr);
}

} // namespace
