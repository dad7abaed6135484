#pragma once

#include "game/scene_loader.h"
#include "game/screen_contract.h"

#include <pugixml.hpp>

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace GE {
class Render_object;
struct Render_context;
} // namespace GE

namespace Game {

class Level;
class Scene;

// Reads a level file into a Level: builds every view from its scene file, writes the door labels
// and the picture's hint into them and their descriptions, and chooses the right door (drawn among
// the doors before a picture, the third door for clocks).
class Level_loader {
public:
    // The draw is seeded with `seed`; by default from std::random_device.
    explicit Level_loader(GE::Render_context* renderer,
                          std::uint64_t seed = std::random_device{}());
    virtual ~Level_loader() = default;
    Level_loader(const Level_loader&) = delete;
    Level_loader& operator=(const Level_loader&) = delete;

    // Throws GE_runtime_error: "Can not load a file with UI" for a level file that cannot be
    // parsed, the scene loader's errors, and a message naming the level file and the scene for
    // data the level cannot be built from (a picture before any door, clocks before the third
    // door, a label or door missing from a scene).
    virtual void load(Level& level, const std::string& file_name);

    // The types of scene with a meaning of their own; any other type is a plain view.
    static constexpr const char* room_type = "room";
    static constexpr const char* picture_type = "picture";
    static constexpr const char* clocks_type = "clocks";
    // What a room (one with a door_label) and a picture need from their scene files.
    static constexpr Required_object room_objects[]{
        {"door_hit", Object_kind::any},
        {"door_label", Object_kind::label},
    };
    static constexpr Required_object picture_objects[]{{"picture_label", Object_kind::label}};
    // Clocks point at the room with a door_label at this place in file order (the third).
    static constexpr std::size_t clocks_door_index = 2;

    // The file of level `number`: "level_<number>.xml".
    static std::string level_file_of(int number);
    // How many levels the data folder (the working directory) has: the unbroken run of files
    // from "level_1.xml" on, which the game plays in a row.
    static int count_levels();
    // Whether the pictures of the level file `file_name` show a hint (those of levels 1 and 2).
    static bool shows_hints(const std::string& file_name);

    // Replaces the scene's label `id` by one showing `text` in the same font and colour, at the
    // same height and horizontal alignment.
    void replace_label(Scene& scene, const std::string& id, const std::string& text);
    // Writes `text` in place of each `field` of the object's description.
    static void fill_in(GE::Render_object& object, std::string_view field, const std::string& text);
    // What a description writes for the room's door label, and for the picture's hint.
    static constexpr std::string_view door_field = "{door}";
    static constexpr std::string_view hint_field = "{hint}";

    GE::Render_context* renderer; // not owned
    // The door a picture's draw takes when the level has it: a level read again keeps its right
    // door, and its picture the same hint. Empty: drawn at random.
    std::string preferred_door;
    Scene_loader scene_loader;
    pugi::xml_document document;

private:
    void load_scene(Level& level, const pugi::xml_node& node,
                    std::vector<std::string>& door_labels);
    const std::string& draw_door(const std::vector<std::string>& door_labels);
    // The hint a picture of the level file `file_name` shows for the door `label`; empty for
    // a level whose pictures show none.
    static std::string hint_for(const std::string& file_name, const std::string& label);
    // Fails naming the first of `objects` that the scene lacks.
    void require(Scene& scene, std::span<const Required_object> objects) const;
    // What is wrong with the scene being loaded, as the error names it.
    [[noreturn]] void fail(const std::string& problem) const;

    std::mt19937_64 random;
    std::string level_file; // while loading
    std::string scene_file; // while loading
};

} // namespace Game
