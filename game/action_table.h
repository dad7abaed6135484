#pragma once

#include <SDL_gamecontroller.h>
#include <SDL_keycode.h>

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace Game {

// What a key or a pad button asks the game for.
enum class Action {
    turn_left,
    turn_right,
    focus_next,
    focus_previous,
    activate,
    confirm,
    back,
    yes,
    no,
    menu,
    fullscreen,
    mute,
    speech,
    repeat,
    reload,
    hotspots,
};

// A key, with the modifier it needs (Shift+Tab, Alt+Enter).
struct Key {
    SDL_Keycode code;
    SDL_Keymod modifier = KMOD_NONE;
};

// One row of the table: an action, the keys and pad buttons that ask for it, and what it does, in
// the words of the README's table of keys.
struct Binding {
    Action action;
    std::vector<Key> keys;
    std::vector<SDL_GameControllerButton> buttons;
    std::string_view does;
};

// Every key and pad button the game answers to, in one table: the screens' buttons name the
// actions they answer, and the README's table of keys is this table written out.
class Action_table {
public:
    static std::span<const Binding> bindings();
    // The action of a key pressed with `modifiers`: a binding that needs a modifier held wins
    // over one without (Alt+Enter over Enter); a binding without one takes the key with Shift
    // or Alt only when no other binding wants them.
    static std::optional<Action> for_key(SDL_Keycode code, Uint16 modifiers);
    static std::optional<Action> for_button(SDL_GameControllerButton button);
    // The table as the README shows it: a header and one Markdown row per binding.
    static std::string markdown();
};

} // namespace Game
