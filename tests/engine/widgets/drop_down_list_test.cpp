#include "engine/widgets/drop_down_list.h"
#include "tests/engine/widgets/widget_fixture.h"

namespace {

const std::string& up = GE::mouse_button_up_event;
const std::string& move = GE::mouse_motion_event;
using Support::black, Support::blue, Support::green, Support::white, Support::yellow;
constexpr SDL_Color red = GE::Drop_down_list::highlight_color;
constexpr SDL_Color magenta{255, 0, 255, 255};
constexpr SDL_Color cyan{0, 255, 255, 255};
constexpr SDL_Color grey{230, 230, 230, 255};

// A list 200x40 at (100, 200) with a blue border, three items and a magenta arrow, cyan while
// hovered. The rows' fill is transparent, as the rows take the border's alpha.
class Drop_down_list_test : public Widget_fixture {
protected:
    Drop_down_list_test()
    {
        Support::write_png("triangle.png", 16, 9, magenta);
        Support::write_png("triangle_over.png", 16, 9, cyan);
        list = std::make_shared<GE::Drop_down_list>(context(), "list", SDL_FRect{100, 200, 200, 40},
                                                    blue, SDL_Color{230, 230, 230, 0}, 0, 2, 6, 2);
        for (const auto& text : {"One", "Two", "Three"}) {
            list->items[0].push_back(label(text, black));
            list->items[1].push_back(label(text, red));
        }
        app->add_child(list);
    }
    // Where the text of row `row` lies; -1 is the box.
    static SDL_Rect text_area(int row) { return {106, 203 + 38 * (row + 1), 100, 30}; }

