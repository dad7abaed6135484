#include "engine/ui/ui_loader.h"

#include "engine/core/ge_runtime_error.h"
#include "engine/core/render_context.h"
#include "engine/core/render_object_container.h"
#include "engine/resources/load_xml_file.h"
#include "engine/resources/resources.h"
#include "engine/resources/text_surface.h"
#include "engine/resources/texture.h"
#include "engine/text/language.h"
#include "engine/widgets/button.h"
#include "engine/widgets/checkbox.h"
#include "engine/widgets/drop_down_list.h"
#include "engine/widgets/label.h"
#include "engine/widgets/line.h"
#include "engine/widgets/rect.h"
#include "engine/widgets/slider.h"
#include "engine/widgets/sprite.h"
#include "engine/widgets/stack_panel.h"

#include <pugixml.hpp>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <utility>

namespace GE {

namespace {

using Object = std::shared_ptr<Render_object>;
using Builder = Object (*)(UI_Loader&, const pugi::xml_node&, const SDL_FRect&);

// No sane screen has a font or an outline bigger than its whole canvas is high (SDL_ttf takes a
// point for a pixel, so a font's size is the height of its em in design units). The glyphs of a
// far bigger font take gigabytes, and an outline, drawn one pixel frame at a time, takes minutes.
constexpr int canvas_height = 1080;

constexpr std::int32_t max_depth = 64;

std::string read_text(const pugi::xml_node& node, const char* name)
{
    return node.attribute(name).as_string("");
}

int read_int(const pugi::xml_node& node, const char* name)
{
    return node.attribute(name).as_int(0);
}

float read_float(const pugi::xml_node& node, const char* name)
{
    return node.attribute(name).as_float(0);
}

bool read_flag(const pugi::xml_node& node, const char* name)
{
    return std::string_view(node.attribute(name).as_string("")) == "true";
}

bool has(const pugi::xml_node& node, const char* name) { return !node.attribute(name).empty(); }

// An attribute that makes a font or an outline: refused when bigger than the canvas.
int read_size(const pugi::xml_node& node, const char* name, const char* what)
{
    const int size = read_int(node, name);
    if (size > canvas_height)
        throw GE_runtime_error("Invalid " + std::string(what) + " " + std::to_string(size) +
                               " (at most " + std::to_string(canvas_height) + ")");
    return size;
}

Uint8 low_byte(int value) { return static_cast<Uint8>(value & 0xFF); }

// The first definition of `kind` among the root element's children named by the node's
// `reference` attribute; an empty node when the node names none or nothing matches.
pugi::xml_node find_definition(const pugi::xml_node& node, const std::string& root_element,
                               const char* kind, const char* reference)
{
    const pugi::xml_attribute name = node.attribute(reference);
    if (name.empty())
        return {};
    return node.root()
        .child(root_element.c_str())
        .find_child_by_attribute(kind, "id", name.as_string(""));
}

Horizontal_align read_horizontal_align(const pugi::xml_node& node)
{
    const std::string_view value = node.attribute("horizontal_align").as_string("");
    if (value.empty() || value == "left")
        return Horizontal_align::left;
    if (value == "center")
        return Horizontal_align::center;
    if (value == "right")
        return Horizontal_align::right;
    throw GE_runtime_error("Invalid horizontal_align value");
}

Vertical_align read_vertical_align(const pugi::xml_node& node)
{
    const std::string_view value = node.attribute("vertical_align").as_string("");
    if (value.empty() || value == "top")
        return Vertical_align::top;
    if (value == "center")
        return Vertical_align::center;
    if (value == "bottom")
        return Vertical_align::bottom;
    throw GE_runtime_error("Invalid vertical_align value");
}

Orientation read_orientation(const pugi::xml_node& node)
{
    const std::string_view value = node.attribute("orientation").as_string("");
    if (value.empty() || value == "horizontal")
        return Orientation::horizontal;
    if (value == "vertical")
        return Orientation::vertical;
    throw GE_runtime_error("Invalid orientation value");
}

Button_state read_button_state(const pugi::xml_node& label)
{
    const std::string_view value = label.attribute("state").as_string("");
    if (value == "over")
        return Button_state::over;
    if (value == "down")
        return Button_state::down;
    return Button_state::normal;
}

SDL_Color colour_of(std::uint32_t packed)
{
    return {static_cast<Uint8>(packed), static_cast<Uint8>(packed >> 8),
            static_cast<Uint8>(packed >> 16), static_cast<Uint8>(packed >> 24)};
}

std::shared_ptr<Texture> texture_of(UI_Loader& loader, const std::string& file)
{
    return Resources::instance().get_texture(loader.renderer, file);
}

// A button's look from the image named by `attribute`, stretched to `size`; a size still 0 by 0
// takes the image's own.
std::shared_ptr<Sprite> button_look(UI_Loader& loader, const pugi::xml_node& node,
                                    const char* attribute, SDL_FPoint& size)
{
    if (!has(node, attribute))
        return nullptr;
    const auto texture = texture_of(loader, read_text(node, attribute));
    if (size.x == 0 && size.y == 0)
        size = {static_cast<float>(texture->width), static_cast<float>(texture->height)};
    return std::make_shared<Sprite>(texture, SDL_FRect{0, 0, size.x, size.y});
}

Object build_label(UI_Loader& loader, const pugi::xml_node& node, const SDL_FRect&)
{
    return loader.create_label(node);
}

Object build_sprite(UI_Loader& loader, const pugi::xml_node& node, const SDL_FRect& rect)
{
    const std::string image = read_text(node, "image");
    // An id, even an empty one, asks for the image's natural size.
    if (has(node, "id"))
        return std::make_shared<Sprite>(texture_of(loader, image), read_text(node, "id"));
    return loader.create_sprite(image, rect);
}

Object build_button(UI_Loader& loader, const pugi::xml_node& node, const SDL_FRect& rect)
{
    return loader.create_button(node, rect);
}

Object build_checkbox(UI_Loader& loader, const pugi::xml_node& node, const SDL_FRect& rect)
{
    auto checkbox = std::make_shared<Checkbox>(loader.renderer, read_text(node, "id"), rect,
                                               loader.read_color(node), false);
    // The checked images stand at the checkbox's corner at their natural size.
    constexpr SDL_FRect natural{0, 0, 0, 0};
    if (has(node, "unchecked_image"))
        checkbox->set_unchecked_image(
            false, loader.create_sprite(read_text(node, "unchecked_image"), rect));
    if (has(node, "checked_image"))
        checkbox->set_checked_image(
            false, loader.create_sprite(read_text(node, "checked_image"), natural));
    if (has(node, "unchecked_image_over"))
        checkbox->set_unchecked_image(
            true, loader.create_sprite(read_text(node, "unchecked_image_over"), rect));
    if (has(node, "checked_image_over"))
        checkbox->set_checked_image(
            true, loader.create_sprite(read_text(node, "checked_image_over"), natural));
    if (const int thickness = read_size(node, "line_thickness", "line_thickness"); thickness > 0)
        checkbox->line_thickness = thickness;
    return checkbox;
}

Object build_drop_down_list(UI_Loader& loader, const pugi::xml_node& node, const SDL_FRect& rect)
{
    constexpr int line_thickness = 2;
    constexpr int inner_offset_x = 6;
    constexpr int inner_offset_y = 2;
    auto list = std::make_shared<Drop_down_list>(loader.renderer, read_text(node, "id"), rect,
                                                 loader.read_color(node),
                                                 colour_of(loader.renderer->clear_colour), 0,
                                                 line_thickness, inner_offset_x, inner_offset_y);
    if (has(node, "bg_image"))
        list->set_bg_image(false, loader.create_sprite(read_text(node, "bg_image"), rect));
    if (has(node, "bg_image_over"))
        list->set_bg_image(true, loader.create_sprite(read_text(node, "bg_image_over"), rect));
    if (has(node, "inner_offset_y"))
        list->inner_offset_y = read_int(node, "inner_offset_y");
    return list;
}

Object build_slider(UI_Loader& loader, const pugi::xml_node& node, const SDL_FRect& rect)
{
    auto slider = std::make_shared<Slider>(
        loader.renderer, read_text(node, "id"), rect, loader.read_color(node),
        loader.read_font(node), node.attribute("min").as_int(0), node.attribute("max").as_int(100),
        node.attribute("step").as_int(10));
    slider->set_value(node.attribute("value").as_int(slider->lowest));
    return slider;
}

Object build_stack_panel(UI_Loader& loader, const pugi::xml_node& node, const SDL_FRect&)
{
    const Orientation orientation = read_orientation(node);
    auto panel =
        std::make_shared<Stack_panel>(orientation, read_int(node, "offset"), read_text(node, "id"));
    loader.load_children(panel.get(), node);
    return panel;
}

Object build_frame(UI_Loader& loader, const pugi::xml_node& node, const SDL_FRect& frame)
{
    auto rectangle = std::make_shared<Rect>(loader.renderer, frame, read_text(node, "id"));
    if (const int thickness = read_size(node, "thickness", "thickness"); thickness > 0)
        rectangle->thickness = thickness;
    rectangle->color = loader.read_color(node);
    loader.load_children(rectangle.get(), node);
    return rectangle;
}

Object build_rect(UI_Loader& loader, const pugi::xml_node& node, const SDL_FRect& rect)
{
    return build_frame(loader, node, rect);
}

Object build_border(UI_Loader& loader, const pugi::xml_node& node, const SDL_FRect&)
{
    // A border wraps its first child: it takes that child's rectangle, and its own "x" and "y"
    // move it afterwards.
    return build_frame(loader, node, UI_Loader::read_rect(node.first_child()));
}

Object build_line(UI_Loader& loader, const pugi::xml_node& node, const SDL_FRect&)
{
    auto line = std::make_shared<Line>(loader.renderer, read_float(node, "x_begin"),
                                       read_float(node, "y_begin"), read_float(node, "x_end"),
                                       read_float(node, "y_end"));
    if (const float thickness = read_float(node, "thickness"); thickness > 0)
        line->set_thickness(thickness);
    return line;
}

constexpr std::array<UI_element, 12> elements{{
    {"label", false, false, {}},
    {"sprite", false, false, {"image"}},
    {"button", false, false, {"file", "file_over", "file_down"}},
    {"checkbox",
     false,
     false,
     {"unchecked_image", "checked_image", "unchecked_image_over", "checked_image_over"}},
    {"drop_down_list", false, false, {"bg_image", "bg_image_over"}},
    {"slider", false, false, {}},
    {"stack_panel", false, true, {}},
    {"rect", false, true, {}},
    {"border", false, true, {}},
    {"line", false, false, {}},
    {"font", true, false, {"file"}},
    {"color", true, false, {}},
}};

// The builder of each object element of `elements`, in the same order.
constexpr std::array<Builder, 10> builders{
    build_label,  build_sprite,      build_button, build_checkbox, build_drop_down_list,
    build_slider, build_stack_panel, build_rect,   build_border,   build_line,
};

static_assert(std::count_if(elements.begin(), elements.end(), [](const UI_element& element) {
                  return !element.definition;
              }) == std::ssize(builders));

bool is_definition(std::string_view name)
{
    const UI_element* element = UI_Loader::element(name);
    return element != nullptr && element->definition;
}

// Text between elements has no name, so it fails here like an unknown element.
Builder builder_for(std::string_view name)
{
    const UI_element* element = UI_Loader::element(name);
    if (element == nullptr || element->definition)
        throw GE_runtime_error("Invalid node");
    return builders[static_cast<std::size_t>(element - elements.data())];
}

void place(Render_object& object, const pugi::xml_node& node, const SDL_FRect& rect)
{
    if (read_flag(node, "normalized_x"))
        object.normalized_x = true;
    object.set_x(rect.x);
    if (read_flag(node, "normalized_y"))
        object.normalized_y = true;
    object.set_y(rect.y);
    object.horizontal_align = read_horizontal_align(node);
    object.vertical_align = read_vertical_align(node);
    object.layer = read_int(node, "layer");
    object.focus_order = read_int(node, "focus_order");
    object.description = tr(read_text(node, "description"));
    if (has(node, "focusable"))
        object.focusable = read_flag(node, "focusable");
}

} // namespace

UI_Loader::UI_Loader(Render_context* renderer)
    : document(std::make_unique<pugi::xml_document>()), renderer(renderer)
{
}

UI_Loader::~UI_Loader() = default;

std::span<const UI_element> UI_Loader::vocabulary() { return elements; }

const UI_element* UI_Loader::element(std::string_view name)
{
    const auto found =
        std::find_if(elements.begin(), elements.end(),
                     [name](const UI_element& element) { return element.name == name; });
    return found == elements.end() ? nullptr : &*found;
}

std::vector<std::string> UI_Loader::images_named_in(const std::string& file_name)
{
    std::vector<std::string> images;
    pugi::xml_document file;
    if (!load_xml_file(file, file_name))
        return images;
    for (const pugi::xpath_node& found : file.select_nodes("//*")) {
        const UI_element* element = UI_Loader::element(found.node().name());
        if (element == nullptr || element->definition)
            continue;
        for (const std::string_view attribute : element->file_attributes)
            if (!attribute.empty() && found.node().attribute(attribute.data()))
                images.emplace_back(found.node().attribute(attribute.data()).as_string());
    }
    return images;
}

void UI_Loader::load(Render_object_container* target, const std::string& file_name)
{
    load_file(target, file_name, "Can not load a file with UI");
}

void UI_Loader::load_file(Render_object_container* target, const std::string& file_name,
                          const char* failure)
{
    if (!load_xml_file(*document, file_name))
        throw GE_runtime_error(failure);
    file_loading = file_name;
    depth = 0;
    const pugi::xml_node root = document->child(root_element.c_str());
    target->description = tr(read_text(root, "description"));
    load_children(target, root);
}

void UI_Loader::load_children(Render_object_container* target, const pugi::xml_node& node)
{
    // Each level of nesting is a level of recursion here and in every layout pass.
    if (depth == max_depth && node.first_child())
        throw GE_runtime_error("Elements nested more than " + std::to_string(max_depth) +
                               " deep in " + file_loading);
    ++depth;
    const struct Leave {
        std::int32_t& depth;
        ~Leave() { --depth; }
    } leave{depth};
    for (const pugi::xml_node& child : node.children()) {
        const SDL_FRect rect = read_rect(child);
        if (is_definition(child.name()))
            continue;
        const Object object = builder_for(child.name())(*this, child, rect);
        place(*object, child, rect);
        target->add_child(object);
    }
}

std::shared_ptr<Button> UI_Loader::create_button(const pugi::xml_node& node, const SDL_FRect& rect)
{
    SDL_FPoint size{rect.w, rect.h};
    const auto normal = button_look(*this, node, "file", size);
    // The button's own size is settled here; the over and down images cannot change it.
    auto button = std::make_shared<Button>(read_text(node, "id"), SDL_FRect{0, 0, size.x, size.y});
    if (normal)
        button->set_sprite(Button_state::normal, normal);
    if (const auto over = button_look(*this, node, "file_over", size))
        button->set_sprite(Button_state::over, over);
    if (const auto down = button_look(*this, node, "file_down", size))
        button->set_sprite(Button_state::down, down);
    for (const pugi::xml_node& element : node.children("label")) {
        auto label = create_label(element);
        button->set_label(read_button_state(element), label);
        // Measured before the button is in the tree, so these are design units.
        if (size.x == 0 && size.y == 0) {
            button->width = label->get_width();
            button->height = label->get_height();
        }
    }
    return button;
}

std::shared_ptr<Label> UI_Loader::create_label(const pugi::xml_node& node)
{
    const int wrap = read_int(node, "wrap");
    if (wrap < 0 || wrap > Text_surface::largest_side)
        throw GE_runtime_error("A label's wrap must be 0 to " +
                               std::to_string(Text_surface::largest_side));
    return std::make_shared<Label>(renderer, read_text(node, "id"), read_font(node),
                                   read_color(node), tr(read_text(node, "text")), wrap);
}

std::shared_ptr<Font> UI_Loader::read_font(const pugi::xml_node& node) const
{
    const pugi::xml_node font = find_definition(node, root_element, "font", "font_id");
    return Resources::instance().get_font(read_text(font, "file"),
                                          read_size(font, "size", "font size"));
}

std::shared_ptr<Sprite> UI_Loader::create_sprite(const std::string& file, const SDL_FRect& rect)
{
    const auto texture = texture_of(*this, file);
    SDL_FRect placed = rect;
    if (placed.w == 0 && placed.h == 0) {
        placed.w = static_cast<float>(texture->width);
        placed.h = static_cast<float>(texture->height);
    }
    return std::make_shared<Sprite>(texture, placed);
}

SDL_FRect UI_Loader::read_rect(const pugi::xml_node& node)
{
    return {read_float(node, "x"), read_float(node, "y"), read_float(node, "width"),
            read_float(node, "height")};
}

SDL_Color UI_Loader::read_color(const pugi::xml_node& node) const
{
    const pugi::xml_node colour = find_definition(node, root_element, "color", "color_id");
    return {low_byte(read_int(colour, "r")), low_byte(read_int(colour, "g")),
            low_byte(read_int(colour, "b")), low_byte(read_int(colour, "a"))};
}

} // namespace GE
