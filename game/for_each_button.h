#pragma once

#include <functional>
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

// When a mouse button is released over `button`: plays `sound`, runs `action`, then keeps the
// click from every other object when `stops_click` is set. The action may destroy the screen
// that holds the button.
void on_click(GE::Button& button, const std::string& sound, std::function<void()> action,
              bool stops_click);

} // namespace Game
