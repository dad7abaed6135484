#pragma once

#include "engine/core/render_object.h"
#include "engine/core/window_settings.h"
#include "engine/resources/audio.h"
#include "engine/widgets/button.h"
#include "game/confirmation.h"
#include "game/create_application.h"
#include "game/level.h"
#include "game/play_ui.h"
#include "game/room_scene.h"
#include "game/vossmere.h"
#include "game/vossmere_model.h"
#include "tests/support/fixtures.h"
#include "tests/support/game_data.h"

#include <SDL_events.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace Support {

using Children = std::vector<std::shared_ptr<GE::Render_object>>;

// Starts the game as `main` does, in the working folder (which holds the game data), its
// settings file asking for a window of `resolution`.
inline std::shared_ptr<Game::Vossmere> start_game(Game::Vossmere_model& model,
                                                  const std::string& resolution = "1024x768")
{
    setenv("USERPROFILE", std::filesystem::current_path().c_str(), 1);
    const auto folder = std::filesystem::path("Documents") / "My Games" / "Vossmere";
    std::filesystem::create_directories(folder);
    write_file((folder / "settings.data").string(), resolution + "\r\n0");
    GE::current_music.clear();
    GE::window_settings = GE::Window_settings{}; // as a new run starts
    return Game::create_application(model);
}

// The game on a small data folder, driven by mouse events aimed at the objects on screen.
class Game_flow : public testing::Test {
protected:
    Game_flow()
    {
        write_game_data();
        write_game_sounds();
        app = start_game(model);
        app->render();
    }
    ~Game_flow() override { unsetenv("USERPROFILE"); }

    // Presses and releases the mouse at (x, y) in drawing-area pixels, then draws, as the loop
    // does after a pass.
    void click_at(float x, float y)
    {
        const float offset = (app->get_width() - static_cast<float>(app->window.width)) * 0.5f;
        for (auto type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP})
            app->dispatch_mouse_event(type, x - offset, y);
        app->render();
    }

    // Clicks the middle of `object`.
    void click(GE::Render_object& object)
    {
        const auto rect = object.get_screen_rect();
        click_at(rect.x + rect.w / 2, rect.y + rect.h / 2);
    }

    // Turns right until the view shows door `label`, then clicks that door.
    void click_door(const std::string& label)
    {
        auto& level = *app->current_level;
        for (std::size_t turns = 0; turns <= level.scenes.size(); ++turns) {
            auto* room = dynamic_cast<Game::Room_scene*>(level.children.at(0).get());
            if (room != nullptr && room->door_label == label)
                return click(*room->find_child("door_hit"));
            click(*app->play_ui->go_right_button);
        }
        FAIL() << "no door " << label;
    }

    void win_level()
    {
        click_door(app->current_level->correct_door_label);
        click(*app->enter_confirmation->yes_button);
    }

    Scratch_dir scratch;
    Game::Vossmere_model model;
    std::shared_ptr<Game::Vossmere> app;
};

} // namespace Support
