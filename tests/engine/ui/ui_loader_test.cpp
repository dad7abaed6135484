#include "engine/core/sdl_runtime_error.h"
#include "engine/resources/resources.h"
#include "engine/ui/ui_loader.h"
#include "engine/widgets/button.h"
#include "engine/widgets/checkbox.h"
#include "engine/widgets/drop_down_list.h"
#include "engine/widgets/label.h"
#include "engine/widgets/line.h"
#include "engine/widgets/rect.h"
#include "engine/widgets/slider.h"
#include "engine/widgets/stack_panel.h"
#include "tests/support/fixtures.h"

#include <sstream>

namespace {

std::string describe(const GE::Render_object& object);

std::string describe_all(const std::vector<std::shared_ptr<GE::Render_object>>& objects)
{
    std::string text;
    for (const auto& object : objects)
        text += (text.empty() ? "" : "; ") + describe(*object);
    return text;
}

// " name=value", or nothing for the usual value.
template <typename T>
std::string field(const char* name, const T& value, const T& usual = T{})
{
    std::ostringstream out;
    if (!(value == usual))
        out << ' ' << name << '=' << value;
    return out.str();
}

// A widget's images by state (0 normal, 1 over, 2 down), each with its file.
template <typename Map>
std::string looks(const char* name, const Map& by_state)
{
    std::string text;
    for (const auto& [state, look] : by_state) {
        text += std::string(" ") + name + std::to_string(static_cast<int>(state)) + "=[" +
                describe(*look);
        for (const auto& [file, texture] : GE::Resources::instance().textures)
            text += texture == look->texture ? ' ' + file : "";
        text += ']';
    }
    return text;
}

// Kind, position, size ("text-sized" when that of the label `text`) and common attributes.
std::ostream& common(std::ostream& out, const char* kind, const GE::Render_object& object,
                     const GE::Label* text = nullptr)
{
    out << kind << ' ' << object.x << ',' << object.y << ' ';
    if (text && object.width == text->width && object.height == text->height)
        out << "text-sized";
    else
        out << object.width << 'x' << object.height;
    return out << field("id", object.id) << field("normalized_x", object.normalized_x)
               << field("normalized_y", object.normalized_y)
               << field("horizontal", static_cast<int>(object.horizontal_align))
               << field("vertical", static_cast<int>(object.vertical_align))
               << field("layer", object.layer);
}

// What the loader made of an object: every field it sets that is not at its default (a stack
// panel's orientation and offset, and a line's ends, show in the places and sizes).
std::string describe(const GE::Render_object& object)
{
    std::ostringstream out;
    if (const auto* button = dynamic_cast<const GE::Button*>(&object)) {
        const auto normal = button->labels.find(GE::Button_state::normal);
        const auto& font = GE::Resources::instance().get_font(Support::font_file, 20);
        common(out, "button", object, normal == button->labels.end() ? nullptr : &*normal->second)
            << looks("look", button->sprites);
        for (const auto& [state, label] : button->labels)
            out << " label" << static_cast<int>(state) << '=' << label->text
                << field("color", label->color) << (label->font == font ? "" : " in another font");
    } else if (const auto* box = dynamic_cast<const GE::Checkbox*>(&object)) {
        common(out, "checkbox", object)
            << field("checked", box->checked) << field("color", box->color)
            << field("line", box->line_thickness, 2) << looks("unchecked", box->unchecked_images)
            << looks("checked", box->checked_images);
    } else if (const auto* list = dynamic_cast<const GE::Drop_down_list*>(&object)) {
        common(out, "drop_down_list", object)
            << field("color", list->color) << field("list", list->list_color)
            << field("selected", list->selected_index) << field("line", list->line_thickness, 2)
            << field("inner_x", list->inner_offset_x, 6)
            << field("inner_y", list->inner_offset_y, 2) << looks("bg", list->bg_images);
    } else if (const auto* slider = dynamic_cast<const GE::Slider*>(&object)) {
        common(out, "slider", object) << ' ' << slider->lowest << ".." << slider->highest << " by "
                                      << slider->step << " at " << slider->value();
    } else if (const auto* panel = dynamic_cast<const GE::Stack_panel*>(&object)) {
        common(out, "stack_panel", object)
            << field("children", "[" + describe_all(panel->children) + "]", std::string("[]"));
    } else if (const auto* rect = dynamic_cast<const GE::Rect*>(&object)) {
        common(out, "rect", object)
            << field("thickness", rect->thickness, 2) << field("color", rect->color)
            << field("children", "[" + describe_all(rect->children) + "]", std::string("[]"));
    } else if (const auto* line = dynamic_cast<const GE::Line*>(&object)) {
        common(out, "line", object) << field("thickness", line->thickness, 2.0f);
    } else {
        common(out, "sprite", object);
    }
    return out.str();
}

// Loads XML after the font "text" and the colour "ink" as the children of a "ui" root, with
// image.png (30 by 20) and small.png (10 by 10) at hand.
class UI_loader : public Support::Headless_test,
                  public testing::WithParamInterface<std::pair<std::string, std::string>> {
protected:
    // What was built ("nothing" when nothing was), then "!" and the failure if there was one.
    std::string outcome(const std::string& xml)
    {
        for (const char* file : {"image.png", "triangle.png", "triangle_over.png"})
            Support::write_png(file, 30, 20, Support::green);
        Support::write_png("small.png", 10, 10, Support::red);
        context()->clear_colour = 0x80402010;
        Support::write_file("screen.xml",
                            R"(<ui><font id="text" size="20" file=")" + Support::font_file +
                                R"("/><color id="ink" r="9" a="255"/>)" + xml + "</ui>");
        std::string failure;
        try {
            loader.load(app.get(), "screen.xml");
        } catch (const GE::SDL_runtime_error&) {
            failure = " ! SDL error";
        } catch (const GE::GE_runtime_error& error) {
            failure = std::string(" ! ") + error.what();
        }
        return (app->children.empty() ? "nothing" : describe_all(app->children)) + failure;
    }

