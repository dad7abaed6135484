#include "game/reload.h"

#include "engine/core/error_text.h"
#include "engine/resources/resources.h"
#include "game/complete_ui.h"
#include "game/confirmation.h"
#include "game/display_confirmation.h"
#include "game/level.h"
#include "game/level_loader.h"
#include "game/main_menu.h"
#include "game/play_ui.h"
#include "game/settings_menu.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace Game {

namespace {

using Object = std::shared_ptr<GE::Render_object>;

} // namespace

Reload::Reload(Vossmere& app) : app(app), known_images(GE::Resources::instance().texture_names()) {}

void Reload::run()
{
    // The new level listens on the model as soon as it is made; removal goes by type, so the old
    // one stops first and listens again should the new one fail.
    app.current_level->stop_listening();
    try {
        build();
        // Images are otherwise decoded when first drawn, where a broken one would end the game.
        GE::Resources::instance().decode_new_textures(known_images);
    } catch (const std::exception& error) {
        level.reset(); // takes the turn handlers of every level with it
        app.current_level->listen();
        app.problems.report(GE::error_text(error));
        return;
    }
    swap_shown();
    take();
}

void Reload::build()
{
    const Level& old = *app.current_level;
    levels = std::max(1, Level_loader::count_levels());
    level = app.read_level(old.correct_door_label);
    level->show_view(old.current_scene);
    if (old.selected_door_label != nullptr)
        level->select_door(*old.selected_door_label);
    menu = app.build_main_menu();
    screens = Run_screens::read(app, *app.model);
    screens.display_confirmation->continue_from(*app.display.dialog);
    settings_menu = app.settings_menu;
    if (settings_menu && app.has_child(settings_menu))
        settings_menu = app.build_settings_menu();
}

void Reload::swap_shown()
{
    const std::pair<Object, Object> swaps[]{{app.current_level, level},
                                            {app.main_menu, menu},
                                            {app.play_ui, screens.play_ui},
                                            {app.enter_confirmation, screens.enter_confirmation},
                                            {app.retry_confirmation, screens.retry_confirmation},
                                            {app.complete_ui, screens.complete_ui},
                                            {app.display.dialog, screens.display_confirmation},
                                            {app.settings_menu, settings_menu}};
    // A door the new level lacks has nothing to go through: its dialog closes.
    const bool door_gone = level->selected_door_label == nullptr;
    const auto shown = app.children;
    app.clear_children(); // the problem line too: the files are mended
    for (const auto& child : shown) {
        const auto swap = std::find_if(std::begin(swaps), std::end(swaps),
                                       [&](const auto& pair) { return pair.first == child; });
        if (swap == std::end(swaps)) {
            if (!app.problems.is(child))
                app.add_child(child);
        } else if (!(door_gone && child == app.enter_confirmation)) {
            app.add_child(swap->second);
        }
    }
}

void Reload::take()
{
    app.current_level = std::move(level);
    app.last_level = levels;
    app.main_menu = std::move(menu);
    app.take(std::move(screens));
    app.settings_menu = std::move(settings_menu);
}

} // namespace Game
