#include "tools/driver/game_driver.h"

#include "engine/core/render_object.h"
#include "engine/core/window_settings.h"
#include "engine/widgets/button.h"
#include "game/confirmation.h"
#include "game/create_application.h"
#include "game/letterbox.h"
#include "game/level.h"
#include "game/play_ui.h"
#include "game/room_scene.h"
#include "game/vossmere.h"
#include "game/vossmere_model.h"

#include <SDL_events.h>

#include <stdexcept>

namespace Tools {

void Game_driver::click_at(float x, float y)
{
    const auto window_width = static_cast<float>(app.window.width);
    const auto window_height = static_cast<float>(app.window.height);
    const float window_x = x + Game::letterbox_of(window_width, window_height).left;
    if (window_x < 0 || window_x >= window_width || y < 0 || y >= window_height)
        throw std::runtime_error("a click at (" + std::to_string(x) + ", " + std::to_string(y) +
                                 ") falls outside the window");
    for (const auto type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP})
        app.dispatch_mouse_event(type, window_x, y);
    app.render();
}

void Game_driver::click(GE::Render_object& object)
{
    const auto rect = object.get_screen_rect();
    click_at(rect.x + rect.w / 2, rect.y + rect.h / 2);
}

void Game_driver::turn_to(const std::function<bool(Game::Scene&)>& wanted, const std::string& what)
{
    auto& level = *app.current_level;
    for (std::size_t turns = 0; turns <= level.scenes.size(); ++turns) {
        auto& shown = *level.scenes.at(static_cast<std::size_t>(level.current_scene));
        if (wanted(shown))
            return;
        click(*app.play_ui->go_right_button);
    }
    throw std::runtime_error("level " + std::to_string(app.level_number) + " shows no " + what);
}

void Game_driver::click_door(const std::string& label)
{
    turn_to(
        [&label](Game::Scene& scene) {
            const auto* room = dynamic_cast<Game::Room_scene*>(&scene);
            return room != nullptr && room->door_label == label;
        },
        "door " + label);
    auto& room =
        *app.current_level->scenes.at(static_cast<std::size_t>(app.current_level->current_scene));
    click(*room.find_child("door_hit"));
}

void Game_driver::go_through(const std::string& label)
{
    click_door(label);
    click(*app.enter_confirmation->yes_button);
}

void Game_driver::win_level() { go_through(app.current_level->correct_door_label); }

void Game_driver::lose_level()
{
    for (const auto& scene : app.current_level->scenes) {
        const auto* room = dynamic_cast<const Game::Room_scene*>(scene.get());
        if (room != nullptr && room->door_label != app.current_level->correct_door_label)
            return go_through(room->door_label);
    }
    throw std::runtime_error("level " + std::to_string(app.level_number) + " has no wrong door");
}

std::shared_ptr<Game::Vossmere> open_game(Game::Vossmere_model& model,
                                          const std::string& resolution)
{
    // The application keeps a pointer to its settings for as long as it lives.
    static GE::Window_settings settings;
    settings.resolution = std::make_unique<GE::Resolution>(resolution);
    return Game::start_game(model, settings);
}

} // namespace Tools
