#include "engine/core/event_names.h"
#include "engine/core/mouse_event.h"
#include "engine/core/sdl_runtime_error.h"
#include "engine/resources/resources.h"
#include "engine/widgets/drop_down_list.h"
#include "engine/widgets/label.h"
#include "engine/widgets/sprite.h"
#include "tests/support/fixtures.h"
#include "tests/support/headless_app.h"
#include "tests/support/pixels.h"
#include "tests/support/test_objects.h"

#include <SDL_render.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

constexpr SDL_Color blue{0, 0, 255, 255};
constexpr SDL_Color red = GE::Drop_down_list::highlight_color;
// Transparent on purpose: the unfolded rows take the border colour's alpha.
constexpr SDL_Color list_grey{230, 230, 230, 0};
constexpr SDL_Color opaque_grey{230, 230, 230, 255};
constexpr SDL_Color magenta{255, 0, 255, 255};
constexpr SDL_Color cyan{0, 255, 255, 255};

// A 640x480 window at root scale 1 with the arrow images in a scratch folder.
class Drop_down_list : public testing::Test {
protected:
    Drop_down_list()
    {
        Support::write_png("triangle.png", 16, 9, magenta);
        Support::write_png("triangle_over.png", 16, 9, cyan);
    }

    // A box of 200x40 at (x, y); each text gets a black label and a highlighted one.
    std::shared_ptr<GE::Drop_down_list> make_list(const Strings& texts, float x = 100,
                                                  float y = 200)
    {
        auto list = std::make_shared<GE::Drop_down_list>(
            app.context(), "list", SDL_FRect{x, y, 200, 40}, blue, list_grey, 0, 2, 6, 2);
        auto& font = GE::Resources::instance().get_font(Support::font_file, 20);
        for (const auto& text : texts) {
            list->items[0].push_back(
                std::make_shared<GE::Label>(app.context(), "", font, Support::black, text));
            list->items[1].push_back(
                std::make_shared<GE::Label>(app.context(), "", font, red, text));
        }
        app.app->add_child(list);
        return list;
    }

    void send(const std::string& name, float x, float y)
    {
        GE::Mouse_event event(name, x, y);
        app.app->dispatch_event(event);
    }
    void click(float x, float y) { send(GE::mouse_button_up_event, x, y); }
    void move(float x, float y) { send(GE::mouse_motion_event, x, y); }

    // How many pixels of the area are close to `ink`, the colour of a text or a fill.
    int ink(SDL_Rect area, SDL_Color ink)
    {
        std::vector<std::uint8_t> rgba(static_cast<std::size_t>(area.w * area.h * 4));
        if (SDL_RenderReadPixels(app.context()->renderer, &area, SDL_PIXELFORMAT_RGBA32,
                                 rgba.data(), area.w * 4) != 0)
            throw GE::SDL_runtime_error::from_sdl();
        int count = 0;
        for (std::size_t i = 0; i < rgba.size(); i += 4)
            if (std::abs(rgba[i] - ink.r) < 60 && std::abs(rgba[i + 1] - ink.g) < 60 &&
                std::abs(rgba[i + 2] - ink.b) < 60)
                ++count;
        return count;
    }
    // Where the text of row `row` lies (-1: the box) for a box at (100, 200).
    static SDL_Rect text_area(int row) { return {106, 203 + 38 * (row + 1), 100, 30}; }

    Support::Scratch_dir scratch;
    Support::Headless_app app;
};

