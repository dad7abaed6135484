#include "engine/core/game_model.h"

#include "engine/core/screen_changed_event.h"

namespace GE {

void Game_model::set_screen(const std::string& name)
{
    if (&name != &screen)
        screen = name;
    Screen_changed_event event(name);
    dispatch_event(event);
}

} // namespace GE
