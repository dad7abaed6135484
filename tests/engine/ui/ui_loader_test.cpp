#include "engine/core/ge_runtime_error.h"
#include "engine/core/render_context.h"
#include "engine/core/sdl_runtime_error.h"
#include "engine/resources/resources.h"
#include "engine/resources/texture.h"
#include "engine/ui/ui_loader.h"
#include "engine/widgets/button.h"
#include "engine/widgets/checkbox.h"
#include "engine/widgets/drop_down_list.h"
#include "engine/widgets/label.h"
#include "engine/widgets/line.h"
#include "engine/widgets/rect.h"
#include "engine/widgets/sprite.h"
#include "engine/widgets/stack_panel.h"
#include "tests/support/fixtures.h"
#include "tests/support/headless_app.h"
#include "tests/support/pixels.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using State = GE::Button_state;
using Points = std::initializer_list<std::pair<int, int>>;

constexpr SDL_Color red{255, 0, 0, 255};
constexpr SDL_Color green{0, 255, 0, 255};
constexpr SDL_Color transparent{0, 0, 0, 0};

// Screens loaded into a headless app from XML written by each test; every screen defines the
// font "text".
class UI_loader : public testing::Test {
protected:
    // Loads `body` as the children of a "ui" root.
    void load(const std::string& body)
    {
        write_file("screen.xml", "<ui><font id=\"text\" file=\"" + Support::font_file +
                                     "\" size=\"20\"/>" + body + "</ui>");
        loader.load(app.app.get(), "screen.xml");
    }

    // The message of the GE_runtime_error (or SDL_runtime_error) that loading `body` throws.
    std::string failure_of(const std::string& body)
    {
        try {
            load(body);
        } catch (const GE::GE_runtime_error& error) {
            return error.what();
        }
        return "no failure";
    }

    static void write_file(const std::string& file, const std::string& text)
    {
        std::ofstream(file) << text;
    }

    // The object built at `index` of the app's children, empty when it is not a T.
    template <typename T>
    std::shared_ptr<T> built(std::size_t index) const
    {
        const auto& children = app.app->children;
        return index < children.size() ? std::dynamic_pointer_cast<T>(children[index]) : nullptr;
    }

    std::size_t built_count() const { return app.app->children.size(); }

    std::shared_ptr<GE::Texture> texture(const std::string& file)
    {
        return GE::Resources::instance().get_texture(app.context(), file);
    }

    std::shared_ptr<GE::Font> font() const
    {
        return GE::Resources::instance().get_font(Support::font_file, 20);
    }

    Support::Scratch_dir scratch;
    Support::Headless_app app;
    GE::UI_Loader loader{app.context()};
};

void expect_size(const GE::Render_object& object, float width, float height)
{
    EXPECT_FLOAT_EQ(object.width, width) << "object " << object.id;
    EXPECT_FLOAT_EQ(object.height, height) << "object " << object.id;
}

