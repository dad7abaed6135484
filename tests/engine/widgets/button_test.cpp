#include "engine/core/event_names.h"
#include "engine/core/mouse_event.h"
#include "engine/resources/image_surface.h"
#include "engine/resources/resources.h"
#include "engine/resources/texture.h"
#include "engine/widgets/button.h"
#include "engine/widgets/label.h"
#include "engine/widgets/sprite.h"
#include "tests/support/fixtures.h"
#include "tests/support/headless_app.h"
#include "tests/support/pixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using State = GE::Button_state;
using Children = std::vector<std::shared_ptr<GE::Render_object>>;

constexpr SDL_Color red{255, 0, 0, 255};
constexpr SDL_Color green{0, 255, 0, 255};

// A button at (100, 100), 200 by 80, in a headless app, with images written for it.
class Button_test : public testing::Test {
protected:
    Button_test() { app.app->add_child(button); }

    std::shared_ptr<GE::Sprite> image(const std::string& file, SDL_Color colour)
    {
        Support::write_png(file, 200, 80, colour);
        return std::make_shared<GE::Sprite>(
            std::make_shared<GE::Texture>(app.context()->renderer, GE::Image_surface(file)), file);
    }

    std::shared_ptr<GE::Label> label(const std::string& text)
    {
        return std::make_shared<GE::Label>(
            app.context(), text, GE::Resources::instance().get_font(Support::font_file, 24),
            Support::black, text);
    }

    void give_every_look()
    {
        button->set_sprite(State::normal, image("normal.png", red));
        button->set_sprite(State::over, image("over.png", green));
        button->set_sprite(State::down, image("down.png", {0, 0, 255, 255}));
        button->set_label(State::normal, label("Play"));
        button->set_label(State::over, label("Play!"));
        button->set_label(State::down, label("Go"));
    }

    void send(const std::string& name, float x, float y)
    {
        GE::Mouse_event event(name, x, y);
        app.app->dispatch_event(event);
    }

    Children look(State state) const
    {
        return {button->sprites.at(state), button->labels.at(state)};
    }

    Support::Scratch_dir scratch;
    Support::Headless_app app;
    std::shared_ptr<GE::Button> button =
        std::make_shared<GE::Button>("play", SDL_FRect{100, 100, 200, 80});
};

TEST_F(Button_test, follows_the_pointer_through_its_three_looks)
{
    give_every_look();
    EXPECT_EQ(button->children, look(State::normal));
    send(GE::mouse_motion_event, 150, 140);
    EXPECT_EQ(button->children, look(State::over));
    send(GE::mouse_down_event, 150, 140);
    EXPECT_EQ(button->children, look(State::down));
    send(GE::mouse_button_up_event, 150, 140);
    EXPECT_EQ(button->children, look(State::over));
    send(GE::mouse_motion_event, 20, 20);
    EXPECT_EQ(button->children, look(State::normal));
}

TEST_F(Button_test, a_look_without_parts_shows_nothing)
{
    button->set_sprite(State::normal, image("normal.png", red));
    button->set_label(State::normal, label("Play"));
    send(GE::mouse_motion_event, 150, 140);
    app.draw();
    for (int x = 100; x < 300; x += 2)
        ASSERT_EQ(app.pixel(x, 140), Support::white) << "at x " << x;
    send(GE::mouse_down_event, 150, 140);
    EXPECT_TRUE(button->children.empty());
    send(GE::mouse_motion_event, 20, 20);
    app.draw();
    EXPECT_EQ(app.pixel(101, 101), red);
}

TEST_F(Button_test, labels_are_centred_whatever_their_alignment_said)
{
    for (const State state : {State::normal, State::over}) {
        button->set_sprite(state, image("plain.png", {200, 200, 200, 255}));
        auto text = label("HH");
        text->horizontal_align = GE::Horizontal_align::right;
        text->vertical_align = GE::Vertical_align::bottom;
        button->set_label(state, text);
    }
    for (const State state : {State::normal, State::over}) {
        send(GE::mouse_motion_event, state == State::over ? 150 : 20, 140);
        app.draw();
        // The text crosses the button's middle row, its ink centred on the middle column.
        int left = 300, right = 0;
        for (int x = 100; x < 300; ++x)
            if (app.pixel(x, 140).r < 100) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        ASSERT_LT(left, right) << "no text on the middle row";
        EXPECT_NEAR((left + right) / 2.0, 200.0, 3.0);
    }
}

TEST_F(Button_test, a_release_counts_where_it_happens_not_where_the_press_did)
{
    give_every_look();
    std::vector<Children> looks_seen;
    button->add_event_listener(GE::mouse_button_up_event,
                               [&looks_seen, target = button.get()](GE::Event&) {
                                   looks_seen.push_back(target->children);
                               });

    // A button just put under a still pointer is not hovered, yet a release on it counts.
    send(GE::mouse_button_up_event, 150, 140);
    EXPECT_EQ(button->children, look(State::normal));
    EXPECT_EQ(looks_seen.size(), 1u);

    looks_seen.clear();
    send(GE::mouse_motion_event, 150, 140);
    send(GE::mouse_down_event, 150, 140);
    send(GE::mouse_motion_event, 20, 20);
    send(GE::mouse_button_up_event, 20, 20);
    EXPECT_EQ(button->children, look(State::normal));
    EXPECT_TRUE(looks_seen.empty());

    send(GE::mouse_down_event, 20, 20);
    send(GE::mouse_motion_event, 150, 140);
    send(GE::mouse_button_up_event, 150, 140);
    EXPECT_EQ(button->children, look(State::over));
    // The button's own listener ran first: the screen already sees the new look.
    EXPECT_EQ(looks_seen, (std::vector<Children>{look(State::over)}));
}

} // namespace
