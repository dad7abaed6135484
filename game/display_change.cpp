#include "game/display_change.h"

#include "engine/core/display_modes.h"
#include "engine/core/game_model.h"
#include "engine/core/ge_runtime_error.h"
#include "engine/core/sdl_runtime_error.h"
#include "engine/core/ticker.h"
#include "engine/core/window_settings.h"
#include "engine/persistence/settings_file.h"
#include "engine/text/language.h"
#include "game/display_confirmation.h"
#include "game/game_events.h"
#include "game/vossmere.h"

namespace Game {

Display_change::Display_change(Vossmere& app)
    : kept(app.settings->resolution->text, app.settings->fullscreen), app(app)
{
}

Display_change::~Display_change() = default;

void Display_change::toggle_fullscreen()
{
    if (asking())
        return;
    GE::Window_settings& settings = *app.settings;
    try {
        GE::apply_window_settings(app.window, settings, settings.resolution->text,
                                  !settings.fullscreen, *app.displays);
    } catch (const GE::SDL_runtime_error& error) {
        app.problems.report("This display mode could not be applied: {why}",
                            {{"why", error.what()}});
        app.request_frame();
        return;
    }
    app.model->dispatch_event(Events::display_changed);
}

void Display_change::ask_to_keep()
{
    app.rebuild_for_display();
    dialog->restart();
    app.remove_child(dialog);
    app.add_child(dialog);
    countdown = std::make_unique<GE::Ticker>(1000);
    app.request_frame();
}

void Display_change::keep()
{
    close_dialog();
    kept = {app.settings->resolution->text, app.settings->fullscreen};
    try {
        GE::save_settings(*app.settings);
    } catch (const GE::GE_runtime_error& error) {
        app.problems.report("The settings could not be saved: {why}", {{"why", error.what()}});
    }
}

void Display_change::revert()
{
    close_dialog();
    try {
        GE::apply_window_settings(app.window, *app.settings, kept.first, kept.second,
                                  *app.displays);
    } catch (const GE::SDL_runtime_error&) {
        // The window went back to a mode it could show, which the settings now record.
    }
    app.rebuild_for_display();
}

bool Display_change::handle_tick(const SDL_Event& event)
{
    stop_if_hidden();
    if (!countdown || !countdown->ticked(event))
        return event.type == GE::Ticker::event_type();
    // At none left, the dialog reverts, which ends the countdown.
    dialog->count_down();
    app.request_frame();
    return true;
}

void Display_change::stop_if_hidden()
{
    if (countdown && !asking())
        countdown.reset();
}

void Display_change::pause() { countdown.reset(); }

void Display_change::resume()
{
    if (asking() && !countdown)
        countdown = std::make_unique<GE::Ticker>(1000);
}

bool Display_change::asking() const { return dialog && app.has_child(dialog); }

void Display_change::close_dialog()
{
    countdown.reset();
    app.remove_child(dialog);
    app.request_frame();
}

} // namespace Game
