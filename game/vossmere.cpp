#include "game/vossmere.h"

#include "engine/core/event_names.h"
#include "engine/core/game_model.h"
#include "engine/core/mouse_event.h"
#include "engine/core/sdl_lifetime.h"
#include "engine/core/window_settings.h"
#include "engine/persistence/settings_file.h"
#include "engine/resources/audio.h"
#include "engine/resources/resources.h"
#include "engine/resources/texture.h"
#include "engine/text/language.h"
#include "game/action_event.h"
#include "game/complete_ui.h"
#include "game/confirmation.h"
#include "game/display_confirmation.h"
#include "game/game_events.h"
#include "game/letterbox.h"
#include "game/level.h"
#include "game/level_loader.h"
#include "game/main_menu.h"
#include "game/play_ui.h"
#include "game/reload.h"
#include "game/settings_menu.h"

#include <SDL_events.h>
#include <SDL_mouse.h>
#include <SDL_render.h>

#include <algorithm>
#include <iostream>

namespace Game {

const std::string Vossmere::captions_file = "captions.xml";

namespace {

constexpr std::uint32_t opaque_black = 0xFF000000;
constexpr std::uint32_t opaque_white = 0xFFFFFFFF;

const std::string& mouse_event_name(std::uint32_t sdl_type)
{
    switch (sdl_type) {
    case SDL_MOUSEBUTTONUP:
        return GE::mouse_button_up_event;
    case SDL_MOUSEBUTTONDOWN:
        return GE::mouse_down_event;
    default:
        return GE::mouse_motion_event;
    }
}

void pass(const Vossmere::Start_phases& passed, const char* phase)
{
    if (passed)
        passed(phase);
}

} // namespace

const std::array<std::pair<std::string, Vossmere::Reaction>, 17>& Vossmere::reactions()
{
    static const std::array<std::pair<std::string, Reaction>, 17> table{{
        {Events::captions_changed, [](Vossmere& app) { app.show_captions(); }},
        {Events::speech_changed, [](Vossmere& app) { app.turn_speech(app.settings->speech); }},
        {Events::language_changed, [](Vossmere& app) { app.change_language(); }},
        {GE::screen_changed_event_name, [](Vossmere& app) { app.show_current_screen(); }},
        {Events::apply_settings, [](Vossmere& app) { app.apply_settings(); }},
        {Events::exit_game, [](Vossmere& app) { app.exit_requested = true; }},
        {Events::hit_door, [](Vossmere& app) { app.open_door_dialog(); }},
        {Events::retry_hit_yes, [](Vossmere& app) { app.restart_at(Screens::play); }},
        {Events::retry_hit_no, [](Vossmere& app) { app.restart_at(Screens::main_menu); }},
        {Events::enter_hit_yes, [](Vossmere& app) { app.enter_chosen_door(); }},
        {Events::enter_hit_no, [](Vossmere& app) { app.close_door_dialog(); }},
        {Events::go_left, [](Vossmere& app) { app.close_door_dialog(); }},
        {Events::go_right, [](Vossmere& app) { app.close_door_dialog(); }},
        {Events::exit_to_main_menu,
         [](Vossmere& app) { app.model->set_screen(Screens::main_menu); }},
        {Events::display_changed, [](Vossmere& app) { app.display.ask_to_keep(); }},
        {Events::display_keep, [](Vossmere& app) { app.display.keep(); }},
        {Events::display_revert, [](Vossmere& app) { app.display.revert(); }},
    }};
    return table;
}

Vossmere::Vossmere(const std::string& title, std::uint32_t clear_colour,
                   GE::Window_settings& settings, GE::Game_model& model, Start start,
                   const Start_phases& passed)
    : GE::App(title, clear_colour, settings), model(&model), settings(&settings),
      problems(&render_context, *this), display(*this), captions(&render_context)
{
    // A speech log that cannot be opened stops the game here, with the file's name.
    if (GE::Speech::logging())
        speech.available();
    speech.enabled = settings.speech || GE::Speech::logging();
    density_for(window_scale());
    pass(passed, "window");
    const std::string trouble = use_language(
        settings.language.empty() ? Languages::preferred(Languages::codes()) : settings.language);
    main_menu = build_main_menu();
    add_child(main_menu);
    if (!trouble.empty())
        problems.report(trouble);
    pass(passed, "main menu");
    if (start == Start::whole)
        complete_start(passed);
}

void Vossmere::take(Run_screens screens)
{
    play_ui = std::move(screens.play_ui);
    enter_confirmation = std::move(screens.enter_confirmation);
    retry_confirmation = std::move(screens.retry_confirmation);
    complete_ui = std::move(screens.complete_ui);
    display.dialog = std::move(screens.display_confirmation);
}

std::shared_ptr<Main_menu> Vossmere::build_main_menu()
{
    return build_screen<Main_menu>(*this, *model, Main_menu::contract.file);
}

std::shared_ptr<Settings_menu> Vossmere::build_settings_menu()
{
    return GE::naming_errors(Settings_menu::contract.file, [this] {
        auto menu =
            std::make_shared<Settings_menu>(&render_context, &window, settings, model, *displays);
        if (!speech.available())
            menu->show_speech_unavailable();
        if (languages.empty()) // each catalogue read for its name once, when first listed
            languages = Languages::available();
        menu->fill_language_list(languages, GE::Language::current().code());
        return menu;
    });
}

void Vossmere::complete_start(const Start_phases& passed)
{
    GE::open_audio();
    pass(passed, "audio");
    take(Run_screens::read(*this, *model));
    pass(passed, "screens");
    last_level = std::max(1, Level_loader::count_levels());
    load_level();
    pass(passed, "level");
    start_captions();
    GE::play_music("menu_music");
    pass(passed, "music");
    listen_on_model();
}

Vossmere::~Vossmere()
{
    GE::sound_started = nullptr;
    // A player who closes the window on the settings screen keeps what they chose there; a
    // failure was said on stderr.
    save_sound_choices();
    // The model outlives the application: leave it no listener that points here.
    for (const auto& [name, reaction] : reactions())
        model->remove_event_listener(name, listener_for(reaction));
    current_level.reset();
    settings_menu.reset();
    display.dialog.reset();
    complete_ui.reset();
    retry_confirmation.reset();
    enter_confirmation.reset();
    play_ui.reset();
    main_menu.reset();
}

GE::Event_listener Vossmere::listener_for(Reaction reaction)
{
    return [this, reaction](GE::Event&) { reaction(*this); };
}

void Vossmere::listen_on_model()
{
    for (const auto& [name, reaction] : reactions())
        model->add_event_listener(name, listener_for(reaction));
}

void Vossmere::render()
{
    // Fullscreen may give the window another size than the one asked for.
    measure_output();
    render_context.clear_frame();
    const auto window_width = static_cast<float>(window.width);
    const auto window_height = static_cast<float>(window.height);
    render_context.fill_rect({0, 0, window_width, window_height}, opaque_black);

    const Letterbox canvas = letterbox_of(window_width, window_height);
    density_for(canvas.scale);
    set_width(canvas.canvas_width);
    set_scale_x(canvas.scale);
    set_scale_y(canvas.scale);
    render_context.fill_rect({canvas.left, 0, canvas.canvas_width, window_height}, opaque_white);

    draw(canvas.left, 0);
    focus.draw(*this, render_context, canvas.left, canvas.scale);
    hotspots.draw(*this, render_context, canvas.left, canvas.scale);
    if (captions.shown() > 0)
        captions.draw({canvas.left, 0, canvas.canvas_width, window_height}, canvas.scale);
    if (GE::is_muted())
        draw_muted_mark(canvas.left, canvas.scale);
    SDL_RenderPresent(render_context.renderer);
}

bool Vossmere::handle_sdl_event(const SDL_Event& event)
{
    const bool handled = handle_input(event);
    // The pointer's moves change nothing a voice would say, and come by the hundred.
    if (speech.enabled && event.type != SDL_MOUSEMOTION)
        narrator.notice(*this);
    // After what the event changed on screen: a sound does not cut its screen's name short.
    for (const auto& caption : captions_to_say)
        speech.say(caption, GE::Speech::Manner::follow);
    captions_to_say.clear();
    return handled;
}

bool Vossmere::handle_input(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        // Where the pointer is now, not where it was when the event was queued.
        int x = 0;
        int y = 0;
        SDL_GetMouseState(&x, &y);
        const SDL_FPoint pixel = pixel_at(x, y);
        return dispatch_mouse_event(event.type, pixel.x, pixel.y);
    }
    case SDL_KEYDOWN:
        return handle_key(event.key);
    case SDL_CONTROLLERBUTTONDOWN:
        if (const auto action = Action_table::for_button(
                static_cast<SDL_GameControllerButton>(event.cbutton.button)))
            act(*action);
        return true;
    default:
        if (captions_timer && captions_timer->ticked(event)) {
            if (captions.expire())
                request_frame();
            time_captions();
        } else if (data_watch && data_watch->ticked(event)) {
            if (data_watch->changed())
                act(Action::reload);
        } else if (!display.handle_tick(event)) {
            if (event.type == SDL_WINDOWEVENT &&
                event.window.event == SDL_WINDOWEVENT_DISPLAY_CHANGED)
                rebuild_for_display(); // the settings list the modes of the window's display
            repaint_if_lost(event);
        }
        return true;
    }
}

