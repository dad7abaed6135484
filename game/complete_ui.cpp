#include "game/complete_ui.h"

#include "engine/core/game_model.h"
#include "engine/widgets/button.h"
#include "game/for_each_button.h"
#include "game/game_events.h"

#include <string>

namespace Game {

namespace {

const std::string file_name = "complete_ui.xml";

} // namespace

Complete_ui::Complete_ui(GE::Render_context* renderer, GE::App_window* window,
                         GE::Game_model* model)
    : GE::UI(renderer, window), model(model)
{
    ui_loader.load(this, file_name);
    find_buttons(*this, file_name, {{"exit_to_main_menu", &exit_to_main_menu_button}});
    on_click(
        *exit_to_main_menu_button, "click",
        [model] { model->dispatch_event(Events::exit_to_main_menu); }, true);
}

} // namespace Game
