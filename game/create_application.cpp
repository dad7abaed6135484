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

namespace {

// Registers the game's sounds and music and opens the application; one opened menu-first has the
// menu's images decoded while its window opens.
std::unique_ptr<Vossmere> open(Vossmere_model& model, GE::Window_settings& settings,
                               Vossmere::Start start, const Vossmere::Start_phases& passed)
{
    for (const auto& [name, file] : game_sounds)
        GE::register_sound(name, file);
    if (start == Vossmere::Start::menu_first)
        GE::Resources::instance().prefetch_images(
            GE::UI_Loader::images_named_in(Main_menu::contract.file));
    return std::make_unique<Vossmere>(title, opaque_white, settings, model, start, passed);
}

void read_settings(const Vossmere::Start_phases& passed)
{
    GE::set_game_folder(title);
    GE::load_settings(GE::window_settings);
    GE::set_music_volume(GE::window_settings.music_volume);
    GE::set_effects_volume(GE::window_settings.effects_volume);
    if (passed)
        passed("settings");
}

// Draws the main menu of an application opened menu-first, then builds the rest. Shared before
// it draws: the screens find the application, their parent, through it.
std::shared_ptr<Vossmere> show_then_complete(std::shared_ptr<Vossmere> app,
                                             const Vossmere::Start_phases& passed)
{
    app->render();
    if (passed)
        passed("first frame");
    app->complete_start(passed);
    return app;
}

} // namespace

std::unique_ptr<Vossmere> create_application(Vossmere_model& model, Vossmere::Start start,
                                             const Vossmere::Start_phases& passed)
{
    read_settings(passed);
    return open(model, GE::window_settings, start, passed);
}

std::shared_ptr<Vossmere> start_application(Vossmere_model& model,
                                            const Vossmere::Start_phases& passed)
{
    read_settings(passed);
    return show_then_complete(open(model, GE::window_settings, Vossmere::Start::menu_first, passed),
                              passed);
}

std::shared_ptr<Vossmere> start_game(Vossmere_model& model, GE::Window_settings& settings)
{
    return show_then_complete(open(model, settings, Vossmere::Start::menu_first, {}), {});
}

} // namespace Game