bool Vossmere::handle_key(const SDL_KeyboardEvent& key)
{
    if (key.repeat != 0) // a held key acts once
        return true;
    if (const auto action = Action_table::for_key(key.keysym.sym, key.keysym.mod))
        act(*action);
    return true;
}

void Vossmere::act(Action action)
{
    switch (action) {
    case Action::fullscreen:
        display.toggle_fullscreen();
        return;
    case Action::reload:
        Reload(*this).run();
        request_frame();
        return;
    case Action::hotspots:
        if (!data_watch)
            return; // a player's game shows none
        hotspots.shown = !hotspots.shown;
        request_frame();
        return;
    case Action::mute:
        GE::set_muted(!GE::is_muted());
        request_frame();
        return;
    case Action::speech:
        turn_speech(!speech.enabled);
        save_choices();
        return;
    case Action::repeat:
        narrator.repeat_view();
        return;
    default:
        break;
    }
    if (focus_takes(action))
        request_frame();
    else
        send_to_screens(action);
}

bool Vossmere::focus_takes(Action action)
{
    switch (action) {
    case Action::focus_next:
        return focus.move(*this, 1);
    case Action::focus_previous:
        return focus.move(*this, -1);
    case Action::activate:
    case Action::confirm:
        return focus.activate(*this);
    case Action::back:
        return focus.cancel(*this);
    case Action::turn_left:
        return focus.adjust(*this, -1);
    case Action::turn_right:
        return focus.adjust(*this, 1);
    default:
        return false;
    }
}

