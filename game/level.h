#pragma once

#include "engine/core/event_target.h"
#include "engine/ui/ui.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace GE {
class Game_model;
}

namespace Game {

class Room_scene;
class Scene;

// A ring of views shown one at a time; "go_left" and "go_right" on the model turn through it,
// and a click on a room's door reports "hit_door" and records that door.
class Level : public GE::UI {
public:
    // Registers the turn handlers on the model; the destructor removes them.
    Level(GE::Render_context* renderer, GE::App_window* window, GE::Game_model* model);
    ~Level() override;
    Level(const Level&) = delete;
    Level& operator=(const Level&) = delete;

    // Removes the turn handlers from the model (those of every level: removal goes by type).
    // The application calls it when it lets the level go, since the delivery of the click that
    // ended the level may keep the object alive after a new level has started listening.
    void stop_listening();
    // Listens on the model again, after stop_listening.
    void listen();
    // Shows the view `index` of the ring, counted from the first.
    void show_view(std::int32_t index);

    // Takes the door `label` as the one clicked last, if a room of the level has it; answers
    // whether one has.
    bool select_door(const std::string& label);

    // Appends a view; the first one is shown at once. A room's "door_hit" child reports clicks.
    void add_scene(std::shared_ptr<Scene> scene);

    std::int32_t current_scene = 0;
    GE::Game_model* model; // not owned; outlives every level
    std::string correct_door_label;
    // The label of the door clicked last, inside one of `scenes`; null until a door is clicked.
    const std::string* selected_door_label = nullptr;
    std::vector<std::shared_ptr<Scene>> scenes;
    // Listeners are removed by their type, so these stored copies name them for removal.
    GE::Event_listener go_left_handler;
    GE::Event_listener go_right_handler;

private:
    bool listening = false;

    void watch_door(Room_scene& room);
    // Shows the view `step` places away from the current one, around the ring.
    void turn(int step);
};

} // namespace Game
