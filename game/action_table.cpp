#include "game/action_table.h"

#include <SDL_keyboard.h>

#include <algorithm>

namespace Game {

namespace {

using Pad = SDL_GameControllerButton;

const std::vector<Binding>& table()
{
    static const std::vector<Binding> rows{
        {Action::turn_left,
         {{SDLK_LEFT}, {SDLK_a}},
         {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, SDL_CONTROLLER_BUTTON_DPAD_LEFT},
         "in a level: turn left; on a slider with the focus: a step down"},
        {Action::turn_right,
         {{SDLK_RIGHT}, {SDLK_d}},
         {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, SDL_CONTROLLER_BUTTON_DPAD_RIGHT},
         "in a level: turn right; on a slider with the focus: a step up"},
        {Action::focus_next,
         {{SDLK_TAB}, {SDLK_DOWN}},
         {SDL_CONTROLLER_BUTTON_DPAD_DOWN},
         "the focus to the next button, checkbox, list, slider, turn arrow or door, top to bottom "
         "and "
         "left to right (a ring shows it from the first press; the pad's left stick moves it "
         "too, again and again while held); on an open list: the next row"},
        {Action::focus_previous,
         {{SDLK_TAB, KMOD_SHIFT}, {SDLK_UP}},
         {SDL_CONTROLLER_BUTTON_DPAD_UP},
         "the focus back the other way; on an open list: the row above"},
        {Action::confirm,
         {{SDLK_RETURN}, {SDLK_KP_ENTER}},
         {SDL_CONTROLLER_BUTTON_A},
         "what a click does on the object with the focus (on an open list: takes the row "
         "highlighted); with no focus shown, the screen's own: \"play\" on the main menu, "
         "\"yes\" in a dialog, \"apply\" on the settings screen, back to the main menu on the "
         "last screen"},
        {Action::activate, {{SDLK_SPACE}}, {}, "what a click does on the object with the focus"},
        {Action::back,
         {{SDLK_ESCAPE}},
         {SDL_CONTROLLER_BUTTON_B},
         "on an open list: closes it without choosing; in a level: back to the menu; in a "
         "dialog: \"no\"; on the settings screen: \"back\"; on the last screen: back to the main "
         "menu"},
        {Action::yes, {{SDLK_y}}, {}, "\"yes\" in a dialog"},
        {Action::no, {{SDLK_n}}, {}, "\"no\" in a dialog"},
        {Action::menu,
         {},
         {SDL_CONTROLLER_BUTTON_START},
         "the menu: \"play\" on the main menu, \"menu\" in a level, \"back\" on the settings "
         "screen, back to the main menu on the last screen"},
        {Action::fullscreen,
         {{SDLK_RETURN, KMOD_ALT}, {SDLK_KP_ENTER, KMOD_ALT}},
         {},
         "fullscreen or windowed, at the same resolution"},
        {Action::mute,
         {{SDLK_m}},
         {},
         "mute or unmute every sound, for this run (a struck speaker shows in the corner)"},
        {Action::speech,
         {{SDLK_v}},
         {},
         "spoken descriptions on or off, saying which (kept in the settings)"},
        {Action::repeat,
         {{SDLK_r}},
         {SDL_CONTROLLER_BUTTON_BACK},
         "with spoken descriptions on: say the view of the level again"},
        {Action::reload,
         {{SDLK_F5}},
         {},
         "read the screens and the current level again from their files, staying in the same "
         "view, with the same right door and the dialogs open as they were (for level makers; a "
         "broken file or a half-saved image is named at the bottom of the screen and the game "
         "goes on as it was)"},
        {Action::hotspots,
         {{SDLK_F3}},
         {},
         "in a game started with --watch: outline every object that reacts to the mouse or "
         "takes the focus, with its id (F3 again hides them)"},
    };
    return rows;
}

// SDL's name of a key, but for the two Enters, which SDL calls Return.
std::string key_name(SDL_Keycode code)
{
    if (code == SDLK_RETURN)
        return "Enter";
    if (code == SDLK_KP_ENTER)
        return "keypad Enter";
    return SDL_GetKeyName(code);
}

std::string name_of(const Key& key)
{
    const char* held = key.modifier == KMOD_SHIFT ? "Shift+"
                       : key.modifier == KMOD_ALT ? "Alt+"
                                                  : "";
    return held + key_name(key.code);
}

std::string name_of(Pad button)
{
    switch (button) {
    case SDL_CONTROLLER_BUTTON_A:
        return "A";
    case SDL_CONTROLLER_BUTTON_B:
        return "B";
    case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
        return "LB";
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
        return "RB";
    case SDL_CONTROLLER_BUTTON_START:
        return "Start";
    case SDL_CONTROLLER_BUTTON_BACK:
        return "Back (View, Select)";
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
        return "D-pad up";
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        return "D-pad down";
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        return "D-pad left";
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        return "D-pad right";
    default:
        return SDL_GameControllerGetStringForButton(button);
    }
}

template <typename Item>
std::string joined(const std::vector<Item>& items)
{
    std::string text;
    for (const Item& item : items)
        text += (text.empty() ? "" : ", ") + name_of(item);
    return text;
}

bool needs(const Key& key, SDL_Keycode code, Uint16 modifiers, bool with_modifier)
{
    if (key.code != code || (key.modifier != KMOD_NONE) != with_modifier)
        return false;
    return !with_modifier || (modifiers & key.modifier) != 0;
}

} // namespace

std::span<const Binding> Action_table::bindings() { return table(); }

std::optional<Action> Action_table::for_key(SDL_Keycode code, Uint16 modifiers)
{
    for (const bool with_modifier : {true, false})
        for (const Binding& binding : table())
            for (const Key& key : binding.keys)
                if (needs(key, code, modifiers, with_modifier))
                    return binding.action;
    return std::nullopt;
}

std::optional<Action> Action_table::for_button(SDL_GameControllerButton button)
{
    for (const Binding& binding : table())
        if (std::find(binding.buttons.begin(), binding.buttons.end(), button) !=
            binding.buttons.end())
            return binding.action;
    return std::nullopt;
}

std::string Action_table::markdown()
{
    std::string text = "| keys | pad | does |\n|---|---|---|\n";
    for (const Binding& binding : table())
        text += "| " + joined(binding.keys) + " | " + joined(binding.buttons) + " | " +
                std::string(binding.does) + " |\n";
    return text;
}

} // namespace Game