TEST_F(Drop_down_list, unfolds_rows_one_box_high_overlapping_by_the_border)
{
    auto list = make_list({"One", "Two", "Three"});
    app.draw();
    EXPECT_EQ(app.pixel(100, 200), blue);
    EXPECT_EQ(app.pixel(101, 201), blue);
    EXPECT_EQ(app.pixel(102, 202), Support::white);
    EXPECT_EQ(app.pixel(290, 260), Support::white); // closed: no rows
    EXPECT_FALSE(list->hit_test(290, 260));

    click(150, 220);
    app.draw();
    for (int top : {238, 276, 314}) {
        EXPECT_EQ(app.pixel(290, top), blue) << "row at " << top;
        EXPECT_EQ(app.pixel(290, top + 1), blue) << "row at " << top;
        EXPECT_EQ(app.pixel(290, top + 2), opaque_grey) << "row at " << top;
    }
    EXPECT_EQ(app.pixel(290, 353), blue);
    EXPECT_EQ(app.pixel(290, 354), Support::white);
    EXPECT_EQ(app.pixel(99, 300), Support::white);
    EXPECT_EQ(list->list_color.a, 0); // drawing keeps the colour as set
    EXPECT_TRUE(list->hit_test(290, 353));
    EXPECT_FALSE(list->hit_test(290, 354));
    EXPECT_FALSE(list->hit_test(300, 300));

    // At half scale the border is 1 pixel and rows are drawn every truncf(20 - 1) pixels.
    app.set_scale(0.5f);
    app.draw();
    EXPECT_EQ(app.pixel(50, 100), blue);
    EXPECT_EQ(app.pixel(51, 101), Support::white);
    EXPECT_EQ(app.pixel(140, 119), blue);
    EXPECT_EQ(app.pixel(140, 120), opaque_grey);
    EXPECT_EQ(app.pixel(140, 138), blue);
}

TEST_F(Drop_down_list, a_click_stops_only_when_it_opened_the_list_or_picked_a_row)
{
    Strings log;
    auto sibling = std::make_shared<Support::Box>(0, 0, 640, 480);
    app.app->add_child(sibling); // visited after the list
    auto list = make_list({"One", "Two", "Three"});
    Support::record(*list, GE::mouse_button_up_event, "list", log);
    Support::record(*sibling, GE::mouse_button_up_event, "sibling", log);

    send(GE::mouse_down_event, 150, 220);
    EXPECT_FALSE(list->is_open);
    click(150, 220);
    EXPECT_TRUE(list->is_open);
    EXPECT_EQ(log, (Strings{"list", "list"}));

    log.clear();
    click(150, 220);
    EXPECT_FALSE(list->is_open);
    EXPECT_EQ(list->selected_index, 0);
    EXPECT_EQ(log, (Strings{"list", "sibling"}));

    click(150, 220);
    log.clear();
    click(150, 290);
    EXPECT_FALSE(list->is_open);
    EXPECT_EQ(list->selected_index, 1);
    EXPECT_EQ(list->get_selected_text(), "Two");
    EXPECT_EQ(log, (Strings{"list", "list"}));

    click(150, 220);
    log.clear();
    click(150, 400); // below the last row
    EXPECT_FALSE(list->is_open);
    EXPECT_EQ(list->selected_index, 1);
    EXPECT_EQ(log, (Strings{"sibling"}));
}

TEST_F(Drop_down_list, the_hovered_row_follows_the_pointer_and_is_drawn_highlighted)
{
    auto list = make_list({"One", "Two", "Three"});
    click(150, 220);
    // Rows start at 238, 276 and 314 and overlap by the border: the upper row wins.
    for (auto [y, row] : {std::pair{239, -1},
                          {240, 0},
                          {277, 0},
                          {278, 1},
                          {315, 1},
                          {316, 2},
                          {353, 2},
                          {354, 2}}) {
        move(150, static_cast<float>(y));
        EXPECT_EQ(list->hovered_index, row) << "y " << y;
    }
    move(150, 210);
    EXPECT_EQ(list->hovered_index, -1);

    move(150, 330);
    app.draw();
    EXPECT_GT(ink(text_area(2), red), 20);
    EXPECT_EQ(ink(text_area(2), Support::black), 0);
    for (int row : {-1, 0, 1})
        EXPECT_EQ(ink(text_area(row), red) > 20, row == -1) << "row " << row;
    EXPECT_GT(ink(text_area(0), Support::black), 20);
    EXPECT_EQ(app.pixel(280, 214), cyan);

    move(500, 400); // off the widget: the row is kept, its highlight is not drawn
    EXPECT_EQ(list->hovered_index, 2);
    EXPECT_FALSE(list->mouse_over);
    app.draw();
    EXPECT_EQ(ink(text_area(2), red), 0);
    EXPECT_EQ(app.pixel(280, 214), magenta);

    click(500, 400);
    move(150, 290);
    EXPECT_EQ(list->hovered_index, -1);
}

