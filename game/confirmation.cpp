#include "game/confirmation.h"

#include "engine/core/game_model.h"
#include "engine/widgets/button.h"
#include "game/for_each_button.h"
#include "game/game_events.h"

namespace Game {

namespace {

constexpr Required_object objects[]{
    {"yes", Object_kind::button},
    {"no", Object_kind::button},
};

} // namespace

Screen_contract Confirmation::contract(const std::string& name)
{
    return {name + std::string(suffix), objects};
}

Confirmation::Confirmation(GE::Render_context* renderer, GE::App_window* window,
                           GE::Game_model* model, const std::string& name)
    : Screen(renderer, window, model, contract(name)), confirmation_name(name),
      yes_button(&found.get<GE::Button>("yes")), no_button(&found.get<GE::Button>("no"))
{
    // An answer changes the screens, so nothing else may react to its click.
    const auto answer = [model](const std::string& event) {
        return [model, event] { model->dispatch_event(event); };
    };
    on_click(*yes_button, "click", answer(confirmation_name + Events::hit_yes), true, Answers::yes);
    on_click(*no_button, "click", answer(confirmation_name + Events::hit_no), true, Answers::no);
}

} // namespace Game
