#include "game/action_table.h"
#include "tests/support/fixtures.h"

#include <optional>
#include <set>

namespace {

using Game::Action;
using Game::Action_table;

TEST(Action_table, is_the_readmes_table_of_keys_and_binds_each_key_and_button_once)
{
    const std::string table = Action_table::markdown();
    const std::string readme =
        Support::read_file(std::filesystem::path(VOSSMERE_SOURCE_DIR) / "README.md");
    EXPECT_NE(readme.find(table), std::string::npos) << "the README's table of keys is:\n" << table;

    std::set<std::pair<SDL_Keycode, int>> keys;
    std::set<SDL_GameControllerButton> buttons;
    for (const Game::Binding& binding : Action_table::bindings()) {
        for (const Game::Key& key : binding.keys)
            EXPECT_TRUE(keys.insert({key.code, key.modifier}).second) << key.code;
        for (const auto button : binding.buttons)
            EXPECT_TRUE(buttons.insert(button).second) << button;
    }

    // A binding with a modifier wins when it is held, the plain one takes the rest.
    for (const auto& [code, modifiers, action] :
         {std::tuple{SDLK_TAB, KMOD_NONE, std::optional(Action::focus_next)},
          std::tuple{SDLK_TAB, KMOD_RSHIFT, std::optional(Action::focus_previous)},
          std::tuple{SDLK_RETURN, KMOD_LALT, std::optional(Action::fullscreen)},
          std::tuple{SDLK_KP_ENTER, KMOD_RALT, std::optional(Action::fullscreen)},
          std::tuple{SDLK_RETURN, KMOD_LSHIFT, std::optional(Action::confirm)},
          std::tuple{SDLK_m, KMOD_LALT, std::optional(Action::mute)},
          std::tuple{SDLK_x, KMOD_NONE, std::optional<Action>()}})
        EXPECT_EQ(Action_table::for_key(code, static_cast<Uint16>(modifiers)), action) << code;
    EXPECT_EQ(Action_table::for_button(SDL_CONTROLLER_BUTTON_START), Action::menu);
    EXPECT_EQ(Action_table::for_button(SDL_CONTROLLER_BUTTON_X), std::nullopt);
}

} // namespace
