#include "game/main_menu.h"

#include "engine/core/event_names.h"
#include "engine/core/game_model.h"
#include "engine/resources/audio.h"
#include "engine/widgets/button.h"
#include "game/for_each_button.h"

namespace Game {

Main_menu::Main_menu(GE::Render_context* renderer, GE::App_window* window, GE::Game_model* model)
    : GE::UI(renderer, window), model(model)
{
    ui_loader.load(this, file_name);
    for_each_button(*this, [this](GE::Button* button) {
        if (button->id == "play")
            play_button = button;
        if (button->id == "settings")
            settings_button = button;
        if (button->id == "exit")
            exit_button = button;
    });
    require_button(play_button, file_name, "play")
        .add_event_listener(GE::mouse_button_up_event, [this](GE::Event&) {
            GE::play_sound("click");
            this->model->set_screen("play");
        });
    require_button(settings_button, file_name, "settings")
        .add_event_listener(GE::mouse_button_up_event, [this](GE::Event&) {
            GE::play_sound("click");
            this->model->set_screen("settings_menu");
        });
    require_button(exit_button, file_name, "exit")
        .add_event_listener(GE::mouse_button_up_event, [this](GE::Event&) {
            GE::play_sound("click");
            this->model->dispatch_event("exit_game");
        });
}

} // namespace Game
