#include "game/create_application.h"

#include "engine/core/window_settings.h"
#include "engine/persistence/game_folder.h"
#include "engine/persistence/settings_file.h"
#include "engine/resources/audio.h"
#include "engine/resources/resources.h"
#include "engine/ui/ui_loader.h"
#include "game/main_menu.h"
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

std::shared_ptr<Vossmere> start_game(Vossmere_model& model, GE::Window_settings& settings,
                                     const std::function<void(const char* phase)>& passed)
{
    for (const auto& [name, file] : game_sounds)
        GE::register_sound(name, file);
    // The menu's images are decoded while the window opens.
    GE::Resources::instance().prefetch_images(
        GE::UI_Loader::images_named_in(Main_menu::contract.file));
    // Shared before it draws: the screens find the application, their parent, through it.
    const auto app = std::make_shared<Vossmere>(title, opaque_white, settings, model,
                                                Vossmere::Start::menu_first, passed);
    app->render();
    if (passed)
        passed("first frame");
    app->complete_start(passed);
    return app;
}

std::shared_ptr<Vossmere> create_application(Vossmere_model& model,
                                             const std::function<void(const char* phase)>& passed)
{
    GE::set_game_folder(title);
    GE::load_settings(GE::window_settings);
    if (passed)
        passed("settings");
    return start_game(model, GE::window_settings, passed);
}

} // namespace Game