void Vossmere::send_to_screens(Action action)
{
    // From the topmost screen down, until one acts: a dialog's Escape answers it, a turn passes
    // the door dialog to the arrows beneath, and a modal dialog keeps every action. The screens
    // are held here, since what an action does may replace them.
    const auto screens = children;
    for (auto screen = screens.rbegin(); screen != screens.rend(); ++screen) {
        if (problems.is(*screen))
            continue;
        Action_event asked(action);
        (*screen)->dispatch_event(asked);
        if (asked.changed_something)
            request_frame();
        if (asked.changed_something || !asked.propagating)
            return;
    }
}

float Vossmere::window_scale() const
{
    return letterbox_of(static_cast<float>(window.width), static_cast<float>(window.height)).scale;
}

void Vossmere::density_for(float scale)
{
    // Text drawn larger than the design's own size is rendered at twice its size, and drawn down.
    render_context.text_density = scale > 1 ? 2 : 1;
}

void Vossmere::visibility_changed(bool now_visible)
{
    GE::set_paused(!now_visible);
    if (!now_visible) {
        display.pause();
        captions_timer.reset();
        if (data_watch)
            data_watch->pause();
        return;
    }
    display.resume();
    time_captions();
    if (data_watch)
        data_watch->resume();
    request_frame();
}

