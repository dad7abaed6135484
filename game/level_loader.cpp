#include "game/level_loader.h"

#include "engine/core/error_text.h"
#include "engine/core/ge_runtime_error.h"
#include "engine/resources/load_xml_file.h"
#include "engine/resources/regular_file.h"
#include "engine/text/language.h"
#include "engine/widgets/label.h"
#include "game/hint_text.h"
#include "game/level.h"
#include "game/room_scene.h"

#include <algorithm>
#include <memory>

namespace Game {

Level_loader::Level_loader(GE::Render_context* renderer, std::uint64_t seed)
    : renderer(renderer), scene_loader(renderer), random(seed)
{
}

void Level_loader::load(Level& level, const std::string& file_name)
{
    if (!GE::load_xml_file(document, file_name))
        throw GE::GE_runtime_error("Can not load a file with UI");
    level_file = file_name;
    level.description = GE::tr(document.child("level").attribute("description").as_string(""));
    std::vector<std::string> door_labels;
    for (const pugi::xml_node& node : document.child("level").children("scene"))
        load_scene(level, node, door_labels);
}

void Level_loader::load_scene(Level& level, const pugi::xml_node& node,
                              std::vector<std::string>& door_labels)
{
    const std::string type = node.attribute("type").as_string("");
    const pugi::xml_attribute door_label = node.attribute("door_label");
    const bool room = type == room_type && !door_label.empty();
    scene_file = node.attribute("file").as_string("");

    std::shared_ptr<Scene> scene;
    if (room) {
        door_labels.emplace_back(door_label.as_string(""));
        scene = std::make_shared<Room_scene>(door_labels.back());
    } else {
        scene = std::make_shared<Scene>();
    }
    GE::naming_errors(level_file + ": scene \"" + scene_file + "\"",
                      [&] { scene_loader.load(scene.get(), scene_file); });
    scene->horizontal_align = GE::Horizontal_align::center;

    if (room) {
        require(*scene, room_objects);
        replace_label(*scene, "door_label", door_labels.back());
        fill_in(*scene, door_field, door_labels.back());
        if (const auto door = scene->find_child("door_hit"))
            fill_in(*door, door_field, door_labels.back());
    } else if (type == picture_type) {
        if (door_labels.empty())
            fail("is a picture, but no room with a door_label comes before it");
        require(*scene, picture_objects);
        level.correct_door_label = draw_door(door_labels);
        const std::string hint = hint_for(level_file, level.correct_door_label);
        replace_label(*scene, "picture_label", hint);
        fill_in(*scene, hint_field, spelled_text(hint));
    } else if (type == clocks_type) {
        if (door_labels.size() <= clocks_door_index)
            fail("shows clocks, but fewer than three rooms with a door_label come before it");
        level.correct_door_label = door_labels[clocks_door_index];
    }
    level.add_scene(scene);
}

void Level_loader::require(Scene& scene, std::span<const Required_object> objects) const
{
    [[maybe_unused]] const Required_objects found(
        scene, {level_file + ": scene \"" + scene_file + "\"", objects});
}

std::string Level_loader::level_file_of(int number)
{
    return "level_" + std::to_string(number) + ".xml";
}

int Level_loader::count_levels()
{
    int count = 0;
    while (GE::is_regular_file(level_file_of(count + 1)))
        ++count;
    return count;
}

bool Level_loader::shows_hints(const std::string& file_name)
{
    return !hint_for(file_name, "1").empty();
}

const std::string& Level_loader::draw_door(const std::vector<std::string>& door_labels)
{
    if (const auto kept = std::find(door_labels.begin(), door_labels.end(), preferred_door);
        kept != door_labels.end())
        return *kept;
    const std::uint64_t drawn = random();
    return door_labels[drawn % door_labels.size()];
}

std::string Level_loader::hint_for(const std::string& file_name, const std::string& label)
{
    if (file_name == level_file_of(1))
        return roman_numeral_text(label);
    if (file_name == level_file_of(2))
        return shifted_letter_text(label);
    return {};
}

void Level_loader::replace_label(Scene& scene, const std::string& id, const std::string& text)
{
    const auto old = std::dynamic_pointer_cast<GE::Label>(scene.find_child(id));
    if (!old)
        fail("has no label with id \"" + id + "\"");
    auto label = std::make_shared<GE::Label>(renderer, old->id, old->font, old->color, text);
    scene.remove_child(old);
    label->set_y(old->get_y());
    label->horizontal_align = old->horizontal_align;
    scene.add_child(label);
}

void Level_loader::fill_in(GE::Render_object& object, std::string_view field,
                           const std::string& text)
{
    std::string& description = object.description;
    for (std::size_t at = description.find(field); at != std::string::npos;
         at = description.find(field, at + text.size()))
        description.replace(at, field.size(), text);
}

void Level_loader::fail(const std::string& problem) const
{
    throw GE::GE_runtime_error(level_file + ": scene \"" + scene_file + "\" " + problem);
}

} // namespace Game