TEST_F(UI_loader, places_aligns_and_layers_every_kind_of_object)
{
    Support::write_png("image.png", 30, 20, green);
    Support::write_png("triangle.png", 16, 9, red);
    Support::write_png("triangle_over.png", 16, 9, red);
    const std::vector<std::string> elements{
        R"(<label font_id="text" text="Hi")",
        R"(<sprite image="image.png")",
        R"(<button file="image.png")",
        R"(<checkbox width="20" height="20")",
        R"(<drop_down_list width="200" height="40")",
        R"(<stack_panel)",
        R"(<rect width="20" height="20")",
        R"(<border><rect width="20" height="20"/></border)",
        R"(<line x_begin="5" y_begin="6" x_end="50" y_end="6")",
    };
    std::string body;
    for (const auto& element : elements) {
        // A border's body closes its own tag; the attributes go on the opening one.
        const auto tag_end = element.find('>');
        const std::string common =
            R"( x="0.25" y="40" normalized_x="true" horizontal_align="center")"
            R"( vertical_align="bottom" layer="3")";
        body += tag_end == std::string::npos
                    ? element + common + "/>"
                    : element.substr(0, tag_end) + common + element.substr(tag_end) + ">";
    }
    load(body);

    ASSERT_EQ(built_count(), elements.size());
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const auto object = built<GE::Render_object>(i);
        SCOPED_TRACE(elements[i]);
        EXPECT_FLOAT_EQ(object->x, 0.25f);
        EXPECT_FLOAT_EQ(object->y, 40.0f);
        EXPECT_TRUE(object->normalized_x);
        EXPECT_FALSE(object->normalized_y);
        EXPECT_EQ(object->horizontal_align, GE::Horizontal_align::center);
        EXPECT_EQ(object->vertical_align, GE::Vertical_align::bottom);
        EXPECT_EQ(object->layer, 3);
    }
    EXPECT_TRUE(built<GE::Label>(0));
    EXPECT_TRUE(built<GE::Sprite>(1));
    EXPECT_TRUE(built<GE::Button>(2));
    EXPECT_TRUE(built<GE::Checkbox>(3));
    EXPECT_TRUE(built<GE::Drop_down_list>(4));
    EXPECT_TRUE(built<GE::Stack_panel>(5));
    EXPECT_TRUE(built<GE::Rect>(6));
    EXPECT_TRUE(built<GE::Rect>(7));
    EXPECT_TRUE(built<GE::Line>(8));
}

TEST_F(UI_loader, takes_a_flag_only_from_the_exact_text_true_and_left_top_by_default)
{
    load(R"(<rect normalized_x="True" normalized_y="1"/>)"
         R"(<rect normalized_x="yes" normalized_y="true" horizontal_align="" vertical_align=""/>)"
         R"(<rect horizontal_align="right" vertical_align="center"/>)");
    ASSERT_EQ(built_count(), 3u);
    EXPECT_FALSE(built<GE::Rect>(0)->normalized_x);
    EXPECT_FALSE(built<GE::Rect>(0)->normalized_y);
    EXPECT_FALSE(built<GE::Rect>(1)->normalized_x);
    EXPECT_TRUE(built<GE::Rect>(1)->normalized_y);
    EXPECT_EQ(built<GE::Rect>(1)->horizontal_align, GE::Horizontal_align::left);
    EXPECT_EQ(built<GE::Rect>(1)->vertical_align, GE::Vertical_align::top);
    EXPECT_EQ(built<GE::Rect>(2)->horizontal_align, GE::Horizontal_align::right);
    EXPECT_EQ(built<GE::Rect>(2)->vertical_align, GE::Vertical_align::center);
}

TEST_F(UI_loader, builds_a_label_from_its_font_colour_and_text)
{
    load(R"(<color id="ink" r="10" g="20" b="30" a="255"/>)"
         R"(<label id="title" font_id="text" color_id="ink" text="Vossmere" width="999"/>)");
    const auto label = built<GE::Label>(0);
    ASSERT_TRUE(label);
    EXPECT_EQ(label->id, "title");
    EXPECT_EQ(label->text, "Vossmere");
    EXPECT_EQ(label->font, font());
    EXPECT_EQ(label->color, (SDL_Color{10, 20, 30, 255}));
    // As large as the rendered text, whatever "width" said.
    expect_size(*label, static_cast<float>(label->texture->width),
                static_cast<float>(label->texture->height));
    EXPECT_GT(label->width, 0.0f);
}