    GE::UI_Loader loader{context()};
};

TEST_P(UI_loader, builds_what_the_file_describes)
{
    EXPECT_EQ(outcome(GetParam().first), GetParam().second);
}

// `depth` stack panels inside one another, as XML or as the loader describes what it built.
std::string nested_panels(int depth, bool described = false)
{
    if (depth == 0)
        return "";
    const std::string inner = nested_panels(depth - 1, described);
    if (!described)
        return "<stack_panel>" + inner + "</stack_panel>";
    return "stack_panel 0,0 0x0" + (inner.empty() ? "" : " children=[" + inner + "]");
}

const std::pair<std::string, std::string> files[] = {
    // A flag is set only by the exact text "true"; an empty alignment is the default.
    {R"(<rect x="0.25" y="40" normalized_x="true" normalized_y="True" layer="3")"
     R"( horizontal_align="center" vertical_align="bottom"/><rect normalized_x="1")"
     R"( normalized_y="true" horizontal_align="right" vertical_align="center"/>)"
     R"(<rect horizontal_align="" vertical_align=""/>)",
     "rect 0.25,40 0x0 normalized_x=1 horizontal=1 vertical=2 layer=3; "
     "rect 0,0 0x0 normalized_y=1 horizontal=2 vertical=1; rect 0,0 0x0"},
    // Low eight bits, 0 when missing, the first of two; only the root's definitions count.
    {R"(<color id="odd" r="300" g="16" b="-1"/><color id="ink" r="2" a="255"/>)"
     R"(<stack_panel><color id="inner" r="255" a="255"/></stack_panel>)"
     R"(<rect color_id="odd"/><rect color_id="ink"/><rect color_id="inner"/>)",
     "stack_panel 0,0 0x0; rect 0,0 0x0 color=rgba(44, 16, 255, 0); "
     "rect 0,0 0x0 color=rgba(9, 0, 0, 255); rect 0,0 0x0"},
    // An id, even an empty one, asks for the image's size; so does a rectangle of 0 by 0.
    {R"(<sprite id="logo" image="image.png" width="100" height="50"/><sprite id="")"
     R"( image="image.png" width="9" height="5"/><sprite image="small.png" x="5" width="9")"
     R"( height="5"/><sprite image="small.png"/><sprite image="small.png" width="9"/>)",
     "sprite 0,0 30x20 id=logo; sprite 0,0 30x20; sprite 5,0 9x5; sprite 0,0 10x10; "
     "sprite 0,0 9x0"},
    {R"(<button id="sized" file="image.png" file_over="small.png" width="200" height="100")"
     R"( x="7"/><button file="image.png" file_over="small.png"/><button file="small.png" width="50"/>)",
     "button 7,0 200x100 id=sized look0=[sprite 0,0 200x100 image.png] look1=[sprite 0,0 "
     "200x100 small.png]; button 0,0 30x20 look0=[sprite 0,0 30x20 image.png] "
     "look1=[sprite 0,0 30x20 small.png]; button 0,0 50x0 look0=[sprite 0,0 50x0 small.png]"},
    // The button's size is settled before the over image sizes the images after it.
    {R"(<button file_over="small.png" file_down="image.png">)"
     R"(<label font_id="text" text="Hi"/></button>)",
     "button 0,0 0x0 look1=[sprite 0,0 10x10 small.png] look2=[sprite 0,0 10x10 image.png] "
     "label0=Hi"},
    // Only labels count; an unknown state is the normal one, and the last label sizes it.
    {R"(<button id="menu"><label font_id="text" text="Main menu" state="over"/><anything/>)"
     R"(<sprite image="missing.png"/><label font_id="text" text="Hi" state="up"/>)"
     R"(<label font_id="text" text="Down" state="down"/>)"
     R"(<label font_id="text" text="Back" state="Over" color_id="ink"/></button>)",
     "button 0,0 text-sized id=menu label0=Back color=rgba(9, 0, 0, 255) label1=Main menu "
     "label2=Down"},
    // Unchecked images take the element's rectangle, checked ones their own size at 0, 0.
    {R"(<checkbox id="full" color_id="ink" x="3" y="2" width="40" height="30")"
     R"( unchecked_image="small.png" checked_image="image.png" line_thickness="5")"
     R"( unchecked_image_over="image.png" checked_image_over="small.png"/>)"
     R"(<checkbox width="40" height="30" line_thickness="-3"/>)",
     "checkbox 3,2 40x30 id=full color=rgba(9, 0, 0, 255) line=5 unchecked0=[sprite 3,2 "
     "40x30 small.png] unchecked1=[sprite 3,2 40x30 image.png] checked0=[sprite 0,0 30x20 "
     "image.png] checked1=[sprite 0,0 10x10 small.png]; checkbox 0,0 40x30"},
    // The rows take the renderer's clear colour, 0xAABBGGRR.
    {R"(<drop_down_list id="resolution" color_id="ink" width="200" height="40")"
     R"( bg_image="small.png" bg_image_over="image.png" inner_offset_y="7"/><drop_down_list/>)",
     "drop_down_list 0,0 200x40 id=resolution color=rgba(9, 0, 0, 255) "
     "list=rgba(16, 32, 64, 128) inner_y=7 bg0=[sprite 0,0 200x40 small.png] "
     "bg1=[sprite 0,0 200x40 image.png]; drop_down_list 0,0 0x0 list=rgba(16, 32, 64, 128)"},
    // A slider's value lies on a step of its range; its text takes the font and colour.
    {R"(<slider id="music" font_id="text" color_id="ink" width="400" height="40" value="74"/>)"
     R"(<slider font_id="text" width="400" height="40" min="5" max="25" step="5" value="99"/>)",
     "slider 0,0 400x40 id=music 0..100 by 10 at 70; slider 0,0 400x40 5..25 by 5 at 25"},
    {R"(<slider font_id="text" width="400" height="40" min="5" max="5"/>)",
     "nothing ! A slider needs a maximum above its minimum and a positive step"},
    {R"(<slider font_id="text" width="400" height="40" min="-2147483648" max="2147483647"/>)",
     "nothing ! A slider's range can be at most 1000000 wide"},
    {R"(<slider font_id="text" width="100" height="40"/>)",
     "nothing ! A slider must be wider than its value's text"},
    {R"(<stack_panel id="column" orientation="vertical" offset="10" width="500">)"
     R"(<sprite image="image.png" x="4"/><sprite image="image.png"/></stack_panel>)"
     R"(<stack_panel orientation=""><rect width="5"/><rect width="5"/></stack_panel>)",
     "stack_panel 0,0 0x0 id=column children=[sprite 4,0 30x20; "
     "sprite 0,30 30x20]; stack_panel 0,0 0x0 children=[rect 0,0 5x0; rect 5,0 5x0]"},
    {R"(<rect id="frame" x="1" y="2" width="300" height="200" thickness="6" color_id="ink">)"
     R"(<rect thickness="0"/><line/></rect><rect thickness="-4"/>)",
     "rect 1,2 300x200 id=frame thickness=6 color=rgba(9, 0, 0, 255) "
     "children=[rect 0,0 0x0; line 0,0 0x2]; rect 0,0 0x0"},
    // A border takes its first child's rectangle, then its own position.
    {R"(<border x="100" y="60" width="999" thickness="1"><sprite image="image.png")"
     R"( x="10" y="10" width="200" height="50"/></border>)",
     "rect 100,60 200x50 thickness=1 children=[sprite 10,10 200x50]"},
    // A line stands at its own position, whatever its ends.
    {R"(<line x_begin="100" y_begin="50" x_end="400" y_end="50" thickness="4.5"/><line)"
     R"( x_begin="100" y_begin="0" x_end="160" y_end="0" x="20" y="30" thickness="-1"/>)",
     "line 0,0 300x4.5 thickness=4.5; line 20,30 60x2"},
    // XML that the loader refuses, after what it built before.
    {R"(<rect id="before"/>hello<rect id="after"/>)", "rect 0,0 0x0 id=before ! Invalid node"},
    // Refused before its children are built: the missing image is never asked for.
    {R"(<stack_panel orientation="Vertical"><sprite image="missing.png"/></stack_panel>)",
     "nothing ! Invalid orientation value"},
    {R"(<rect id="kept"/><sprite image="image.png" horizontal_align="middle")"
     R"( vertical_align="middle"/><rect id="never"/>)",
     "rect 0,0 0x0 id=kept ! Invalid horizontal_align value"},
    // A failing child is left out of its panel, and the panel out of the screen.
    {R"(<stack_panel><rect/><rect vertical_align="Top"/></stack_panel>)",
     "nothing ! Invalid vertical_align value"},
    {R"(<rect>)", "nothing ! Can not load a file with UI"},
    // Bounds that fuzzing the loader called for: the glyphs of a font this big took gigabytes,
    // outlines this thick never finished drawing, and a line this long would be allocated whole.
    {R"(<rect width="100" height="100" thickness="2000000000"/>)",
     "nothing ! Invalid thickness 2000000000 (at most 1080)"},
    {R"(<checkbox width="40" height="30" line_thickness="90000000"/>)",
     "nothing ! Invalid line_thickness 90000000 (at most 1080)"},
    {R"(<font id="huge" size="3028" file=")" + Support::font_file +
         R"("/><label font_id="huge" text="Dawn finds you on the road."/>)",
     "nothing ! Invalid font size 3028 (at most 1080)"},
    {R"(<label font_id="text" text=")" + std::string(1000, 'W') + R"("/>)",
     "nothing ! Text too large to draw (over 16384 pixels)"},
    // A font not defined among the root's children is asked for as no file at all.
    {R"(<stack_panel><font id="inner" size="20" file=")" + Support::font_file +
         R"("/></stack_panel><label font_id="inner" text="Hi"/>)",
     "stack_panel 0,0 0x0 ! SDL error"},
};
INSTANTIATE_TEST_SUITE_P(Files, UI_loader, testing::ValuesIn(files));

