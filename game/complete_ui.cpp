#include "game/complete_ui.h"

#include "engine/core/game_model.h"
#include "engine/widgets/button.h"
#include "game/for_each_button.h"
#include "game/game_events.h"

#include <string>

namespace Game {

Complete_ui::Complete_ui(GE::Render_context* renderer, GE::App_window* window,
                         GE::Game_model* model)
    : GE::UI(renderer, window), model(model)
{
    ui_loader.load(this, contract.file);
    exit_to_main_menu_button =
        &Required_objects(*this, contract).get<GE::Button>("exit_to_main_menu");
    on_click(
        *exit_to_main_menu_button, "click",
        [model] { model->dispatch_event(Events::exit_to_main_menu); }, true);
}

} // namespace Game
