#include "engine/core/event_names.h"
#include "engine/core/mouse_event.h"
#include "engine/resources/image_surface.h"
#include "engine/resources/texture.h"
#include "engine/widgets/checkbox.h"
#include "engine/widgets/sprite.h"
#include "tests/support/fixtures.h"
#include "tests/support/headless_app.h"
#include "tests/support/pixels.h"
#include "tests/support/test_objects.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using Support::black;
using Support::white;

// A black, unchecked checkbox at (100, 100), 40 by 40, in a headless app.
class Checkbox_test : public testing::Test {
protected:
    Checkbox_test() { app.app->add_child(box); }

    // A 40 by 40 image of one colour.
    std::shared_ptr<GE::Sprite> square(const std::string& file, SDL_Color colour)
    {
        Support::write_png(file, 40, 40, colour);
        return std::make_shared<GE::Sprite>(
            std::make_shared<GE::Texture>(app.context()->renderer, GE::Image_surface(file)), file);
    }

    void send(const std::string& name, float x, float y)
    {
        GE::Mouse_event event(name, x, y);
        app.app->dispatch_event(event);
    }

    void expect(std::initializer_list<std::pair<int, int>> points, SDL_Color colour)
    {
        for (const auto& [x, y] : points)
            EXPECT_EQ(app.pixel(x, y), colour) << x << ", " << y << " at " << app.app->scale_x;
    }

    Support::Scratch_dir scratch;
    Support::Headless_app app;
    std::shared_ptr<GE::Checkbox> box = std::make_shared<GE::Checkbox>(
        app.context(), "sound", SDL_FRect{100, 100, 40, 40}, black, false);
};

TEST_F(Checkbox_test, without_images_draws_a_border_and_when_checked_a_mark)
{
    app.draw();
    expect({{100, 100}, {101, 101}, {139, 139}, {138, 138}, {120, 100}}, black);
    expect({{102, 102}, {137, 137}, {120, 120}, {99, 99}, {140, 140}}, white);

    // The mark is inset by the two-pixel border plus the two-pixel gap.
    box->checked = true;
    app.draw();
    expect({{104, 104}, {135, 135}, {120, 120}}, black);
    expect({{102, 102}, {103, 103}, {136, 136}}, white);

    // At 0.75 the box is 30 pixels at 75 and the border truncf(1.5) = 1 pixel thick.
    app.set_scale(0.75f);
    app.draw();
    expect({{75, 75}, {104, 104}, {78, 78}, {101, 101}, {90, 90}}, black);
    expect({{76, 76}, {77, 77}, {102, 102}, {103, 103}, {105, 105}}, white);

    box->visible = false;
    app.draw();
    expect({{75, 75}, {90, 90}}, white);
}

TEST_F(Checkbox_test, images_replace_the_vector_look_for_their_hover_and_state)
{
    box->set_unchecked_image(false, square("unchecked.png", {255, 0, 0, 255}));
    app.draw();
    expect({{100, 100}, {120, 120}}, {255, 0, 0, 255});
    send(GE::mouse_motion_event, 120, 120); // no image while hovered: the border is back
    app.draw();
    expect({{100, 100}, {101, 101}}, black);
    expect({{120, 120}}, white);

    box->set_unchecked_image(true, square("unchecked_over.png", {255, 255, 0, 255}));
    box->set_checked_image(false, square("checked.png", {0, 255, 0, 255}));
    box->set_checked_image(true, square("checked_over.png", {0, 0, 255, 255}));
    const std::vector<std::pair<std::string, SDL_Color>> steps = {
        {"leave", {255, 0, 0, 255}},           {"hover", {255, 255, 0, 255}},
        {"release", {0, 0, 255, 255}},         {"leave", {0, 255, 0, 255}},
        {"release outside", {0, 255, 0, 255}}, {"hover", {0, 0, 255, 255}},
        {"release", {255, 255, 0, 255}}};
    for (const auto& [step, colour] : steps) {
        if (step == "release" || step == "release outside")
            send(GE::mouse_button_up_event, step == "release" ? 120 : 300, 120);
        else
            send(GE::mouse_motion_event, step == "hover" ? 120 : 300, 120);
        app.draw();
        EXPECT_EQ(app.pixel(100, 100), colour) << step;
        EXPECT_EQ(app.pixel(120, 120), colour) << step;
    }
}

TEST_F(Checkbox_test, any_release_inside_toggles_and_stops_the_event_there)
{
    std::vector<std::string> log;
    // Added before the checkbox, so it is visited after it.
    auto below = std::make_shared<Support::Box>(0, 0, 400, 400);
    Support::record(*below, GE::mouse_button_up_event, "below", log);
    app.app->clear_children();
    app.app->add_child(below);
    app.app->add_child(box);
    std::vector<bool> seen;
    box->add_event_listener(GE::mouse_button_up_event, [&seen, target = box.get()](GE::Event&) {
        seen.push_back(target->checked);
    });

    // A Mouse_event names no button: a left and then a right release both count.
    send(GE::mouse_button_up_event, 120, 120);
    send(GE::mouse_button_up_event, 139, 139);
    EXPECT_FALSE(box->checked);
    EXPECT_EQ(seen, (std::vector<bool>{false, true}));
    EXPECT_TRUE(log.empty());

    send(GE::mouse_down_event, 120, 120);
    send(GE::mouse_button_up_event, 140, 120);
    EXPECT_FALSE(box->checked);
    EXPECT_EQ(log, (std::vector<std::string>{"below"}));

    // A screen's listener that stops the release does not stop the toggle.
    box->add_event_listener(GE::mouse_button_up_event,
                            [](GE::Event& event) { event.propagating = false; });
    send(GE::mouse_button_up_event, 120, 120);
    EXPECT_TRUE(box->checked);
}

} // namespace
