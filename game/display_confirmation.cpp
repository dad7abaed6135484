#include "game/display_confirmation.h"

#include "engine/core/game_model.h"
#include "engine/text/language.h"
#include "engine/widgets/button.h"
#include "engine/widgets/label.h"
#include "game/for_each_button.h"
#include "game/game_events.h"

#include <algorithm>
#include <string>

namespace Game {

namespace {

constexpr Required_object objects[]{
    {"keep", Object_kind::button},
    {"revert", Object_kind::button},
    {"countdown", Object_kind::label},
};

} // namespace

const Screen_contract Display_confirmation::contract{"display_confirmation.xml", objects};

Display_confirmation::Display_confirmation(GE::Render_context* renderer, GE::App_window* window,
                                           GE::Game_model* model)
    : Screen(renderer, window, model, contract), keep_button(&found.get<GE::Button>("keep")),
      revert_button(&found.get<GE::Button>("revert"))
{
    countdown = std::static_pointer_cast<GE::Label>(find_child("countdown"));
    on_click(
        *keep_button, "click", [model] { model->dispatch_event(Events::display_keep); }, true,
        Answers::yes);
    on_click(
        *revert_button, "click", [model] { model->dispatch_event(Events::display_revert); }, true,
        Answers::no);
}

void Display_confirmation::dispatch_event(GE::Event& event)
{
    Screen::dispatch_event(event);
    event.propagating = false;
}

void Display_confirmation::continue_from(const Display_confirmation& shown)
{
    seconds_left = shown.seconds_left;
    show_seconds_left();
}

void Display_confirmation::restart()
{
    seconds_left = seconds;
    show_seconds_left();
}

void Display_confirmation::count_down()
{
    if (seconds_left <= 0)
        return;
    --seconds_left;
    show_seconds_left();
    if (seconds_left == 0)
        model->dispatch_event(Events::display_revert);
}

void Display_confirmation::show_seconds_left()
{
    // A label's text is rendered once: the new text is a new label in the old one's place.
    auto shown = std::make_shared<GE::Label>(
        renderer, countdown->id, countdown->font, countdown->color,
        GE::fill(GE::tr("Reverting in {seconds} s"), {{"seconds", std::to_string(seconds_left)}}));
    shown->x = countdown->x;
    shown->y = countdown->y;
    shown->horizontal_align = countdown->horizontal_align;
    shown->vertical_align = countdown->vertical_align;
    shown->layer = countdown->layer;
    std::replace(children.begin(), children.end(),
                 std::static_pointer_cast<GE::Render_object>(countdown),
                 std::static_pointer_cast<GE::Render_object>(shown));
    shown->parent_getter = countdown->parent_getter;
    countdown = std::move(shown);
}

} // namespace Game