TEST_F(UI_loader, keeps_the_low_eight_bits_of_each_channel_and_leaves_a_missing_one_at_zero)
{
    load(R"(<color id="odd" r="300" g="0x10" b="-1"/>)"
         R"(<color id="twice" r="1" a="255"/><color id="twice" r="2" a="255"/>)"
         R"(<rect id="odd" color_id="odd"/><rect id="twice" color_id="twice"/>)"
         R"(<rect id="unknown" color_id="none"/><rect id="plain"/>)");
    ASSERT_EQ(built_count(), 4u);
    // Without "a" the colour is fully transparent.
    EXPECT_EQ(built<GE::Rect>(0)->color, (SDL_Color{44, 16, 255, 0}));
    // The first definition of a name wins.
    EXPECT_EQ(built<GE::Rect>(1)->color, (SDL_Color{1, 0, 0, 255}));
    EXPECT_EQ(built<GE::Rect>(2)->color, transparent);
    EXPECT_EQ(built<GE::Rect>(3)->color, transparent);
}

TEST_F(UI_loader, finds_fonts_and_colours_only_among_the_root_children)
{
    write_file("nested.xml",
               "<ui><stack_panel><font id=\"inner\" file=\"" + Support::font_file +
                   "\" size=\"20\"/><color id=\"inner\" r=\"255\" a=\"255\"/></stack_panel>"
                   "<rect color_id=\"inner\"/></ui>");
    loader.load(app.app.get(), "nested.xml");
    ASSERT_EQ(built_count(), 2u);
    // Definitions produce no object, wherever they stand.
    EXPECT_TRUE(built<GE::Stack_panel>(0)->children.empty());
    EXPECT_EQ(built<GE::Rect>(1)->color, transparent);

    // An unknown font asks the cache for no file at all, which SDL refuses.
    app.app->clear_children();
    write_file("nested.xml", "<ui><stack_panel><font id=\"inner\" file=\"" + Support::font_file +
                                 "\" size=\"20\"/></stack_panel>"
                                 "<label font_id=\"inner\" text=\"Hi\"/></ui>");
    EXPECT_THROW(loader.load(app.app.get(), "nested.xml"), GE::SDL_runtime_error);
    EXPECT_THROW(load(R"(<label text="Hi"/>)"), GE::SDL_runtime_error);
}

TEST_F(UI_loader, sizes_a_sprite_by_its_id_its_rectangle_or_its_image)
{
    Support::write_png("image.png", 30, 20, green);
    load(R"(<sprite id="logo" image="image.png" width="100" height="50"/>)"
         R"(<sprite id="" image="image.png" width="100" height="50"/>)"
         R"(<sprite image="image.png" x="5" width="100" height="50"/>)"
         R"(<sprite image="image.png"/>)"
         R"(<sprite image="image.png" width="100"/>)");
    ASSERT_EQ(built_count(), 5u);
    for (std::size_t i = 0; i < built_count(); ++i) {
        ASSERT_TRUE(built<GE::Sprite>(i));
        // Every sprite draws the one cached texture.
        EXPECT_EQ(built<GE::Sprite>(i)->texture, texture("image.png"));
    }
    expect_size(*built<GE::Sprite>(0), 30, 20);
    EXPECT_EQ(built<GE::Sprite>(0)->id, "logo");
    expect_size(*built<GE::Sprite>(1), 30, 20);
    expect_size(*built<GE::Sprite>(2), 100, 50);
    EXPECT_FLOAT_EQ(built<GE::Sprite>(2)->x, 5.0f);
    expect_size(*built<GE::Sprite>(3), 30, 20);
    // Only a rectangle of 0 by 0 takes the image's size.
    expect_size(*built<GE::Sprite>(4), 100, 0);

    EXPECT_THROW(load(R"(<sprite image="missing.png"/>)"), GE::SDL_runtime_error);
}

