#include "tools/check/data_checker.h"

#include "engine/core/app_window.h"
#include "engine/core/error_text.h"
#include "engine/core/game_model.h"
#include "engine/core/sdl_lifetime.h"
#include "engine/core/window_settings.h"
#include "engine/resources/image_surface.h"
#include "engine/resources/regular_file.h"
#include "engine/resources/resources.h"
#include "engine/widgets/button.h"
#include "engine/widgets/label.h"
#include "engine/widgets/sprite.h"
#include "game/complete_ui.h"
#include "game/confirmation.h"
#include "game/create_application.h"
#include "game/display_confirmation.h"
#include "game/for_each_button.h"
#include "game/letterbox.h"
#include "game/level.h"
#include "game/level_loader.h"
#include "game/main_menu.h"
#include "game/play_ui.h"
#include "game/scene.h"
#include "game/settings_menu.h"
#include "game/vossmere.h"
#include "tools/check/design_sized_window.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <map>
#include <set>
#include <string_view>

namespace Tools {

namespace {

bool holds_elements(std::string_view name)
{
    const GE::UI_element* element = GE::UI_Loader::element(name);
    return element != nullptr && element->holds_elements;
}

// As deep as the game builds elements inside one another.
constexpr int max_depth = 64;

bool exists(const std::string& file) { return GE::is_regular_file(file); }

// Whether a file name reaches outside the data folder: absolute, or climbing out through "..".
// The game loads it all the same, but a level made so works only on its maker's machine.
bool leaves_folder(const std::string& name)
{
    const std::filesystem::path path(name);
    return path.has_root_path() || std::find(path.begin(), path.end(), "..") != path.end();
}

std::string in_quotes(std::string_view text)
{
    std::string quoted(1, '"');
    quoted.append(text).push_back('"');
    return quoted;
}

// The direct child element whose "id" is `id`.
pugi::xml_node child_with_id(const pugi::xml_node& parent, std::string_view id)
{
    for (const pugi::xml_node& child : parent.children())
        if (child.type() == pugi::node_element && id == child.attribute("id").as_string(""))
            return child;
    return {};
}

// Every button under `node` by its id, found as the game finds them: not inside a button.
void collect_buttons(const pugi::xml_node& node, std::set<std::string>& ids, int depth = 1)
{
    for (const pugi::xml_node& child : node.children()) {
        if (std::string_view(child.name()) == "button")
            ids.insert(child.attribute("id").as_string(""));
        else if (holds_elements(child.name()) && depth < max_depth)
            collect_buttons(child, ids, depth + 1);
    }
}

// The root of what is laid on the design canvas, at scale 1.
class Design_canvas : public GE::Render_object_container {
public:
    float get_width() override { return Game::design_width; }
    float get_height() override { return Game::design_height; }
};

bool overlaps(const GE::Screen_rect& a, const GE::Screen_rect& b)
{
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

std::string box_text(const GE::Screen_rect& box)
{
    const auto number = [](float value) { return std::to_string(static_cast<int>(value)); };
    return number(box.x) + "," + number(box.y) + " (" + number(box.w) + "x" + number(box.h) + ")";
}

// How a message names a sprite: its image file, as the texture cache knows it, or a label's text.
std::string name_of(const GE::Sprite& sprite)
{
    if (const auto* label = dynamic_cast<const GE::Label*>(&sprite))
        return "the label " + in_quotes(label->text);
    for (const auto& [file, texture] : GE::Resources::instance().textures)
        if (texture == sprite.texture)
            return in_quotes(file);
    return "a sprite";
}

} // namespace

std::string to_string(const Problem& problem)
{
    return problem.file + ":" + std::to_string(problem.line) + ": " +
           (problem.warning ? "warning: " : "") + problem.message;
}

Data_checker::Data_checker(GE::Render_context* renderer, GE::App_window* window)
    : renderer(renderer), window(window)
{
}

std::vector<Problem> Data_checker::check()
{
    for (const Game::Screen_contract& screen : Game::Run_screens::contracts())
        check_screen(screen);
    levels = Game::Level_loader::count_levels();
    if (levels == 0)
        report(Game::Level_loader::level_file_of(1), 0, "is missing: the game starts with it");
    for (int number = 1; number <= levels; ++number)
        check_level(number);
    if (levels > 0)
        check_level_run();
    check_files_exist();
    check_captions();
    build_for_real();
    return problems;
}

const Xml_file* Data_checker::ui_file(const std::string& name, const char* root)
{
    auto& slot = files[name];
    if (slot)
        return slot->parsed() && slot->document.child(root) ? slot.get() : nullptr;
    slot = std::make_unique<Xml_file>(name);
    const Xml_file& file = *slot;
    if (!file.parsed()) {
        report(name, file.failure_line, file.failure);
        return nullptr;
    }
    const pugi::xml_node top = file.document.child(root);
    if (!top) {
        report(name, 1, std::string("has no <") + root + "> element, so nothing is built from it");
        return nullptr;
    }
    check_elements(file, top, top, 1);
    return &file;
}

void Data_checker::check_elements(const Xml_file& file, const pugi::xml_node& parent,
                                  const pugi::xml_node& root, int depth)
{
    if (depth > max_depth) {
        report(file, parent,
               "elements nested more than " + std::to_string(max_depth) + " deep are refused");
        return;
    }
    for (const pugi::xml_node& node : parent.children()) {
        if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) {
            report(file, node, "text between elements");
            continue;
        }
        if (node.type() != pugi::node_element)
            continue;
        const std::string_view name = node.name();
        check_file_attributes(file, node);
        const GE::UI_element* element = GE::UI_Loader::element(name);
        if (element != nullptr && element->definition) {
            if (parent != root)
                report(file, node,
                       "<" + std::string(name) + "> counts only at the top of the file");
            continue;
        }
        if (element == nullptr) {
            report(file, node, "unknown element <" + std::string(name) + ">");
            continue;
        }
        check_references(file, node, root);
        check_described(file, node);
        if (name == "button")
            for (const pugi::xml_node& label : node.children("label"))
                check_references(file, label, root);
        if (name == "drop_down_list")
            for (const char* arrow : {"triangle.png", "triangle_over.png"})
                check_file(file, node, "the list's arrow", arrow);
        if (element->holds_elements)
            check_elements(file, node, root, depth + 1);
    }
}

void Data_checker::check_described(const Xml_file& file, const pugi::xml_node& element)
{
    const std::string_view name = element.name();
    const bool widget =
        name == "button" || name == "checkbox" || name == "drop_down_list" || name == "slider";
    const pugi::xml_attribute focusable = element.attribute("focusable");
    if (!(focusable ? focusable.as_string() == std::string_view("true") : widget))
        return;
    if (!std::string_view(element.attribute("description").as_string("")).empty())
        return;
    // A button without a description is said by its text.
    for (const pugi::xml_node& label : element.children("label"))
        if (name == "button" && !std::string_view(label.attribute("text").as_string("")).empty())
            return;
    report(file, element,
           "<" + std::string(name) + "> takes the focus but has no description to be said");
}

void Data_checker::check_description(const Xml_file& file, const pugi::xml_node& root,
                                     const std::string& what)
{
    if (std::string_view(root.attribute("description").as_string("")).empty())
        report(file, root, what + " has no description, said to a player who cannot see it");
}

void Data_checker::check_file_attributes(const Xml_file& file, const pugi::xml_node& element)
{
    const GE::UI_element* known = GE::UI_Loader::element(element.name());
    if (known == nullptr)
        return;
    for (const std::string_view attribute : known->file_attributes) {
        if (attribute.empty())
            continue;
        const pugi::xml_attribute named = element.attribute(std::string(attribute).c_str());
        if (!named.empty())
            check_file(file, element, std::string(attribute), named.as_string(""));
    }
}

void Data_checker::check_file(const Xml_file& file, const pugi::xml_node& element,
                              const std::string& what, const std::string& name)
{
    if (leaves_folder(name))
        report(file, element, what + " " + in_quotes(name) + " lies outside the data folder");
    if (!exists(name)) {
        report(file, element, what + " names a missing file " + in_quotes(name));
        return;
    }
    if (!name.ends_with(".png"))
        return;
    // Each image is decoded once, however many elements show it.
    const auto [decoded, first_time] = image_errors.try_emplace(name);
    if (first_time) {
        try {
            GE::Image_surface image(name);
        } catch (const std::exception& error) {
            decoded->second = error.what();
        }
    }
    if (!decoded->second.empty())
        report(file, element,
               what + " " + in_quotes(name) + " cannot be decoded: " + decoded->second);
}

void Data_checker::check_references(const Xml_file& file, const pugi::xml_node& element,
                                    const pugi::xml_node& root)
{
    const std::string color = element.attribute("color_id").as_string("");
    if (!color.empty() && !root.find_child_by_attribute("color", "id", color.c_str()))
        report(file, element, "color_id " + in_quotes(color) + " names no <color>");
    if (std::string_view(element.name()) != "label")
        return;
    const std::string font = element.attribute("font_id").as_string("");
    if (!root.find_child_by_attribute("font", "id", font.c_str()))
        report(file, element, "font_id " + in_quotes(font) + " names no <font>");
    if (std::string_view(element.attribute("text").as_string("")).empty())
        report(file, element, "a label without text cannot be drawn");
}

void Data_checker::check_screen(const Game::Screen_contract& screen)
{
    const Xml_file* file = ui_file(screen.file, "ui");
    if (file == nullptr)
        return;
    const pugi::xml_node root = file->document.child("ui");
    // The overlay of a level is never said itself: the level beneath it is.
    if (screen.file != Game::Play_ui::contract.file)
        check_description(*file, root, "the screen");
    std::set<std::string> buttons;
    collect_buttons(root, buttons);
    // The objects found so far by id, for those that must lie inside them.
    std::map<std::string_view, pugi::xml_node> found;
    for (const auto& [id, kind, inside] : screen.objects) {
        if (kind == Game::Object_kind::button) {
            if (!buttons.contains(std::string(id)))
                report(*file, root, "has no button with id " + in_quotes(id));
            continue;
        }
        if (!inside.empty() && !found.contains(inside))
            continue; // its parent is missing, and reported
        const pugi::xml_node parent = inside.empty() ? root : found[inside];
        const pugi::xml_node object = child_with_id(parent, id);
        if (object && Game::builds_kind(object.name(), kind))
            found[id] = object;
        else
            report(*file, parent,
                   "needs " + std::string(Game::kind_name(kind)) + " " + in_quotes(id) +
                       " directly inside " + (inside.empty() ? "the screen" : std::string(inside)));
    }
}

void Data_checker::check_level_run()
{
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(".", error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() <= 10 || !name.starts_with("level_") || !name.ends_with(".xml"))
            continue;
        const std::string digits = name.substr(6, name.size() - 10);
        if (digits.size() > 6 || digits.front() == '0' ||
            !std::all_of(digits.begin(), digits.end(),
                         [](char c) { return c >= '0' && c <= '9'; }) ||
            std::stoi(digits) <= levels)
            continue;
        report(name, 0,
               "follows no " + Game::Level_loader::level_file_of(levels + 1) +
                   ": the game ends after " + Game::Level_loader::level_file_of(levels) +
                   " and never comes to it");
    }
}

