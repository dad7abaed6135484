#pragma once

#include "game/action_table.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

namespace GE {
class Button;
class Render_object_container;
} // namespace GE

namespace Game {

// Walks the tree under `container` depth first, in child order, and hands every button to
// `visit`; the walk does not look inside a button.
void for_each_button(GE::Render_object_container& container,
                     const std::function<void(GE::Button*)>& visit);

// When a mouse button is released over `button`, or one of `actions` is asked for (by a key or a
// pad button) while the button is shown in the screen that hears it: plays `sound`, runs
// `action`, then keeps the click (or the action) from every other object when `stops_click` is
// set. The action may destroy the screen that holds the button.
void on_click(GE::Button& button, const std::string& sound, std::function<void()> action,
              bool stops_click, std::initializer_list<Action> actions = {});

// The actions that stand for a screen's buttons.
namespace Answers {
inline constexpr std::initializer_list<Action> play{Action::confirm, Action::menu};
inline constexpr std::initializer_list<Action> confirm{Action::confirm};
inline constexpr std::initializer_list<Action> yes{Action::confirm, Action::yes};
inline constexpr std::initializer_list<Action> no{Action::back, Action::no};
inline constexpr std::initializer_list<Action> back{Action::back, Action::menu};
inline constexpr std::initializer_list<Action> left{Action::turn_left};
inline constexpr std::initializer_list<Action> right{Action::turn_right};
inline constexpr std::initializer_list<Action> leave{Action::confirm, Action::back, Action::menu};
} // namespace Answers

} // namespace Game
