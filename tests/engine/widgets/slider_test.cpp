#include "engine/ui/focus.h"
#include "engine/widgets/slider.h"
#include "tests/engine/widgets/widget_fixture.h"

namespace {

using Support::black, Support::white;

// A black slider at (100, 100), 400 by 40: its track is 270 wide, its knob 20.
class Slider_test : public Widget_fixture {
protected:
    Slider_test()
    {
        app->add_child(slider);
        for (const auto* name : {&GE::value_changed_event, &GE::value_committed_event})
            slider->add_event_listener(*name, [this, name](GE::Event&) {
                heard += (*name == GE::value_changed_event ? "changed " : "committed ") +
                         std::to_string(slider->value()) + ", ";
            });
    }

    // Whether the knob's top rows are drawn at the left end, and at the right end, of the track.
    std::pair<bool, bool> knob_at_ends()
    {
        draw();
        return {region_is({102, 101, 16, 4}, black), region_is({352, 101, 16, 4}, black)};
    }

    std::shared_ptr<GE::Slider> slider = std::make_shared<GE::Slider>(
        context(), "music", SDL_FRect{100, 100, 400, 40}, black,
        GE::Resources::instance().get_font(Support::font_file, 20), 0, 100, 10);
    std::string heard;
};

TEST_F(Slider_test, follows_a_press_and_a_drag_anywhere_and_steps_by_the_keys_within_its_range)
{
    EXPECT_EQ(knob_at_ends(), std::pair(true, false));
    EXPECT_TRUE(region_is({240, 100, 20, 10}, white)) << "only the knob is full height";
    slider->set_value(100);
    EXPECT_EQ(knob_at_ends(), std::pair(false, true));
    EXPECT_EQ(heard, "") << "set by the game, not the player";

    send(GE::mouse_motion_event, 200, 120); // no button held
    send(GE::mouse_down_event, 450, 120);   // on the value's text
    send(GE::mouse_button_up_event, 450, 120);
    EXPECT_EQ(std::pair(slider->value(), heard), std::pair(100, std::string()));
    send(GE::mouse_down_event, 297, 120);   // 74.8 % along: the nearest step is 70
    send(GE::mouse_motion_event, 303, 120); // 77.2 %: 80
    send(GE::mouse_motion_event, 900, 400);
    send(GE::mouse_motion_event, 0, 0);
    send(GE::mouse_button_up_event, 0, 0);
    send(GE::mouse_motion_event, 300, 120);
    EXPECT_EQ(heard, "changed 70, changed 80, changed 100, changed 0, committed 0, ");
    EXPECT_EQ(knob_at_ends(), std::pair(true, false));

    heard.clear();
    GE::Focus focus;
    EXPECT_FALSE(focus.adjust(*app, 1)) << "no focus shown";
    focus.move(*app, 1);
    EXPECT_TRUE(focus.adjust(*app, -1)) << "at its end, the step is the slider's still";
    EXPECT_TRUE(focus.adjust(*app, 2));
    focus.activate(*app);
    EXPECT_EQ(heard, "changed 20, committed 20, ");
}

} // namespace