void Data_checker::check_level(int number)
{
    const std::string name = Game::Level_loader::level_file_of(number);
    auto& slot = files[name];
    slot = std::make_unique<Xml_file>(name);
    const Xml_file& level = *slot;
    if (!level.parsed()) {
        report(name, level.failure_line, level.failure);
        return;
    }
    const pugi::xml_node root = level.document.child("level");
    if (!root.child("scene")) {
        report(name, 1, "has no <level> element with <scene> elements: the level would be empty");
        return;
    }
    check_description(level, root, "the level");
    int doors = 0;
    int deciders = 0; // pictures and clocks, each of which chooses the right door
    for (const pugi::xml_node& scene : root.children("scene")) {
        check_scene(level, scene, doors);
        const std::string_view type = scene.attribute("type").as_string("");
        doors += type == Game::Level_loader::room_type && !scene.attribute("door_label").empty();
        deciders +=
            type == Game::Level_loader::picture_type || type == Game::Level_loader::clocks_type;
    }
    // Without one, no door is the way out; of several, the last one decides and the others' hints
    // may point at the wrong door.
    if (deciders != 1)
        report(name, 1,
               std::string(deciders == 0 ? "has no picture or clocks: no door would lead on"
                                         : "has more than one picture or clocks: only the "
                                           "last chooses the right door"));
}