void Vossmere::focus_changed(bool now_focused)
{
    GE::set_background_muted(!now_focused && settings->background_mute);
}

void Vossmere::rebuild_for_display()
{
    if (settings_menu && has_child(settings_menu))
        apply_settings();
}

void Vossmere::draw_muted_mark(float canvas_left, float scale)
{
    const auto& mark = GE::Resources::instance().get_texture(&render_context, muted_mark_file);
    constexpr float margin = 24;
    const float width = static_cast<float>(mark->width) * scale;
    const float height = static_cast<float>(mark->height) * scale;
    const SDL_FRect place{canvas_left + (design_width - margin) * scale - width, margin * scale,
                          width, height};
    SDL_RenderCopyF(render_context.renderer, mark->sdl_texture(), nullptr, &place);
}

bool Vossmere::dispatch_mouse_event(std::uint32_t sdl_type, float x, float y)
{
    const float offset = (get_width() - static_cast<float>(window.width)) * 0.5f;
    if (sdl_type == SDL_MOUSEBUTTONDOWN) {
        if (focus.shown)
            request_frame(); // the ring goes
        focus.pointer_pressed(*this, x + offset, y);
    }
    GE::Mouse_event event(mouse_event_name(sdl_type), x + offset, y);
    dispatch_event(event);
    // A pointer that moves over nothing changes nothing on screen: no frame for it.
    if (event.changed_something)
        request_frame();
    return true;
}

void Vossmere::start_captions()
{
    captions.load(captions_file);
    captions.set_enabled(settings->captions);
    GE::sound_started = [this](const std::string& name, int length_ms) {
        if (!captions.heard(name, length_ms))
            return;
        if (const auto caption = captions.texts.find(name); caption != captions.texts.end())
            captions_to_say.push_back(caption->second);
        request_frame();
        time_captions();
    };
}

void Vossmere::show_captions()
{
    captions.set_enabled(settings->captions);
    time_captions();
    request_frame();
}

void Vossmere::time_captions()
{
    const int ms = captions.ms_until_change();
    if (ms < 0)
        captions_timer.reset();
    else
        captions_timer = std::make_unique<GE::Ticker>(static_cast<std::uint32_t>(std::max(ms, 1)));
}

void Vossmere::turn_speech(bool on)
{
    settings->speech = on;
    if (on == speech.enabled)
        return;
    // Said while on: the word "off" too.
    speech.enabled = true;
    speech.say(on ? GE::tr("Spoken descriptions on") : GE::tr("Spoken descriptions off"));
    speech.enabled = on;
    // Turned on, the voice then says the whole screen.
    narrator.forget();
}

std::string Vossmere::use_language(const std::string& code)
{
    std::string trouble;
    try {
        Languages::use(code);
    } catch (const GE::GE_runtime_error& error) {
        trouble = error.what();
    }
    speech.set_language(GE::Language::current().code());
    return trouble;
}

void Vossmere::change_language()
{
    const std::string trouble = use_language(settings->language);
    Reload(*this).run();
    if (!trouble.empty())
        problems.report(trouble);
    narrator.forget(); // the screen is said anew, in its new words
    if (!write_settings())
        problems.report("The settings could not be saved: the language lasts only for "
                        "this run.");
}

