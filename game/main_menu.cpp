#include "game/main_menu.h"

#include "engine/core/game_model.h"
#include "engine/widgets/button.h"
#include "game/for_each_button.h"
#include "game/game_events.h"

namespace Game {

namespace {

constexpr Required_object objects[]{
    {"play", Object_kind::button},
    {"settings", Object_kind::button},
    {"exit", Object_kind::button},
};

} // namespace

const Screen_contract Main_menu::contract{"main_menu.xml", objects};

Main_menu::Main_menu(GE::Render_context* renderer, GE::App_window* window, GE::Game_model* model)
    : Screen(renderer, window, model, contract), play_button(&found.get<GE::Button>("play")),
      settings_button(&found.get<GE::Button>("settings")),
      exit_button(&found.get<GE::Button>("exit"))
{
    on_click(
        *play_button, "click", [model] { model->set_screen(Screens::play); }, false, Answers::play);
    on_click(
        *settings_button, "click", [model] { model->set_screen(Screens::settings_menu); }, false);
    on_click(
        *exit_button, "click", [model] { model->dispatch_event(Events::exit_game); }, false);
}

} // namespace Game