TEST_F(UI_loader, nests_elements_64_deep_at_most)
{
    // Deeper would overflow the stack, here and in every layout.
    EXPECT_EQ(outcome(nested_panels(64)), nested_panels(64, true));
    for (const int depth : {65, 5000}) {
        app->clear_children();
        EXPECT_EQ(outcome(nested_panels(depth)),
                  "nothing ! Elements nested more than 64 deep in screen.xml");
    }
}

TEST_F(UI_loader, builds_nothing_from_a_root_other_than_the_one_it_is_told_or_a_special_file)
{
    loader.root_element = "screen";
    EXPECT_EQ(outcome("<rect/>"), "nothing");
    // A folder or a FIFO would misread or block: the same failure as a missing file.
    auto files = Support::make_special_files();
    files.push_back("missing.xml");
    for (const auto& file : files)
        EXPECT_EQ(Support::error_of([&] { loader.load(app.get(), file); }),
                  "Can not load a file with UI")
            << file;
}

// What a voice says of each object as it takes the focus: its description, or a button's text,
// then its role and state.
TEST_F(UI_loader, gives_each_object_its_description_and_a_widget_its_role_and_state_in_words)
{
    outcome(R"(<button file="image.png" width="90" height="40"><label font_id="text" text="Play"/>)"
            R"(</button><button description="Turn left" file="image.png" width="90" height="40"/>)"
            R"(<button file="image.png" width="90" height="40"/>)"
            R"(<checkbox description="Fullscreen" width="50" height="50"/>)"
            R"(<drop_down_list description="Resolution" width="200" height="40"/>)"
            R"(<slider description="Music volume" font_id="text" width="400" height="40")"
            R"( value="70"/><sprite description="The door marked 7" image="small.png"/>)");
    ASSERT_EQ(app->children.size(), 7u);
    auto& list = dynamic_cast<GE::Drop_down_list&>(*app->children[4]);
    const auto said = [this] {
        std::vector<std::string> words;
        for (const auto& child : app->children)
            words.push_back(child->spoken());
        return words;
    };
    using Words = std::vector<std::string>;
    EXPECT_EQ(said(),
              (Words{"Play, button", "Turn left, button", "", "Fullscreen, checkbox, not checked",
                     "Resolution, nothing chosen, list", "Music volume, 70 percent, slider",
                     "The door marked 7"}));
    dynamic_cast<GE::Checkbox&>(*app->children[3]).checked = true;
    for (const char* size : {"800x600", "1280x720", "1920x1080 x2"})
        list.items[0].push_back(std::make_shared<GE::Label>(
            context(), "", GE::Resources::instance().get_font(Support::font_file, 20),
            Support::black, size));
    list.selected_index = 1;
    EXPECT_EQ(said()[3], "Fullscreen, checkbox, checked");
    EXPECT_EQ(said()[4], "Resolution, 1280 by 720, list, 2 of 3");
    list.is_open = true;
    list.step_inside(1);
    EXPECT_EQ(said()[4], "1920 by 1080 x2, 3 of 3") << "the open list's highlighted row";
}

// The data names files in UTF-8, as SDL opens them, whatever the system's code page.
TEST_F(UI_loader, reads_a_screen_and_its_image_named_outside_the_ansi_code_page)
{
    const std::u8string screen = u8"sal\u00f3n \u03a9\u03bc.xml",
                        image = u8"\u0104\u0119 \u7528.png";
    const auto utf8 = [](const std::u8string& name) {
        return std::string(name.begin(), name.end());
    };
    Support::write_png(utf8(image), 30, 20, Support::green);
    std::ofstream(std::filesystem::path(screen))
        << R"(<ui><sprite image=")" << utf8(image) << "\"/></ui>";
    const std::string failure = Support::error_of([&] { loader.load(app.get(), utf8(screen)); });
    EXPECT_EQ(describe_all(app->children) + failure, "sprite 0,0 30x20");
    EXPECT_EQ(GE::UI_Loader::images_named_in(utf8(screen)), std::vector{utf8(image)});
}

} // namespace