bool Vossmere::write_settings() noexcept
{
    try {
        GE::save_settings(*settings);
        return true;
    } catch (const std::exception& error) {
        std::cerr << "Vossmere: " << error.what() << '\n';
        return false;
    }
}

void Vossmere::save_choices()
{
    if (write_settings())
        return;
    if (speech.enabled)
        problems.report("The settings could not be saved: spoken descriptions are on for this run "
                        "only.");
    else
        problems.report("The settings could not be saved: spoken descriptions are off for this run "
                        "only.");
}

bool Vossmere::save_sound_choices() noexcept
{
    if (!settings_menu || !settings_menu->choices_changed)
        return true;
    settings_menu->choices_changed = false;
    return write_settings();
}

void Vossmere::show_current_screen()
{
    if (!save_sound_choices())
        problems.report("The settings could not be saved: the volumes, captions and "
                        "spoken descriptions last only for this run.");
    clear_children();
    const std::string& screen = model->screen;
    if (screen == Screens::play) {
        add_child(current_level);
        add_child(play_ui); // the overlay lies above the level
        GE::play_music("game_music");
    } else if (screen == Screens::settings_menu) {
        settings_menu = build_settings_menu();
        add_child(settings_menu);
    } else if (screen == Screens::main_menu) {
        add_child(main_menu);
        GE::play_music("menu_music");
    }
}

void Vossmere::load_level()
{
    if (current_level)
        current_level->stop_listening();
    // Released before the next is built: a level removes its model listeners by their type.
    current_level.reset();
    current_level = read_level();
}

std::shared_ptr<Level> Vossmere::read_level(const std::string& preferred_door)
{
    auto level = std::make_shared<Level>(&render_context, &window, model);
    const std::string file = Level_loader::level_file_of(level_number);
    GE::naming_errors(file, [&] {
        Level_loader loader(&render_context);
        loader.preferred_door = preferred_door;
        loader.load(*level, file);
    });
    return level;
}

void Vossmere::apply_settings()
{
    main_menu = build_main_menu();
    show_current_screen();
}

void Vossmere::open_door_dialog()
{
    GE::play_sound("click");
    if (!has_child(enter_confirmation))
        add_child(enter_confirmation);
}

void Vossmere::close_door_dialog() { remove_child(enter_confirmation); }

void Vossmere::enter_chosen_door()
{
    clear_children();
    const std::string* chosen = current_level->selected_door_label;
    if (chosen == nullptr || *chosen != current_level->correct_door_label) {
        GE::play_sound("game_over");
        GE::play_music("death_music");
        add_child(retry_confirmation);
        return;
    }
    GE::play_sound("completed");
    if (level_number < last_level) {
        ++level_number;
        load_level();
        show_current_screen();
        return;
    }
    add_child(complete_ui);
    level_number = 1;
    load_level(); // ready for the next game
    GE::play_music("completion_music");
}

void Vossmere::watch_data() { data_watch = std::make_unique<Data_watch>(); }

void Vossmere::start_at(std::int32_t level, std::int32_t view)
{
    if (level < 1 || level > last_level)
        throw GE::GE_runtime_error("There is no level " + std::to_string(level) +
                                   ": the data folder has levels 1 to " +
                                   std::to_string(last_level));
    level_number = level;
    load_level();
    const auto views = static_cast<std::int32_t>(current_level->scenes.size());
    if (view < 1 || view > views)
        throw GE::GE_runtime_error(Level_loader::level_file_of(level) + " has no view " +
                                   std::to_string(view) + ": it has views 1 to " +
                                   std::to_string(views));
    current_level->show_view(view - 1);
    model->set_screen(Screens::play);
}

void Vossmere::restart_at(const std::string& screen)
{
    clear_children();
    level_number = 1;
    load_level();
    model->set_screen(screen);
}

} // namespace Game
