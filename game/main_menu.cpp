#include "game/main_menu.h"

#include "engine/core/game_model.h"
#include "engine/widgets/button.h"
#include "game/for_each_button.h"
#include "game/game_events.h"

namespace Game {

Main_menu::Main_menu(GE::Render_context* renderer, GE::App_window* window, GE::Game_model* model)
    : GE::UI(renderer, window), model(model)
{
    ui_loader.load(this, file_name);
    const Required_objects found(*this, contract);
    play_button = &found.get<GE::Button>("play");
    settings_button = &found.get<GE::Button>("settings");
    exit_button = &found.get<GE::Button>("exit");
    on_click(
        *play_button, "click", [model] { model->set_screen(Screens::play); }, false);
    on_click(
        *settings_button, "click", [model] { model->set_screen(Screens::settings_menu); }, false);
    on_click(
        *exit_button, "click", [model] { model->dispatch_event(Events::exit_game); }, false);
}

} // namespace Game
