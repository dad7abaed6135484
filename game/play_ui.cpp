#include "game/play_ui.h"

#include "engine/core/game_model.h"
#include "engine/widgets/button.h"
#include "game/for_each_button.h"
#include "game/game_events.h"

namespace Game {

namespace {

constexpr Required_object objects[]{
    {"menu", Object_kind::button},
    {"go_left", Object_kind::button},
    {"go_right", Object_kind::button},
};

} // namespace

const Screen_contract Play_ui::contract{"play_ui.xml", objects};

Play_ui::Play_ui(GE::Render_context* renderer, GE::App_window* window, GE::Game_model* model)
    : Screen(renderer, window, model, contract), menu_button(&found.get<GE::Button>("menu")),
      go_left_button(&found.get<GE::Button>("go_left")),
      go_right_button(&found.get<GE::Button>("go_right"))
{
    // An overlay: its buttons and the level's door beneath take the focus in turn.
    shares_focus = true;
    on_click(
        *menu_button, "click", [model] { model->set_screen(Screens::main_menu); }, true,
        Answers::back);
    on_click(
        *go_left_button, "switch", [model] { model->dispatch_event(Events::go_left); }, false,
        Answers::left);
    on_click(
        *go_right_button, "switch", [model] { model->dispatch_event(Events::go_right); }, false,
        Answers::right);
}

} // namespace Game
