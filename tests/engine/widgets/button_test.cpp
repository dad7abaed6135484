#include "engine/widgets/button.h"
#include "tests/engine/widgets/widget_fixture.h"

namespace {

using State = GE::Button_state;
using Support::Children;

// Buttons at (100, 100), 200 by 80, with a sprite and a label for each look they are given; the
// labels are aligned to the far corner, for the button to centre them.
class Button_test : public Widget_fixture {
protected:
    std::shared_ptr<GE::Button> button(std::vector<State> looks)
    {
        auto made = std::make_shared<GE::Button>("play", SDL_FRect{100, 100, 200, 80});
        for (const State state : looks) {
            auto text = label("HH", Support::black);
            text->horizontal_align = GE::Horizontal_align::right;
            text->vertical_align = GE::Vertical_align::bottom;
            made->set_sprite(state, sprite_of_png("look.png", 2, 2, Support::green, size));
            made->set_label(state, text);
        }
        app->add_child(made);
        return made;
    }
    static constexpr SDL_FRect size{0, 0, 200, 80};
};

TEST_F(Button_test,
       shows_the_centred_look_of_the_pointer_nothing_for_one_it_lacks_a_new_one_at_once)
{
    auto full = button({State::normal, State::over, State::down});
    auto bare = button({State::normal});
    const auto look = [](const GE::Button& button, State state) {
        return Children{button.sprites.at(state), button.labels.at(state)};
    };
    std::vector<Children> seen; // by a screen's listener
    full->add_event_listener(GE::mouse_button_up_event,
                             [&seen, &full](GE::Event&) { seen.push_back(full->children); });
    EXPECT_EQ(full->children, look(*full, State::normal));
    // A release counts where it happens, hovered or not, wherever the press was.
    const std::string up = GE::mouse_button_up_event, down = GE::mouse_down_event;
    const std::vector<std::tuple<std::string, bool, State>> steps{
        {up, true, State::normal}, {GE::mouse_motion_event, true, State::over},
        {down, true, State::down}, {up, true, State::over},
        {down, true, State::down}, {GE::mouse_motion_event, false, State::normal},
        {up, false, State::normal}};
    for (const auto& [event, inside, shown] : steps) {
        SCOPED_TRACE(event + (inside ? " inside" : " outside"));
        seen.clear();
        send(event, inside ? 150 : 20, inside ? 140 : 20);
        EXPECT_EQ(full->children, look(*full, shown));
        EXPECT_EQ(bare->children, shown == State::normal ? look(*bare, shown) : Children{});
        // The button's own listener runs first, so the screen finds the new look.
        EXPECT_EQ(seen, std::vector<Children>(inside && event == up ? 1 : 0, look(*full, shown)));
        const GE::Screen_rect text = full->labels.at(shown)->get_screen_rect();
        EXPECT_NEAR(text.x + text.w / 2, 200.0f, 1.0f);
        EXPECT_NEAR(text.y + text.h / 2, 140.0f, 1.0f);
    }
    // A new normal look replaces the shown one and leaves the hit area alone.
    const auto larger = sprite_of_png("look.png", 2, 2, Support::green, {0, 0, 400, 300});
    const auto text = label("Go", Support::black);
    bare->set_sprite(State::normal, larger);
    bare->set_label(State::normal, text);
    EXPECT_EQ(bare->children, (Children{larger, text}));
    EXPECT_TRUE(bare->hit_test(299, 179));
    EXPECT_FALSE(bare->hit_test(350, 250)); // on the image, off the button
}

} // namespace