TEST_F(UI_loader, sizes_a_button_from_its_xml_then_its_normal_image)
{
    Support::write_png("normal.png", 60, 30, green);
    Support::write_png("over.png", 80, 40, red);
    load(R"(<button id="sized" file="normal.png" file_over="over.png" file_down="over.png")"
         R"( width="200" height="100" x="7"/>)"
         R"(<button id="natural" file="normal.png" file_over="over.png"/>)"
         R"(<button id="late" file_over="over.png" file_down="normal.png">)"
         R"(<label font_id="text" text="Hi"/></button>)");
    ASSERT_EQ(built_count(), 3u);

    const auto sized = built<GE::Button>(0);
    ASSERT_TRUE(sized);
    EXPECT_EQ(sized->id, "sized");
    expect_size(*sized, 200, 100);
    EXPECT_FLOAT_EQ(sized->x, 7.0f);
    for (const State state : {State::normal, State::over, State::down}) {
        const auto& sprite = sized->sprites.at(state);
        EXPECT_FLOAT_EQ(sprite->x, 0.0f);
        expect_size(*sprite, 200, 100);
    }
    EXPECT_EQ(sized->children,
              std::vector<std::shared_ptr<GE::Render_object>>{sized->sprites.at(State::normal)});

    const auto natural = built<GE::Button>(1);
    expect_size(*natural, 60, 30);
    // The over image is stretched to the size the normal one gave.
    expect_size(*natural->sprites.at(State::over), 60, 30);

    // The button's size is settled before the over image is read: it stays 0 by 0, and so
    // does it under a label, while the over and down images take the over image's size.
    const auto late = built<GE::Button>(2);
    expect_size(*late, 0, 0);
    EXPECT_EQ(late->sprites.count(State::normal), 0u);
    expect_size(*late->sprites.at(State::over), 80, 40);
    expect_size(*late->sprites.at(State::down), 80, 40);
}

TEST_F(UI_loader, gives_a_button_without_size_or_image_the_size_of_its_last_label)
{
    load(R"(<button id="menu">)"
         R"(<label font_id="text" text="Main menu" state="over"/>)"
         R"(<sprite image="ignored.png"/><anything/>)"
         R"(<label font_id="text" text="Hi" state="up" x="50"/>)"
         R"(<label font_id="text" text="Pressed" state="down"/>)"
         R"(<label font_id="text" text="Back" state="Over"/>)"
         R"(</button>)");
    const auto button = built<GE::Button>(0);
    ASSERT_TRUE(button);
    EXPECT_EQ(button->labels.at(State::over)->text, "Main menu");
    EXPECT_EQ(button->labels.at(State::down)->text, "Pressed");
    // An unknown state is the normal one, so "Back" replaced "Hi".
    const auto normal = button->labels.at(State::normal);
    EXPECT_EQ(normal->text, "Back");
    expect_size(*button, normal->width, normal->height);
    EXPECT_TRUE(button->sprites.empty());
    EXPECT_EQ(button->children, std::vector<std::shared_ptr<GE::Render_object>>{normal});
    // A label's own position is not read; the button centres it.
    EXPECT_FLOAT_EQ(button->labels.at(State::over)->x, 0.0f);
    EXPECT_EQ(normal->horizontal_align, GE::Horizontal_align::center);
}

