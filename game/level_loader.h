#pragma once

#include "game/scene_loader.h"

#include <pugixml.hpp>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace GE {
struct Render_context;
}

namespace Game {

class Level;
class Scene;

// Reads a level file into a Level: builds every view from its scene file, writes the door labels
// and the picture's hint into them, and chooses the right door (drawn among the doors before a
// picture, the third door for clocks).
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

    // Replaces the scene's label `id` by one showing `text` in the same font and colour, at the
    // same height and horizontal alignment.
    void replace_label(Scene& scene, const std::string& id, const std::string& text);

    GE::Render_context* renderer; // not owned
    Scene_loader scene_loader;
    pugi::xml_document document;

private:
    void load_scene(Level& level, const pugi::xml_node& node,
                    std::vector<std::string>& door_labels);
    const std::string& draw_door(const std::vector<std::string>& door_labels);
    std::string hint_for(const std::string& label) const;
    // What is wrong with the scene being loaded, as the error names it.
    [[noreturn]] void fail(const std::string& problem) const;

    std::mt19937_64 random;
    std::string level_file; // while loading
    std::string scene_file; // while loading
};

} // namespace Game
