// take-screenshots DATA_DIR OUT_DIR [--every-view] [--size WxH]: plays the game headless with the
// software renderer, through the mouse as a player would, and saves the frames a reader of the
// README should see as PNG. With --every-view it saves instead each view of each level, turning
// right from the first (level_1_view_1.png, ...): what a play tester sees, in ring order. The
// frames are 720x540 unless --size names another resolution (the browser test compares its own
// frames with these).
#include "engine/core/error_text.h"
#include "engine/core/game_model.h"
#include "engine/core/ge_runtime_error.h"
#include "engine/core/sdl_lifetime.h"
#include "engine/core/sdl_runtime_error.h"
#include "engine/widgets/button.h"
#include "engine/widgets/checkbox.h"
#include "game/complete_ui.h"
#include "game/confirmation.h"
#include "game/display_confirmation.h"
#include "game/game_events.h"
#include "game/level.h"
#include "game/main_menu.h"
#include "game/play_ui.h"
#include "game/room_scene.h"
#include "game/settings_menu.h"
#include "game/vossmere.h"
#include "game/vossmere_model.h"
#include "tools/driver/game_driver.h"

#include <SDL_hints.h>
#include <SDL_image.h>
#include <SDL_render.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
#include <string>

namespace {

// Half the design canvas: small files, still sharp.
constexpr const char* default_size = "720x540";

class Photographer {
public:
    Photographer(Game::Vossmere& app, std::filesystem::path folder)
        : app(app), folder(std::move(folder))
    {
    }

    void shoot(const std::string& name)
    {
        app.render();
        // The window's size of the moment: a display change may have changed it.
        int frame_width = 0;
        int frame_height = 0;
        SDL_GetRendererOutputSize(app.render_context.renderer, &frame_width, &frame_height);
        const std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> frame(
            SDL_CreateRGBSurfaceWithFormat(0, frame_width, frame_height, 24, SDL_PIXELFORMAT_RGB24),
            SDL_FreeSurface);
        if (!frame || SDL_RenderReadPixels(app.render_context.renderer, nullptr,
                                           SDL_PIXELFORMAT_RGB24, frame->pixels, frame->pitch) != 0)
            throw GE::SDL_runtime_error::from_sdl();
        const auto file = (folder / (name + ".png")).string();
        if (IMG_SavePNG(frame.get(), file.c_str()) != 0)
            throw GE::SDL_runtime_error::from_sdl();
        std::cout << file << '\n';
    }

private:
    Game::Vossmere& app;
    std::filesystem::path folder;
};

// The view holding an object `id`: the picture's "picture_label", the clocks' "clocks".
std::function<bool(Game::Scene&)> holding(const char* id)
{
    return [id](Game::Scene& scene) { return scene.find_child(id) != nullptr; };
}

void tour(Game::Vossmere& app, Photographer& camera)
{
    Tools::Game_driver play(app);
    camera.shoot("main_menu");
    play.click(*app.main_menu->play_button);
    camera.shoot("room");
    play.lose_level();
    camera.shoot("retry");
    play.click(*app.retry_confirmation->yes_button); // the first level again
    play.turn_to(holding("picture_label"), "picture");
    camera.shoot("picture");
    play.click_door(app.current_level->correct_door_label);
    camera.shoot("dialog");
    play.click(*app.enter_confirmation->yes_button);
    play.win_level();
    play.turn_to(holding("clocks"), "clocks");
    camera.shoot("clocks");
    play.win_level();
    camera.shoot("complete");
    play.click(*app.complete_ui->exit_to_main_menu_button);
    play.click(*app.main_menu->settings_button);
    camera.shoot("settings");
    // By keys: the ring on the resolution list (the second), opened, and the next row
    // highlighted.
    for (const auto action : {Game::Action::focus_next, Game::Action::focus_next,
                              Game::Action::confirm, Game::Action::focus_next})
        app.act(action);
    camera.shoot("keys");
    app.act(Game::Action::back);
    play.click(*app.settings_menu->fullscreen_checkbox);
    play.click(*app.settings_menu->apply_button);
    camera.shoot("display");
    play.click(*app.display.dialog->revert_button);
    // Captions on: the click of Play and the level's music written at the bottom.
    play.click(*app.settings_menu->back_button);
    app.captions.set_enabled(true);
    play.click(*app.main_menu->play_button);
    camera.shoot("captions");
}

void every_view(Game::Vossmere& app, Photographer& camera)
{
    Tools::Game_driver play(app);
    play.click(*app.main_menu->play_button);
    for (int level = 1;; ++level) {
        const auto views = app.current_level->scenes.size();
        for (std::size_t view = 1; view <= views; ++view) {
            camera.shoot("level_" + std::to_string(level) + "_view_" + std::to_string(view));
            play.click(*app.play_ui->go_right_button);
        }
        if (level == 3)
            return;
        play.win_level();
    }
}

// The main menu and the settings screen in each language but English, in a folder of `out` named
// by its code ("de/main_menu.png").
void languages(Game::Vossmere& app, const std::filesystem::path& out)
{
    for (const auto& code : Game::Languages::codes()) {
        if (code == "en")
            continue;
        if (const std::string trouble = app.use_language(code); !trouble.empty())
            throw GE::GE_runtime_error(trouble);
        // The main menu built anew in the language, and shown, as after the settings' Apply
        // (which shows the screen the model holds: at the start, none yet).
        app.model->set_screen(Game::Screens::main_menu);
        app.model->dispatch_event(Game::Events::apply_settings);
        std::filesystem::create_directories(out / code);
        Photographer camera(app, out / code);
        camera.shoot("main_menu");
        app.model->set_screen(Game::Screens::settings_menu);
        camera.shoot("settings");
        app.model->set_screen(Game::Screens::main_menu);
    }
}

// A voice that says nothing: the screens are shot as a player with a voice sees them, whether
// this machine has one or not.
struct Quiet_voice : GE::Speech_output {
    bool available() const override { return true; }
    void speak(const std::string&, bool) override {}
};

} // namespace

int main(int argc, char* argv[])
{
    bool views = false;
    bool each_language = false;
    std::string size = default_size;
    bool usable = argc >= 3;
    for (int index = 3; usable && index < argc; ++index) {
        const std::string option = argv[index];
        if (option == "--every-view")
            views = true;
        else if (option == "--languages")
            each_language = true;
        else if (option == "--size" && index + 1 < argc)
            size = argv[++index];
        else
            usable = false;
    }
    if (!usable) {
        std::cerr << "usage: take-screenshots DATA_DIR OUT_DIR [--every-view | --languages] "
                     "[--size WxH]\n";
        return 2;
    }
    GE::use_headless_drivers();
    try {
        const auto out = std::filesystem::absolute(argv[2]);
        std::filesystem::create_directories(out);
        std::filesystem::current_path(argv[1]);
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "best");
        const GE::SDL_lifetime sdl;
        Game::Vossmere_model model;
        const auto app = Tools::open_game(model, size);
        app->speech.use(std::make_unique<Quiet_voice>());
        Photographer camera(*app, out);
        if (each_language)
            languages(*app, out);
        else
            views ? every_view(*app, camera) : tour(*app, camera);
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "take-screenshots: " << GE::error_text(error) << '\n';
        return 1;
    }
}
