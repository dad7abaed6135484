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
#include "tools/driver/game_driver.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace Support {

using Children = std::vector<std::shared_ptr<GE::Render_object>>;

// Starts the game as `main` does, in the working folder (which holds the game data), with the
// user's folder `home`, where its settings file asks for a window of `resolution`.
inline std::shared_ptr<Game::Vossmere>
start_game(Game::Vossmere_model& model, const std::string& resolution = "1024x768",
           const std::filesystem::path& home = std::filesystem::current_path())
{
    setenv("USERPROFILE", home.c_str(), 1);
    const auto folder = home / "Documents" / "My Games" / "Vossmere";
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

    void click_at(float x, float y) { Tools::Game_driver(*app).click_at(x, y); }
    void click(GE::Render_object& object) { Tools::Game_driver(*app).click(object); }
    void click_door(const std::string& label) { Tools::Game_driver(*app).click_door(label); }
    void win_level() { Tools::Game_driver(*app).win_level(); }

    Scratch_dir scratch;
    Game::Vossmere_model model;
    std::shared_ptr<Game::Vossmere> app;
};

} // namespace Support