    std::shared_ptr<GE::Drop_down_list> list;
};

TEST_F(Drop_down_list_test, draws_its_box_then_rows_one_box_high_overlapping_by_the_border)
{
    auto parent = std::make_shared<Support::Fixed_root>(400.0f, 200.0f);
    app->clear_children();
    app->add_child(parent);
    parent->add_child(list);
    list->is_open = true;
    list->triangle_images[0]->x = 999; // drawing places the arrow itself
    // At half scale the border is 1 pixel, rows come every truncf(20 - 1) pixels and the arrow
    // is 8 by 4; at 1024x768's scale, 0.7111, every truncf(28.4) - 1. Centred, the box moves and
    // its text does not.
    for (const auto& [scale, centred, box, border, step, arrow, text] :
         std::vector<std::tuple<float, bool, SDL_Rect, int, int, SDL_Rect, SDL_Rect>>{
             {1.0f, false, {100, 200, 200, 40}, 2, 38, {274, 210, 16, 9}, text_area(-1)},
             {0.5f, false, {50, 100, 100, 20}, 1, 19, {137, 105, 8, 4}, {53, 101, 50, 15}},
             {0.7111f, false, {71, 142, 142, 28}, 1, 27, {195, 149, 11, 6}, {75, 143, 71, 21}},
             {1.0f, true, {200, 280, 200, 40}, 2, 38, {374, 290, 16, 9}, text_area(-1)}}) {
        SCOPED_TRACE(testing::Message() << scale << (centred ? " centred" : ""));
        set_scale(scale);
        list->horizontal_align =
            centred ? GE::Horizontal_align::center : GE::Horizontal_align::left;
        list->vertical_align = centred ? GE::Vertical_align::center : GE::Vertical_align::top;
        draw();
        EXPECT_TRUE(ring_is(box, border, blue));
        EXPECT_TRUE(region_is(arrow, magenta));
        EXPECT_TRUE(ring_is(inset(arrow, -1), 1, white));
        EXPECT_GT(ink_in(text, black), 10);
        EXPECT_EQ(ink_in({text.x, text.y + text.h, text.w, 3}, black), 0);
        for (int row = 1; row <= 3; ++row) {
            const SDL_Rect drawn{box.x, box.y + row * step, box.w, box.h};
            EXPECT_TRUE(ring_is(drawn, border, blue)) << "row " << row;
            const SDL_Rect right_half{box.x + box.w / 2, drawn.y, box.w / 2, box.h}; // no text
            EXPECT_TRUE(region_is(inset(right_half, border), grey)) << "row " << row;
        }
        EXPECT_TRUE(region_is({box.x, box.y + box.h + 3 * step, box.w, 1}, white));

        // A row is picked down to its last pixel row, the border it shares with the next; the
        // pixel row below picks the next. The hovered row shows its label highlighted.
        for (int row = 0; row < 3; ++row) {
            const int last = box.y + (row + 1) * step + box.h - 1;
            for (const auto& [y, picked] : {std::pair{last, row}, std::pair{last + 1, row + 1}}) {
                if (picked == 3)
                    continue;
                send(move, static_cast<float>(box.x + box.w / 2), static_cast<float>(y));
                EXPECT_EQ(list->hovered_index, picked) << "at " << y;
                draw();
                for (int shown = 0; shown < 3; ++shown) {
                    const SDL_Rect label{text.x, text.y + (shown + 1) * step, text.w / 2, text.h};
                    EXPECT_EQ(ink_in(label, red) > 5, shown == picked)
                        << "row " << shown << " with the pointer at " << y;
                }
                send(up, static_cast<float>(box.x + box.w / 2), static_cast<float>(y));
                EXPECT_EQ(list->selected_index, picked) << "at " << y;
                list->is_open = true;
            }
        }
        list->selected_index = 0;
        send(move, 0, 0);
    }
}

TEST_F(Drop_down_list_test, a_click_stops_only_when_it_opens_the_list_or_picks_a_row)
{
    std::string log;
    bool stop_above = false;
    auto below = std::make_shared<Support::Box>(0, 0, 640, 480);
    below->add_event_listener(up, [&log](GE::Event&) { log += "below "; });
    list->add_event_listener(up, [&](GE::Event&) { log += list->is_open ? "open " : "closed "; });
    set_children({below, list, stopper(stop_above)});
    // A click that changes the list reaches its listeners before and after the change.
    const std::vector<std::tuple<std::string, float, bool, bool, int, std::string>> clicks{
        {GE::mouse_down_event, 220, false, false, 0, ""},
        {up, 220, true, false, 0, ""},
        {up, 220, false, true, 0, "closed open "},
        {up, 290, true, true, 0, ""},
        {up, 220, false, false, 0, "open below "},
        {up, 220, false, true, 0, "closed open "},
        {up, 290, false, false, 1, "open closed "},
        {up, 220, false, true, 1, "closed open "},
        {up, 400, false, false, 1, "below "}};
    for (const auto& [event, y, stopped_above, open, chosen, seen] : clicks) {
        SCOPED_TRACE(testing::Message() << event << " at " << y << " stopped " << stopped_above);
        stop_above = stopped_above;
        log.clear();
        send(event, 150, y);
        EXPECT_EQ(list->is_open, open);
        EXPECT_EQ(list->selected_index, chosen);
        EXPECT_EQ(log, seen);
    }
    EXPECT_EQ(list->get_selected_text(), "Two");
}

TEST_F(Drop_down_list_test, counts_the_rows_as_its_own_and_shows_the_look_of_the_pointer)
{
    // Background images stand in for the box's border and receive no events.
    bool images_reached = false;
    for (const bool hover : {false, true}) {
        auto image = sprite_of_png(hover ? "over.png" : "bg.png", 4, 4, hover ? yellow : green,
                                   {0, 0, 200, 40});
        image->add_event_listener(up, [&](GE::Event&) { images_reached = true; });
        list->set_bg_image(hover, image);
    }
    draw();
    EXPECT_TRUE(region_is({100, 200, 200, 2}, green));
    EXPECT_TRUE(region_is({100, 240, 200, 120}, white)); // closed: no rows
    send(up, 150, 220);
    // Rows start at 238, 276 and 314 and overlap by the border: the upper row wins. Off the
    // rows the last row is kept.
    const std::vector<std::tuple<float, float, int, bool>> moves{
        {150, 239, -1, true}, {150, 240, 0, true},  {150, 277, 0, true}, {150, 278, 1, true},
        {150, 353, 2, true},  {300, 290, 2, false}, {299, 290, 1, true}, {150, 354, 1, false}};
    for (const auto& [x, y, row, over] : moves) {
        send(move, x, y);
        EXPECT_EQ(list->hovered_index, row) << x << ", " << y;
        EXPECT_EQ(list->mouse_over, over) << x << ", " << y;
    }
    // The hovered row and the chosen item show their highlighted labels, only while over.
    for (const float y : {330.0f, 400.0f}) {
        send(move, 150, y);
        draw();
        const bool over = list->mouse_over;
        for (const int row : {-1, 0, 1, 2}) {
            const bool highlighted = over && (row == -1 || row == 2);
            EXPECT_EQ(ink_in(text_area(row), red) > 20, highlighted) << row << " at " << y;
            EXPECT_EQ(ink_in(text_area(row), black) > 20, !highlighted) << row << " at " << y;
        }
        EXPECT_TRUE(region_is({100, 200, 200, 2}, over ? yellow : green)) << y;
        EXPECT_TRUE(ring_is({100, 238, 200, 40}, 2, over ? red : blue)) << y;
        EXPECT_TRUE(region_is({274, 210, 16, 9}, over ? cyan : magenta)) << y;
    }
    send(up, 500, 400);
    send(move, 150, 290);
    EXPECT_EQ(list->hovered_index, -1);
    EXPECT_FALSE(images_reached);
}

} // namespace
