#pragma once

#include <SDL_keycode.h>

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

// When a mouse button is released over `button`, or one of `keys` is pressed while the button is
// shown in the screen that receives the keys: plays `sound`, runs `action`, then keeps the click
// (or the key) from every other object when `stops_click` is set. The action may destroy the
// screen that holds the button.
void on_click(GE::Button& button, const std::string& sound, std::function<void()> action,
              bool stops_click, std::initializer_list<SDL_Keycode> keys = {});

// The keys that stand for a screen's buttons.
namespace Keys {
inline constexpr std::initializer_list<SDL_Keycode> confirm{SDLK_RETURN, SDLK_KP_ENTER};
inline constexpr std::initializer_list<SDL_Keycode> yes{SDLK_RETURN, SDLK_KP_ENTER, SDLK_y};
inline constexpr std::initializer_list<SDL_Keycode> no{SDLK_ESCAPE, SDLK_n};
inline constexpr std::initializer_list<SDL_Keycode> back{SDLK_ESCAPE};
inline constexpr std::initializer_list<SDL_Keycode> left{SDLK_LEFT, SDLK_a};
inline constexpr std::initializer_list<SDL_Keycode> right{SDLK_RIGHT, SDLK_d};
} // namespace Keys

} // namespace Game
