#include "game/level.h"

#include "engine/core/event_names.h"
#include "engine/core/game_model.h"
#include "game/game_events.h"
#include "game/room_scene.h"

namespace Game {

Level::Level(GE::Render_context* renderer, GE::App_window* window, GE::Game_model* model)
    : GE::UI(renderer, window), model(model), go_left_handler([this](GE::Event& event) {
          turn(-1);
          event.propagating = false;
      }),
      go_right_handler([this](GE::Event& event) {
          turn(1);
          event.propagating = false;
      })
{
    listen();
}

Level::~Level()
{
    if (listening)
        stop_listening();
}

void Level::stop_listening()
{
    model->remove_event_listener(Events::go_left, go_left_handler);
    model->remove_event_listener(Events::go_right, go_right_handler);
    listening = false;
}

void Level::listen()
{
    if (listening)
        return;
    model->add_event_listener(Events::go_left, go_left_handler);
    model->add_event_listener(Events::go_right, go_right_handler);
    listening = true;
}

void Level::add_scene(std::shared_ptr<Scene> scene)
{
    scenes.push_back(scene);
    if (scenes.size() == 1)
        add_child(scene);
    if (auto* room = dynamic_cast<Room_scene*>(scene.get()))
        watch_door(*room);
}

void Level::watch_door(Room_scene& room)
{
    const auto door = room.find_child("door_hit");
    if (!door)
        return;
    door->focusable = true;
    door->add_event_listener(GE::mouse_button_up_event, [this, &room](GE::Event&) {
        // Reported before it is recorded: the model's listeners still see the previous door.
        model->dispatch_event(Events::hit_door);
        selected_door_label = &room.door_label;
    });
}

bool Level::select_door(const std::string& label)
{
    selected_door_label = nullptr;
    for (const auto& scene : scenes)
        if (const auto* room = dynamic_cast<const Room_scene*>(scene.get());
            room != nullptr && room->door_label == label)
            selected_door_label = &room->door_label;
    return selected_door_label != nullptr;
}

void Level::turn(int step) { show_view(current_scene + step); }

void Level::show_view(std::int32_t index)
{
    if (scenes.empty())
        return;
    const auto count = static_cast<std::int32_t>(scenes.size());
    current_scene = (index % count + count) % count;
    clear_children();
    add_child(scenes[static_cast<std::size_t>(current_scene)]);
}

} // namespace Game
