#include "game/complete_ui.h"

#include "engine/core/game_model.h"
#include "engine/widgets/button.h"
#include "game/for_each_button.h"
#include "game/game_events.h"

#include <string>

namespace Game {

namespace {

constexpr Required_object objects[]{{"exit_to_main_menu", Object_kind::button}};

} // namespace

const Screen_contract Complete_ui::contract{"complete_ui.xml", objects};

Complete_ui::Complete_ui(GE::Render_context* renderer, GE::App_window* window,
                         GE::Game_model* model)
    : Screen(renderer, window, model, contract),
      exit_to_main_menu_button(&found.get<GE::Button>("exit_to_main_menu"))
{
    on_click(
        *exit_to_main_menu_button, "click",
        [model] { model->dispatch_event(Events::exit_to_main_menu); }, true, Answers::leave);
}

} // namespace Game