TEST_F(UI_loader, builds_a_checkbox_with_its_four_images)
{
    Support::write_png("unchecked.png", 10, 10, red);
    Support::write_png("checked.png", 24, 16, green);
    load(R"(<color id="ink" r="1" g="2" b="3" a="4"/>)"
         R"(<checkbox id="full" color_id="ink" x="300" y="200" width="40" height="30")"
         R"( unchecked_image="unchecked.png" checked_image="checked.png")"
         R"( unchecked_image_over="checked.png" checked_image_over="unchecked.png")"
         R"( line_thickness="5"/>)"
         R"(<checkbox id="bare" width="40" height="30" line_thickness="-3"/>)");
    const auto full = built<GE::Checkbox>(0);
    ASSERT_TRUE(full);
    EXPECT_EQ(full->id, "full");
    EXPECT_FALSE(full->checked);
    EXPECT_EQ(full->color, (SDL_Color{1, 2, 3, 4}));
    expect_size(*full, 40, 30);
    EXPECT_EQ(full->line_thickness, 5);
    // Unchecked images take the element's rectangle, checked ones their natural size at 0, 0.
    for (const bool hover : {false, true}) {
        const auto& unchecked = *full->unchecked_images.at(hover);
        EXPECT_FLOAT_EQ(unchecked.x, 300.0f);
        expect_size(unchecked, 40, 30);
        const auto& checked = *full->checked_images.at(hover);
        EXPECT_FLOAT_EQ(checked.x, 0.0f);
        EXPECT_FLOAT_EQ(checked.y, 0.0f);
    }
    expect_size(*full->checked_images.at(false), 24, 16);
    expect_size(*full->checked_images.at(true), 10, 10);
    EXPECT_EQ(full->unchecked_images.at(true)->texture, texture("checked.png"));

    const auto bare = built<GE::Checkbox>(1);
    EXPECT_EQ(bare->line_thickness, 2);
    EXPECT_EQ(bare->color, transparent);
    EXPECT_TRUE(bare->unchecked_images.empty());
    EXPECT_TRUE(bare->checked_images.empty());
}

TEST_F(UI_loader, builds_a_drop_down_list_whose_rows_take_the_clear_colour)
{
    Support::write_png("triangle.png", 16, 9, red);
    Support::write_png("triangle_over.png", 16, 9, red);
    Support::write_png("box.png", 20, 20, green);
    app.context()->clear_colour = 0x80402010;
    load(R"(<color id="ink" r="9" a="255"/>)"
         R"(<drop_down_list id="resolution" color_id="ink" x="100" y="50" width="200" height="40")"
         R"( bg_image="box.png" bg_image_over="box.png" inner_offset_y="7"/>)"
         R"(<drop_down_list width="200" height="40"/>)");
    const auto list = built<GE::Drop_down_list>(0);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->id, "resolution");
    EXPECT_EQ(list->color, (SDL_Color{9, 0, 0, 255}));
    EXPECT_EQ(list->list_color, (SDL_Color{0x10, 0x20, 0x40, 0x80}));
    EXPECT_EQ(list->selected_index, 0);
    EXPECT_EQ(list->line_thickness, 2);
    EXPECT_EQ(list->inner_offset_x, 6);
    EXPECT_EQ(list->inner_offset_y, 7);
    expect_size(*list, 200, 40);
    for (const bool hover : {false, true})
        expect_size(*list->bg_images.at(hover), 200, 40);
    EXPECT_EQ(list->children,
              std::vector<std::shared_ptr<GE::Render_object>>{list->bg_images.at(false)});

    const auto plain = built<GE::Drop_down_list>(1);
    EXPECT_EQ(plain->inner_offset_y, 2);
    EXPECT_TRUE(plain->bg_images.empty());
}

TEST_F(UI_loader, stacks_a_panels_children_and_refuses_an_unknown_orientation)
{
    Support::write_png("image.png", 30, 20, green);
    load(R"(<stack_panel id="column" orientation="vertical" offset="10" width="500">)"
         R"(<sprite image="image.png" x="4"/><sprite image="image.png"/>)"
         R"(<sprite image="image.png"/></stack_panel>)"
         R"(<stack_panel orientation=""><sprite image="image.png"/>)"
         R"(<sprite image="image.png"/></stack_panel>)");
    const auto column = built<GE::Stack_panel>(0);
    ASSERT_TRUE(column);
    EXPECT_EQ(column->id, "column");
    EXPECT_EQ(column->orientation, GE::Orientation::vertical);
    EXPECT_EQ(column->offset, 10);
    expect_size(*column, 0, 0);
    ASSERT_EQ(column->children.size(), 3u);
    EXPECT_FLOAT_EQ(column->children[0]->y, 0.0f);
    EXPECT_FLOAT_EQ(column->children[1]->y, 30.0f);
    EXPECT_FLOAT_EQ(column->children[2]->y, 60.0f);
    EXPECT_FLOAT_EQ(column->children[0]->x, 4.0f);

    const auto row = built<GE::Stack_panel>(1);
    EXPECT_EQ(row->orientation, GE::Orientation::horizontal);
    EXPECT_FLOAT_EQ(row->children[1]->x, 30.0f);

    // Refused before its children are built: the missing image is never asked for.
    EXPECT_EQ(failure_of(R"(<stack_panel orientation="Vertical"><sprite image="missing.png"/>)"
                         R"(</stack_panel>)"),
              "Invalid orientation value");
}