void Data_checker::check_scene(const Xml_file& level, const pugi::xml_node& scene, int doors_before)
{
    const std::string name = scene.attribute("file").as_string("");
    const std::string type = scene.attribute("type").as_string("");
    if (leaves_folder(name))
        report(level, scene, "scene " + in_quotes(name) + " lies outside the data folder");
    const Xml_file* file = name.empty() ? nullptr : ui_file(name, "scene");
    if (file == nullptr) {
        report(level, scene,
               name.empty() ? "a scene without a file"
                            : "scene " + in_quotes(name) + " cannot be built");
        return;
    }
    if (faulty[name])
        faulty[level.name] = true; // its own problems are reported; the level is not built
    const pugi::xml_node root = file->document.child("scene");
    if (described.insert(name).second)
        check_view_described(*file, root);
    const auto require = [&](std::span<const Game::Required_object> objects) {
        for (const auto& [id, kind, inside] : objects)
            if (!Game::builds_kind(child_with_id(root, id).name(), kind))
                report(level, scene,
                       "scene " + in_quotes(name) + " has no " + Game::kind_name(kind) +
                           " with id " + in_quotes(id));
    };
    using Game::Level_loader;
    if (type == Level_loader::room_type && !scene.attribute("door_label").empty()) {
        if (std::string_view(scene.attribute("door_label").as_string("")).empty())
            report(level, scene, "an empty door_label cannot be drawn on the door");
        require(Level_loader::room_objects);
    } else if (type == Level_loader::picture_type) {
        if (doors_before == 0)
            report(level, scene, "a picture needs a room with a door_label before it");
        if (!Level_loader::shows_hints(level.name))
            report(level, scene, "a picture's hint is written only in levels 1 and 2");
        require(Level_loader::picture_objects);
    } else if (type == Level_loader::clocks_type &&
               doors_before <= static_cast<int>(Level_loader::clocks_door_index)) {
        report(level, scene, "clocks need three rooms with a door_label before them");
    }
}

