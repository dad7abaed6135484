#pragma once

#include "engine/core/app.h"
#include "engine/core/error_text.h"
#include "game/screen_contract.h"

#include <memory>
#include <string>
#include <vector>

namespace GE {
class Game_model;
}

namespace Game {

class Complete_ui;
class Confirmation;
class Display_confirmation;
class Play_ui;

// Builds a screen of the game from its file, for `app`; a failure names the file.
template <typename Screen, typename... More>
std::shared_ptr<Screen> build_screen(GE::App& app, GE::Game_model& model, const std::string& file,
                                     const More&... more)
{
    return GE::naming_errors(file, [&] {
        return std::make_shared<Screen>(&app.render_context, &app.window, &model, more...);
    });
}

// The screens read from their files once the main menu is shown, and again on F5 (the main menu
// is read before them; the settings screen each time it is shown).
struct Run_screens {
    // Throws the loaders' errors with the file's name added.
    static Run_screens read(GE::App& app, GE::Game_model& model);
    // What every screen the game builds needs from its file, the main menu and the settings
    // screen included, one screen after another.
    static std::vector<Screen_contract> contracts();

    std::shared_ptr<Play_ui> play_ui;
    std::shared_ptr<Confirmation> enter_confirmation, retry_confirmation;
    std::shared_ptr<Complete_ui> complete_ui;
    std::shared_ptr<Display_confirmation> display_confirmation;
};

} // namespace Game
