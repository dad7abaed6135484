#include "game/run_screens.h"

#include "game/complete_ui.h"
#include "game/confirmation.h"
#include "game/display_confirmation.h"
#include "game/main_menu.h"
#include "game/play_ui.h"
#include "game/settings_menu.h"

namespace Game {

namespace {

// The dialogs "<name>_confirmation.xml": going through a door, and trying again after dying.
constexpr const char* enter_dialog = "enter";
constexpr const char* retry_dialog = "retry";

} // namespace

Run_screens Run_screens::read(GE::App& app, GE::Game_model& model)
{
    return {build_screen<Play_ui>(app, model, Play_ui::contract.file),
            build_screen<Confirmation>(app, model, Confirmation::contract(enter_dialog).file,
                                       enter_dialog),
            build_screen<Confirmation>(app, model, Confirmation::contract(retry_dialog).file,
                                       retry_dialog),
            build_screen<Complete_ui>(app, model, Complete_ui::contract.file),
            build_screen<Display_confirmation>(app, model, Display_confirmation::contract.file)};
}

std::vector<Screen_contract> Run_screens::contracts()
{
    return {Main_menu::contract,
            Play_ui::contract,
            Confirmation::contract(enter_dialog),
            Confirmation::contract(retry_dialog),
            Complete_ui::contract,
            Settings_menu::contract,
            Display_confirmation::contract};
}

} // namespace Game
