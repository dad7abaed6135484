#include "tools/check/data_checker.h"

#include "engine/core/error_text.h"
#include "engine/core/game_model.h"
#include "engine/core/window_settings.h"
#include "engine/resources/image_surface.h"
#include "engine/resources/resources.h"
#include "game/complete_ui.h"
#include "game/confirmation.h"
#include "game/create_application.h"
#include "game/level.h"
#include "game/level_loader.h"
#include "game/main_menu.h"
#include "game/play_ui.h"
#include "game/settings_menu.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <set>
#include <string_view>

namespace Tools {

namespace {

using Names = std::initializer_list<std::string_view>;

const Names containers{"stack_panel", "rect", "border"};
const Names objects{"label", "sprite",      "button", "checkbox", "drop_down_list",
                    "line",  "stack_panel", "rect",   "border"};

bool is_one_of(std::string_view name, Names names)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The attributes of each element that name a file of the folder.
std::vector<std::string_view> file_attributes(std::string_view element)
{
    if (element == "sprite")
        return {"image"};
    if (element == "button")
        return {"file", "file_over", "file_down"};
    if (element == "checkbox")
        return {"unchecked_image", "checked_image", "unchecked_image_over", "checked_image_over"};
    if (element == "drop_down_list")
        return {"bg_image", "bg_image_over"};
    if (element == "font")
        return {"file"};
    return {};
}

// As deep as the game builds elements inside one another.
constexpr int max_depth = 64;

bool exists(const std::string& file) { return std::filesystem::is_regular_file(file); }

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
        else if (is_one_of(child.name(), containers) && depth < max_depth)
            collect_buttons(child, ids, depth + 1);
    }
}

struct Screen {
    std::string file;
    std::vector<std::string> buttons;
};

const std::array<Screen, 6> screens{{
    {"main_menu.xml", {"play", "settings", "exit"}},
    {"play_ui.xml", {"menu", "go_left", "go_right"}},
    {"enter_confirmation.xml", {"yes", "no"}},
    {"retry_confirmation.xml", {"yes", "no"}},
    {"complete_ui.xml", {"exit_to_main_menu"}},
    {"settings_menu.xml", {"back", "apply"}},
}};

constexpr int level_count = 3;
constexpr int clocks_door = 3;

std::string level_file(int number) { return "level_" + std::to_string(number) + ".xml"; }

} // namespace

std::string to_string(const Problem& problem)
{
    return problem.file + ":" + std::to_string(problem.line) + ": " + problem.message;
}

Data_checker::Data_checker(GE::Render_context* renderer, GE::App_window* window)
    : renderer(renderer), window(window)
{
}

std::vector<Problem> Data_checker::check()
{
    for (const Screen& screen : screens)
        check_screen(screen.file, screen.buttons);
    for (int number = 1; number <= level_count; ++number)
        check_level(number);
    check_files_exist();
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
        if (name == "font" || name == "color") {
            if (parent != root)
                report(file, node,
                       "<" + std::string(name) + "> counts only at the top of the file");
            continue;
        }
        if (!is_one_of(name, objects)) {
            report(file, node, "unknown element <" + std::string(name) + ">");
            continue;
        }
        check_references(file, node, root);
        if (name == "button")
            for (const pugi::xml_node& label : node.children("label"))
                check_references(file, label, root);
        if (name == "drop_down_list")
            for (const char* arrow : {"triangle.png", "triangle_over.png"})
                check_file(file, node, "the list's arrow", arrow);
        if (is_one_of(name, containers))
            check_elements(file, node, root, depth + 1);
    }
}