TEST_F(Drop_down_list, item_texts_ignore_alignment_and_the_arrow_is_placed_at_each_draw)
{
    // A parent of window size, so centring moves the box to (240, 230).
    auto parent = std::make_shared<Support::Fixed_root>(640.0f, 480.0f);
    app.app->add_child(parent);
    auto centred = make_list({"One"}, 20, 10);
    app.app->remove_child(centred);
    parent->add_child(centred);
    centred->horizontal_align = GE::Horizontal_align::center;
    centred->vertical_align = GE::Vertical_align::center;
    app.draw();
    EXPECT_EQ(app.pixel(240, 230), blue);
    EXPECT_EQ(app.pixel(241, 231), blue);
    EXPECT_EQ(app.pixel(414, 240), magenta);
    EXPECT_EQ(app.pixel(429, 248), magenta);
    EXPECT_GT(ink({26, 12, 100, 30}, Support::black), 20);
    EXPECT_EQ(ink({246, 232, 100, 30}, Support::black), 0);
    parent->remove_child(centred);

    auto list = make_list({"One"});
    list->set_x(200);
    list->set_y(100);
    list->triangle_images[0]->x = 999;
    const float label_x = list->items[0][0]->x;
    const float label_width = list->items[0][0]->width;
    app.set_scale(0.5f);
    app.draw();
    // Box at (100, 50); arrow 8x4 pixels, 5 from the right edge and 5 below the top.
    EXPECT_EQ(app.pixel(187, 55), magenta);
    EXPECT_EQ(app.pixel(194, 58), magenta);
    EXPECT_NE(app.pixel(186, 55), magenta);
    EXPECT_NE(app.pixel(195, 55), magenta);
    EXPECT_NE(app.pixel(190, 59), magenta);
    EXPECT_GT(ink({103, 51, 60, 15}, Support::black), 10);
    EXPECT_EQ(ink({103, 66, 60, 3}, Support::black), 0); // the text is drawn at half size
    EXPECT_FLOAT_EQ(list->items[0][0]->x, label_x);
    EXPECT_FLOAT_EQ(list->items[0][0]->width, label_width);
    EXPECT_FLOAT_EQ(list->triangle_images[0]->x, 999.0f);
}

TEST_F(Drop_down_list, without_a_valid_item_the_box_is_drawn_empty)
{
    auto empty = make_list({});
    click(150, 220);
    EXPECT_TRUE(empty->is_open);
    move(150, 260);
    EXPECT_EQ(empty->hovered_index, -1);
    app.draw();
    EXPECT_EQ(app.pixel(100, 200), blue);
    EXPECT_EQ(app.pixel(280, 214), magenta);
    EXPECT_EQ(app.pixel(290, 250), Support::white);
    EXPECT_EQ(empty->get_selected_text(), "");
    app.app->remove_child(empty);

    auto list = make_list({"One", "Two"});
    for (int index : {2, -1}) {
        list->selected_index = index;
        app.draw();
        EXPECT_EQ(app.pixel(100, 200), blue);
        EXPECT_EQ(ink(text_area(-1), Support::black), 0) << "index " << index;
        EXPECT_EQ(list->get_selected_text(), "") << "index " << index;
    }
}

TEST_F(Drop_down_list, background_images_replace_the_box_border_and_get_no_events)
{
    Support::write_png("bg.png", 4, 4, {0, 160, 0, 255});
    Support::write_png("bg_over.png", 4, 4, {240, 240, 0, 255});
    auto list = make_list({"One", "Two"});
    auto image = std::make_shared<GE::Sprite>(
        GE::Resources::instance().get_texture(app.context(), "bg.png"), SDL_FRect{0, 0, 200, 40});
    auto image_over = std::make_shared<GE::Sprite>(
        GE::Resources::instance().get_texture(app.context(), "bg_over.png"),
        SDL_FRect{0, 0, 200, 40});
    list->set_bg_image(false, image);
    list->set_bg_image(true, image_over);
    Strings log;
    for (const auto& shown : {image, image_over})
        Support::record(*shown, GE::mouse_button_up_event, "image", log);
    app.draw();
    EXPECT_EQ(app.pixel(100, 200), (SDL_Color{0, 160, 0, 255}));

    move(150, 220);
    click(150, 220);
    app.draw();
    EXPECT_EQ(app.pixel(100, 200), (SDL_Color{240, 240, 0, 255}));
    EXPECT_EQ(app.pixel(290, 276), red); // rows keep their border, highlighted
    EXPECT_TRUE(log.empty());
}

} // namespace
