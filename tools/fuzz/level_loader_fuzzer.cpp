// libFuzzer target: the bytes are a level file, a NUL byte and a scene file ("scene.xml"). The
// level is loaded, turned right and back left through the model, and every door is clicked.
#include "engine/core/event_names.h"
#include "engine/core/game_model.h"
#include "engine/core/ge_runtime_error.h"
#include "engine/core/mouse_event.h"
#include "game/game_events.h"
#include "game/level.h"
#include "game/level_loader.h"
#include "game/room_scene.h"
#include "tools/fuzz/headless_session.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// Clicks the middle of the shown room's door, if the level shows a room with one.
void click_door(GE::App& app, const Game::Level& level)
{
    if (level.children.empty())
        return;
    const auto room = std::dynamic_pointer_cast<Game::Room_scene>(level.children.front());
    const auto door = room ? room->find_child("door_hit") : nullptr;
    if (!door)
        return;
    const GE::Screen_rect rect = door->get_screen_rect();
    for (const auto& name : {GE::mouse_down_event, GE::mouse_button_up_event}) {
        GE::Mouse_event event(name, rect.x + rect.w / 2, rect.y + rect.h / 2);
        app.dispatch_event(event);
    }
}

// The shown view is the current one of the ring, and a recorded door is one of the rooms'.
void check_state(const Game::Level& level)
{
    const auto count = static_cast<std::int32_t>(level.scenes.size());
    require(count == 0 ? level.current_scene == 0 && level.children.empty()
                       : 0 <= level.current_scene && level.current_scene < count &&
                             level.children.size() == 1 &&
                             level.children.front() == level.scenes[level.current_scene]);
    if (level.selected_door_label == nullptr)
        return;
    bool found = false;
    for (const auto& scene : level.scenes)
        if (const auto room = std::dynamic_pointer_cast<Game::Room_scene>(scene))
            found = found || level.selected_door_label == &room->door_label;
    require(found);
}

void play(GE::App& app, GE::Game_model& model, const std::shared_ptr<Game::Level>& level)
{
    app.add_child(level);
    const std::size_t views = level->scenes.size();
    for (std::size_t turn = 0; turn < views; ++turn) {
        click_door(app, *level);
        check_state(*level);
        model.dispatch_event(Game::Events::go_right);
    }
    require(level->current_scene == 0);
    for (std::size_t turn = 0; turn < views; ++turn) {
        model.dispatch_event(Game::Events::go_left);
        check_state(*level);
    }
    require(level->current_scene == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto& session = Fuzz::Headless_session::instance();
    GE::App& app = session.app();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t separator = bytes.find('\0');
    const std::string_view level_text = bytes.substr(0, separator);
    const std::string_view scene_text =
        separator == std::string_view::npos ? std::string_view{} : bytes.substr(separator + 1);
    // Saved under a shipped level's name, picked by the level text's length: the name decides
    // how a picture writes its hint (Roman numerals, shifted letters or nothing).
    for (const char* shipped : {"level_1.xml", "level_2.xml", "level_3.xml"})
        session.remove_file(shipped);
    const std::string level_file = "level_" + std::to_string(1 + level_text.size() % 3) + ".xml";
    session.write_file(level_file, level_text);
    session.write_file("scene.xml", scene_text);

    GE::Game_model model; // outlives the level, which unregisters from it
    {
        const auto level = std::make_shared<Game::Level>(&app.render_context, &app.window, &model);
        try {
            Game::Level_loader(&app.render_context, 0).load(*level, level_file);
        } catch (const GE::GE_runtime_error&) {
            // A refused level; the views loaded before the failure are still played.
        }
        play(app, model, level);
        session.forget_input();
    }
    return 0;
}