void Data_checker::check_file_attributes(const Xml_file& file, const pugi::xml_node& element)
{
    for (const std::string_view attribute : file_attributes(element.name())) {
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

void Data_checker::check_screen(const std::string& name, const std::vector<std::string>& buttons)
{
    const Xml_file* file = ui_file(name, "ui");
    if (file == nullptr)
        return;
    const pugi::xml_node root = file->document.child("ui");
    std::set<std::string> found;
    collect_buttons(root, found);
    for (const auto& id : buttons)
        if (!found.contains(id))
            report(*file, root, "has no button with id " + in_quotes(id));
    if (name == "settings_menu.xml")
        check_settings_chain(*file);
}

void Data_checker::check_settings_chain(const Xml_file& file)
{
    // Each object is looked for among the direct children of the one before it.
    const auto require = [&](const pugi::xml_node& parent, std::string_view id, Names kinds) {
        const pugi::xml_node found = child_with_id(parent, id);
        if (!found || !is_one_of(found.name(), kinds)) {
            const std::string where = parent.attribute("id").as_string("the screen");
            report(file, parent,
                   "needs " + std::string(*kinds.begin()) + " " + in_quotes(id) +
                       " directly inside " + where);
            return pugi::xml_node{};
        }
        return found;
    };
    const auto main_panel = require(file.document.child("ui"), "main_panel", containers);
    const auto settings_panel =
        main_panel ? require(main_panel, "settings_panel", containers) : pugi::xml_node{};
    if (!settings_panel)
        return;
    if (const auto panel = require(settings_panel, "resolution_panel", containers))
        require(panel, "resolution_list", {"drop_down_list"});
    if (const auto panel = require(settings_panel, "fullscreen_panel", containers))
        require(panel, "fullscreen_checkbox", {"checkbox"});
}

void Data_checker::check_level(int number)
{
    const std::string name = level_file(number);
    if (!exists(name)) {
        report(name, 0, "is missing: the game plays the levels 1 to 3 in a row");
        return;
    }
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
    int doors = 0;
    for (const pugi::xml_node& scene : root.children("scene")) {
        check_scene(level, scene, number, doors);
        const bool door = std::string_view(scene.attribute("type").as_string("")) == "room" &&
                          !scene.attribute("door_label").empty();
        doors += door ? 1 : 0;
    }
}

void Data_checker::check_scene(const Xml_file& level, const pugi::xml_node& scene, int number,
                               int doors_before)
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
    const auto require = [&](std::string_view id, bool label) {
        const pugi::xml_node found = child_with_id(root, id);
        if (!found || (label && std::string_view(found.name()) != "label"))
            report(level, scene,
                   "scene " + in_quotes(name) + " has no " + (label ? "label" : "object") +
                       " with id " + in_quotes(id));
    };
    if (type == "room" && !scene.attribute("door_label").empty()) {
        if (std::string_view(scene.attribute("door_label").as_string("")).empty())
            report(level, scene, "an empty door_label cannot be drawn on the door");
        require("door_hit", false);
        require("door_label", true);
    } else if (type == "picture") {
        if (doors_before == 0)
            report(level, scene, "a picture needs a room with a door_label before it");
        if (number != 1 && number != 2)
            report(level, scene, "a picture's hint is written only in levels 1 and 2");
        require("picture_label", true);
    } else if (type == "clocks" && doors_before < clocks_door) {
        report(level, scene, "clocks need three rooms with a door_label before them");
    }
}

void Data_checker::check_files_exist()
{
    for (const auto& [name, file] : Game::game_sounds)
        if (!exists(file))
            report(file, 0, std::string("is missing: the game plays it as ") + in_quotes(name));
    if (!exists("OpenSans-SemiBold.ttf"))
        report("OpenSans-SemiBold.ttf", 0, "is missing: the settings screen writes with it");
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
    build("play_ui.xml", [&] { std::make_shared<Game::Play_ui>(renderer, window, &model); });
    for (const char* name : {"enter", "retry"})
        build(std::string(name) + "_confirmation.xml",
              [&] { std::make_shared<Game::Confirmation>(renderer, window, &model, name); });
    build("complete_ui.xml",
          [&] { std::make_shared<Game::Complete_ui>(renderer, window, &model); });
    build("settings_menu.xml",
          [&] { std::make_shared<Game::Settings_menu>(renderer, window, &settings, &model); });
    for (int number = 1; number <= level_count; ++number)
        build(level_file(number), [&] {
            auto level = std::make_shared<Game::Level>(renderer, window, &model);
            Game::Level_loader(renderer).load(*level, level_file(number));
        });
    for (const auto& [name, file] : Game::game_sounds)
        build(file, [&, name = std::string_view(name)] {
            if (name.ends_with("_music"))
                resources.get_music(file);
            else
                resources.get_chunk(file);
        });
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

} // namespace Tools
