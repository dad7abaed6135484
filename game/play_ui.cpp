#include "game/play_ui.h"

#include "engine/core/game_model.h"
#include "engine/widgets/button.h"
#include "game/for_each_button.h"
#include "game/game_events.h"

namespace Game {

Play_ui::Play_ui(GE::Render_context* renderer, GE::App_window* window, GE::Game_model* model)
    : GE::UI(renderer, window), model(model)
{
    ui_loader.load(this, file_name);
    const Required_objects found(*this, contract);
    menu_button = &found.get<GE::Button>("menu");
    go_left_button = &found.get<GE::Button>("go_left");
    go_right_button = &found.get<GE::Button>("go_right");
    on_click(
        *menu_button, "click", [model] { model->set_screen(Screens::main_menu); }, true);
    on_click(
        *go_left_button, "switch", [model] { model->dispatch_event(Events::go_left); }, false);
    on_click(
        *go_right_button, "switch", [model] { model->dispatch_event(Events::go_right); }, false);
}

} // namespace Game
