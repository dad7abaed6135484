#include "engine/widgets/checkbox.h"
#include "tests/engine/widgets/widget_fixture.h"

namespace {

using Support::black, Support::blue, Support::green, Support::red, Support::white, Support::yellow;
constexpr SDL_Rect drawn{100, 100, 40, 40};

// A black, unchecked checkbox at (100, 100), 40 by 40.
class Checkbox_test : public Widget_fixture {
protected:
    Checkbox_test() { app->add_child(box); }

    std::shared_ptr<GE::Checkbox> box = std::make_shared<GE::Checkbox>(
        context(), "sound", SDL_FRect{100, 100, 40, 40}, black, false);
};

TEST_F(Checkbox_test, without_images_draws_a_border_and_when_checked_a_mark_two_pixels_inside)
{
    // The border is truncf(root scale x 2) pixels thick.
    const std::vector<std::tuple<float, bool, bool, SDL_Rect, int>> cases{
        {1.0f, false, true, drawn, 2},
        {1.0f, true, true, drawn, 2},
        {0.75f, true, true, {75, 75, 30, 30}, 1},
        {0.75f, true, false, {75, 75, 30, 30}, 0}};
    for (const auto& [scale, checked, visible, at, border] : cases) {
        SCOPED_TRACE(testing::Message() << scale << " checked " << checked << " shown " << visible);
        set_scale(scale);
        box->checked = checked;
        box->visible = visible;
        draw();
        EXPECT_TRUE(ring_is(at, border, black));
        EXPECT_TRUE(ring_is(inset(at, -1), 1, white));
        EXPECT_TRUE(ring_is(inset(at, border), 2, white));
        EXPECT_TRUE(region_is(inset(at, border + 2), checked && visible ? black : white));
    }
}

TEST_F(Checkbox_test, shows_the_image_of_its_state_and_hover_else_its_drawn_look)
{
    const auto set_image = [this](bool checked, bool hover, SDL_Color colour) {
        auto image = sprite_of_png(std::to_string(checked + 2 * hover) + ".png", 4, 4, colour,
                                   {0, 0, 40, 40});
        checked ? box->set_checked_image(hover, image) : box->set_unchecked_image(hover, image);
    };
    set_image(false, false, red);
    draw();
    EXPECT_TRUE(region_is(drawn, red));
    send(GE::mouse_motion_event, 120, 120); // no unchecked image while hovered
    draw();
    EXPECT_TRUE(ring_is(drawn, 2, black));
    set_image(false, true, yellow);
    set_image(true, false, green);
    set_image(true, true, blue);
    const std::string up = GE::mouse_button_up_event, move = GE::mouse_motion_event;
    const std::vector<std::tuple<std::string, float, SDL_Color>> steps{
        {move, 300, red},   {move, 120, yellow}, {up, 120, blue},
        {move, 300, green}, {move, 120, blue},   {up, 120, yellow}};
    for (const auto& [event, x, colour] : steps) {
        send(event, x, 120);
        draw();
        EXPECT_TRUE(region_is(drawn, colour)) << event << " at " << x;
    }
}

TEST_F(Checkbox_test, a_release_inside_toggles_and_stops_there_unless_stopped_above_it)
{
    bool stop_here = false, stop_above = false, reached_below = false;
    auto below = std::make_shared<Support::Box>(0, 0, 640, 480);
    below->add_event_listener(GE::mouse_button_up_event, [&](GE::Event&) { reached_below = true; });
    // A screen's listener on the checkbox runs first and sees the value from before the click.
    box->add_event_listener(GE::mouse_button_up_event, [&](GE::Event& event) {
        EXPECT_FALSE(box->checked);
        event.propagating = !stop_here;
    });
    set_children({below, box, stopper(stop_above)});
    const std::vector<std::tuple<float, float, bool, bool, bool, bool>> cases{
        {120, 120, false, false, true, false}, {139, 139, false, false, true, false},
        {140, 120, false, false, false, true}, {120, 140, false, false, false, true},
        {120, 120, true, false, true, false},  {120, 120, false, true, false, false}};
    for (const auto& [x, y, stopped_here, stopped_above, toggles, passes_on] : cases) {
        SCOPED_TRACE(testing::Message() << x << ", " << y << ' ' << stopped_here << stopped_above);
        box->checked = false;
        reached_below = false;
        stop_here = stopped_here;
        stop_above = stopped_above;
        send(GE::mouse_button_up_event, x, y);
        EXPECT_EQ(box->checked, toggles);
        EXPECT_EQ(reached_below, passes_on);
    }
}

} // namespace