void Data_checker::check_view_described(const Xml_file& file, const pugi::xml_node& root)
{
    check_description(file, root, "the view");
    if (const pugi::xml_node door = child_with_id(root, "door_hit");
        door && std::string_view(door.attribute("description").as_string("")).empty())
        report(file, door, "the door takes the focus but has no description to be said");
}

void Data_checker::check_files_exist()
{
    for (const auto& [name, file] : Game::game_sounds)
        if (!exists(file))
            report(file, 0, std::string("is missing: the game plays it as ") + in_quotes(name));
    if (!exists("OpenSans-SemiBold.ttf"))
        report("OpenSans-SemiBold.ttf", 0, "is missing: the settings screen writes with it");
    if (!exists(Game::Vossmere::muted_mark_file))
        report(Game::Vossmere::muted_mark_file, 0, "is missing: the game shows it while muted");
}

void Data_checker::check_captions()
{
    const std::string& name = Game::Vossmere::captions_file;
    const Xml_file file(name);
    if (!file.parsed()) {
        report(name, file.failure_line, file.failure);
        return;
    }
    std::map<std::string, pugi::xml_node> captions;
    for (const auto& caption : file.document.child("captions").children("caption")) {
        const std::string sound = caption.attribute("sound").as_string();
        if (sound.empty() || std::string_view(caption.attribute("text").as_string()).empty())
            report(file, caption, "a caption needs a sound and a text");
        else if (!captions.emplace(sound, caption).second)
            report(file, caption, "a second caption for " + in_quotes(sound));
    }
    std::set<std::string> sounds;
    for (const auto& [sound, audio_file] : Game::game_sounds) {
        sounds.insert(sound);
        if (!captions.contains(sound))
            report(name, 0,
                   "has no caption for " + in_quotes(sound) +
                       ": a player who cannot hear it would not know");
    }
    for (const auto& [sound, caption] : captions)
        if (!sounds.contains(sound))
            report(file, caption,
                   "a caption for " + in_quotes(sound) + ", which the game never plays");
}