TEST_F(UI_loader, builds_rectangles_with_their_children_colour_and_thickness)
{
    load(R"(<color id="ink" r="5" a="255"/>)"
         R"(<rect id="frame" x="10" y="20" width="300" height="200" thickness="6" color_id="ink">)"
         R"(<rect id="inner" thickness="0"/><line/></rect>)"
         R"(<rect thickness="-4"/>)");
    const auto frame = built<GE::Rect>(0);
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->id, "frame");
    expect_size(*frame, 300, 200);
    EXPECT_EQ(frame->thickness, 6);
    EXPECT_EQ(frame->color, (SDL_Color{5, 0, 0, 255}));
    ASSERT_EQ(frame->children.size(), 2u);
    const auto inner = std::dynamic_pointer_cast<GE::Rect>(frame->children[0]);
    ASSERT_TRUE(inner);
    EXPECT_EQ(inner->thickness, 2);
    // Without "color_id" the outline is transparent, not the widget's black.
    EXPECT_EQ(inner->color, transparent);
    EXPECT_TRUE(std::dynamic_pointer_cast<GE::Line>(frame->children[1]));
    EXPECT_EQ(built<GE::Rect>(1)->thickness, 2);
}

TEST_F(UI_loader, draws_a_border_around_its_first_child_at_its_own_position)
{
    Support::write_png("panel.png", 8, 8, green);
    load(R"(<color id="red" r="255" a="255"/>)"
         R"(<border id="frame" x="100" y="60" width="999" color_id="red" thickness="1">)"
         R"(<sprite image="panel.png" x="10" y="10" width="200" height="50"/></border>)");
    const auto border = built<GE::Rect>(0);
    ASSERT_TRUE(border);
    EXPECT_EQ(border->id, "frame");
    EXPECT_FLOAT_EQ(border->x, 100.0f);
    EXPECT_FLOAT_EQ(border->y, 60.0f);
    expect_size(*border, 200, 50);
    EXPECT_EQ(border->thickness, 1);

    app.draw();
    // The one-pixel outline spans (100, 60) to (299, 109).
    for (const auto& [x, y] : Points{{100, 60}, {299, 60}, {100, 109}, {299, 109}, {200, 60}})
        EXPECT_EQ(app.pixel(x, y), red) << x << ", " << y;
    // The child stands 10 units in from the border's corner and runs past its far edges.
    EXPECT_EQ(app.pixel(105, 65), Support::white);
    EXPECT_EQ(app.pixel(109, 69), Support::white);
    for (const auto& [x, y] : Points{{110, 70}, {200, 90}, {309, 119}})
        EXPECT_EQ(app.pixel(x, y), green) << x << ", " << y;
    EXPECT_EQ(app.pixel(310, 120), Support::white);
}

