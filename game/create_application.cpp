#include "game/create_application.h"

#include "engine/core/window_settings.h"
#include "engine/persistence/game_folder.h"
#include "engine/persistence/settings_file.h"
#include "engine/resources/audio.h"
#include "game/vossmere.h"
#include "game/vossmere_model.h"

namespace Game {

namespace {

const std::string title = "Vossmere";
constexpr std::uint32_t opaque_white = 0xFFFFFFFF;

} // namespace

const std::array<std::pair<const char*, const char*>, 8> game_sounds{{
    {"click", "impactBell_heavy_003.ogg"},
    {"switch", "metalClick.ogg"},
    {"completed", "impactBell_heavy_000.ogg"},
    {"game_over", "impactBell_heavy_001.ogg"},
    {"menu_music", "Scary Horror Ambience #10.ogg"},
    {"game_music", "Scary Horror Ambience #1.ogg"},
    {"death_music", "Scary Horror Ambience #2.ogg"},
    {"completion_music", "Scary Horror Ambience #5.ogg"},
}};

std::unique_ptr<Vossmere> create_application(Vossmere_model& model)
{
    GE::set_game_folder(title);
    GE::load_settings(GE::window_settings);
    for (const auto& [name, file] : game_sounds)
        GE::register_sound(name, file);
    return std::make_unique<Vossmere>(title, opaque_white, GE::window_settings, model);
}

} // namespace Game
