#include "game/confirmation.h"

#include "engine/core/event_names.h"
#include "engine/core/game_model.h"
#include "engine/resources/audio.h"
#include "engine/widgets/button.h"
#include "game/for_each_button.h"

namespace Game {

Confirmation::Confirmation(GE::Render_context* renderer, GE::App_window* window,
                           GE::Game_model* model, const std::string& name)
    : GE::UI(renderer, window), confirmation_name(name), model(model)
{
    const std::string file = confirmation_name + file_suffix;
    ui_loader.load(this, file);
    for_each_button(*this, [this](GE::Button* button) {
        if (button->id == "yes")
            yes_button = button;
        if (button->id == "no")
            no_button = button;
    });
    answer_with(require_button(yes_button, file, "yes"), confirmation_name + "_hit_yes");
    answer_with(require_button(no_button, file, "no"), confirmation_name + "_hit_no");
}

void Confirmation::answer_with(GE::Button& button, const std::string& event_name)
{
    button.add_event_listener(GE::mouse_button_up_event, [this, event_name](GE::Event& click) {
        GE::play_sound("click");
        model->dispatch_event(event_name);
        // The answer changes the screens; nothing else may react to this click.
        click.propagating = false;
    });
}

} // namespace Game