TEST_F(UI_loader, places_a_line_by_its_own_position_whatever_its_ends)
{
    load(R"(<line x_begin="100" y_begin="50" x_end="400" y_end="50" thickness="4.5"/>)"
         R"(<line x_begin="100" y_begin="0" x_end="160" y_end="0" x="20" y="30" thickness="-1"/>)");
    const auto thick = built<GE::Line>(0);
    ASSERT_TRUE(thick);
    EXPECT_FLOAT_EQ(thick->x, 0.0f);
    EXPECT_FLOAT_EQ(thick->y, 0.0f);
    EXPECT_FLOAT_EQ(thick->x_begin, 100.0f);
    EXPECT_FLOAT_EQ(thick->width, 300.0f);
    EXPECT_FLOAT_EQ(thick->thickness, 4.5f);
    EXPECT_FLOAT_EQ(thick->height, 4.5f);
    EXPECT_EQ(thick->color, Support::black);

    const auto thin = built<GE::Line>(1);
    EXPECT_FLOAT_EQ(thin->x, 20.0f);
    EXPECT_FLOAT_EQ(thin->y, 30.0f);
    EXPECT_FLOAT_EQ(thin->thickness, 2.0f);
    expect_size(*thin, 60, 2);
}

TEST_F(UI_loader, refuses_unknown_names_and_text_between_elements)
{
    EXPECT_EQ(failure_of(R"(<Label font_id="text" text="Hi"/>)"), "Invalid node");
    EXPECT_EQ(failure_of(R"(<widget/>)"), "Invalid node");
    EXPECT_EQ(failure_of(R"(<stack_panel><Rect/></stack_panel>)"), "Invalid node");
    EXPECT_EQ(failure_of(R"(<rect id="before"/>hello<rect id="after"/>)"), "Invalid node");
    EXPECT_EQ(failure_of(R"(<![CDATA[x]]>)"), "Invalid node");
    // Nothing is rolled back: the rectangle before the text stays.
    ASSERT_EQ(built_count(), 1u);
    EXPECT_EQ(built<GE::Rect>(0)->id, "before");
}

TEST_F(UI_loader, leaves_out_an_object_with_an_unknown_alignment_after_building_it)
{
    Support::write_png("image.png", 30, 20, green);
    EXPECT_EQ(failure_of(R"(<rect id="kept"/><sprite image="image.png" horizontal_align="middle")"
                         R"( vertical_align="middle"/><rect id="never"/>)"),
              "Invalid horizontal_align value");
    // The sprite was built, its image loaded, but it was not added.
    EXPECT_EQ(GE::Resources::instance().textures.count("image.png"), 1u);
    ASSERT_EQ(built_count(), 1u);
    EXPECT_EQ(built<GE::Rect>(0)->id, "kept");

    EXPECT_EQ(failure_of(R"(<rect vertical_align="Top"/>)"), "Invalid vertical_align value");
    // A failing child is left out of its panel, and the panel out of the screen.
    EXPECT_EQ(failure_of(R"(<stack_panel><rect/><rect horizontal_align="left "/></stack_panel>)"),
              "Invalid horizontal_align value");
    EXPECT_EQ(built_count(), 1u);
}

TEST_F(UI_loader, builds_nothing_from_another_root_or_an_empty_one)
{
    write_file("other.xml", R"(<screen><rect/><Label/></screen>)");
    loader.load(app.app.get(), "other.xml");
    write_file("empty.xml", R"(<ui/>)");
    loader.load(app.app.get(), "empty.xml");
    EXPECT_EQ(built_count(), 0u);

    loader.root_element = "screen";
    write_file("screen_only.xml", R"(<screen><rect id="found"/></screen>)");
    loader.load(app.app.get(), "screen_only.xml");
    ASSERT_EQ(built_count(), 1u);
    EXPECT_EQ(built<GE::Rect>(0)->id, "found");
}

TEST_F(UI_loader, reports_a_file_it_cannot_load_without_naming_it)
{
    const auto failure = [this](const std::string& file) -> std::string {
        try {
            loader.load(app.app.get(), file);
        } catch (const GE::GE_runtime_error& error) {
            return error.what();
        }
        return "no failure";
    };
    EXPECT_EQ(failure("missing.xml"), "Can not load a file with UI");
    write_file("broken.xml", R"(<ui><rect></ui>)");
    EXPECT_EQ(failure("broken.xml"), "Can not load a file with UI");
    EXPECT_EQ(built_count(), 0u);
}

} // namespace