void Data_checker::build_for_real()
{
    // Every file is decoded from the folder as it is now, not taken from an earlier load.
    auto& resources = GE::Resources::instance();
    resources.clear_textures();
    resources.clear_fonts();
    resources.clear_audio();
    GE::Game_model model;
    GE::Window_settings settings;
    const auto build = [&](const std::string& file, auto make) {
        if (!faulty[file])
            attempt(file, make);
    };
    build("main_menu.xml", [&] { std::make_shared<Game::Main_menu>(renderer, window, &model); });
    std::shared_ptr<Game::Play_ui> overlay;
    build("play_ui.xml",
          [&] { overlay = std::make_shared<Game::Play_ui>(renderer, window, &model); });
    for (const char* name : {"enter", "retry"})
        build(std::string(name) + "_confirmation.xml",
              [&] { std::make_shared<Game::Confirmation>(renderer, window, &model, name); });
    build("complete_ui.xml",
          [&] { std::make_shared<Game::Complete_ui>(renderer, window, &model); });
    build(Game::Display_confirmation::contract.file,
          [&] { std::make_shared<Game::Display_confirmation>(renderer, window, &model); });
    build("settings_menu.xml",
          [&] { std::make_shared<Game::Settings_menu>(renderer, window, &settings, &model); });
    for (int number = 1; number <= levels; ++number) {
        const std::string file = Game::Level_loader::level_file_of(number);
        build(file, [&] {
            auto level = std::make_shared<Game::Level>(renderer, window, &model);
            Game::Level_loader(renderer).load(*level, file);
            if (overlay)
                check_clear_of_arrows(*overlay, *level, file);
        });
    }
    for (const auto& [name, file] : Game::game_sounds)
        build(file, [&, name = std::string_view(name)] {
            GE::open_audio();
            if (name.ends_with("_music"))
                resources.get_music(file);
            else
                resources.get_chunk(file);
        });
}

void Data_checker::check_clear_of_arrows(Game::Play_ui& overlay, Game::Level& level,
                                         const std::string& level_file)
{
    const Design_sized_window design_sized(*window);
    const auto canvas = std::make_shared<Design_canvas>();
    canvas->add_child(overlay.shared_from_this());
    std::vector<std::pair<std::string, GE::Screen_rect>> arrows;
    Game::for_each_button(overlay, [&](GE::Button* button) {
        if (button->id == "go_left" || button->id == "go_right")
            arrows.emplace_back(button->id.substr(3), button->get_screen_rect());
    });
    const pugi::xml_node level_root = files.at(level_file)->document.child("level");
    auto scene_node = level_root.children("scene").begin();
    for (const auto& scene : level.scenes) {
        const std::string scene_file = scene_node++->attribute("file").as_string("");
        canvas->add_child(scene);
        for (const auto& child : scene->children) {
            const auto* sprite = dynamic_cast<GE::Sprite*>(child.get());
            const GE::Screen_rect box = child->get_screen_rect();
            if (sprite == nullptr || (box.w >= Game::design_width && box.h >= Game::design_height))
                continue;
            for (const auto& [side, arrow] : arrows)
                if (overlaps(box, arrow))
                    warn(scene_file, name_of(*sprite) + " at " + box_text(box) +
                                         " lies under the " + side + " turn arrow");
        }
        canvas->remove_child(scene);
    }
}

template <typename Build>
void Data_checker::attempt(const std::string& file, Build build)
{
    try {
        build();
    } catch (const std::exception& error) {
        report(file, 0, GE::error_text(error));
    }
}

void Data_checker::report(const std::string& file, int line, std::string message)
{
    problems.push_back({file, line, std::move(message)});
    faulty[file] = true;
}

void Data_checker::report(const Xml_file& file, const pugi::xml_node& node, std::string message)
{
    report(file.name, file.line_of(node), std::move(message));
}

void Data_checker::warn(const std::string& file, std::string message)
{
    // A scene shown in several views is warned of once.
    const bool known = std::any_of(problems.begin(), problems.end(), [&](const Problem& problem) {
        return problem.warning && problem.file == file && problem.message == message;
    });
    if (!known)
        problems.push_back({file, 0, std::move(message), true});
}

} // namespace Tools
