#pragma once

#include <SDL_pixels.h>
#include <SDL_rect.h>

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The XML parser stays out of the headers of the screens that hold a loader.
namespace pugi {
class xml_document;
class xml_node;
} // namespace pugi

namespace GE {

class Button;
class Font;
class Label;
class Render_object_container;
class Sprite;
struct Render_context;

// An element of the UI files: its name, whether it is a definition ("font", "color") that
// objects refer to rather than an object, whether it holds elements of its own, and the
// attributes that name a file of the data folder.
struct UI_element {
    std::string_view name;
    bool definition;
    bool holds_elements;
    std::array<std::string_view, 4> file_attributes;
};

// Builds render objects from a UI XML file into a container: labels, sprites, buttons,
// checkboxes, drop-down lists, sliders, stack panels, rectangles, borders and lines, with the fonts
// and colours the file defines. Loading is not transactional: what was built before a failure
// stays.
class UI_Loader {
public:
    explicit UI_Loader(Render_context* renderer);
    virtual ~UI_Loader();
    UI_Loader(const UI_Loader&) = delete;
    UI_Loader& operator=(const UI_Loader&) = delete;

    // Parses `file_name` and builds the children of its root element into `target`.
    // Throws GE_runtime_error ("Can not load a file with UI", "Invalid node", a font size or an
    // outline thickness over 1080, elements nested more than 64 deep, ...) or SDL_runtime_error
    // for an image or font that cannot be loaded.
    virtual void load(Render_object_container* target, const std::string& file_name);
    // Every element the loader knows: the objects it builds, then the definitions.
    static std::span<const UI_element> vocabulary();
    // The element of the vocabulary called `name`; null for one the loader does not know.
    static const UI_element* element(std::string_view name);
    // The images the objects of the UI file `file_name` name, without building anything; none
    // when the file cannot be parsed.
    static std::vector<std::string> images_named_in(const std::string& file_name);
    void load_children(Render_object_container* target, const pugi::xml_node& node);

    std::shared_ptr<Button> create_button(const pugi::xml_node& node, const SDL_FRect& rect);
    std::shared_ptr<Label> create_label(const pugi::xml_node& node);
    // The font named by the node's "font_id". Throws SDL_runtime_error when it cannot be loaded.
    std::shared_ptr<Font> read_font(const pugi::xml_node& node) const;
    // A sprite of the image stretched to `rect`; a rectangle of 0 by 0 takes the image's size.
    std::shared_ptr<Sprite> create_sprite(const std::string& file, const SDL_FRect& rect);
    static SDL_FRect read_rect(const pugi::xml_node& node);
    // The colour named by the node's "color_id", transparent black when there is none.
    SDL_Color read_color(const pugi::xml_node& node) const;

    // The file loaded last; its text is kept for as long as the loader lives.
    std::unique_ptr<pugi::xml_document> document;
    std::string root_element = "ui";
    Render_context* renderer; // not owned

protected:
    // Parses `file_name`, which must be a regular file, and builds its root element's children
    // into `target`; a file that cannot be read or parsed throws GE_runtime_error(`failure`).
    void load_file(Render_object_container* target, const std::string& file_name,
                   const char* failure);

private:
    std::string file_loading;
    std::int32_t depth = 0; // of the elements being built, the root's children being 1
};

} // namespace GE
