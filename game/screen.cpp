#include "game/screen.h"

namespace Game {

Screen::Screen(GE::Render_context* renderer, GE::App_window* window, GE::Game_model* model,
               const Screen_contract& contract)
    : GE::UI(renderer, window), file_name(contract.file), model(model), found(load(contract))
{
}

Required_objects Screen::load(const Screen_contract& contract)
{
    ui_loader.load(this, contract.file);
    return Required_objects(*this, contract);
}

} // namespace Game
