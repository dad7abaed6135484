#include "game/vossmere.h"

#include "engine/core/error_text.h"
#include "engine/core/event_names.h"
#include "engine/core/game_model.h"
#include "engine/core/key_event.h"
#include "engine/core/mouse_event.h"
#include "engine/core/sdl_lifetime.h"
#include "engine/core/sdl_runtime_error.h"
#include "engine/core/ticker.h"
#include "engine/core/window_settings.h"
#include "engine/persistence/settings_file.h"
#include "engine/resources/audio.h"
#include "engine/resources/resources.h"
#include "engine/resources/texture.h"
#include "engine/widgets/label.h"
#include "game/complete_ui.h"
#include "game/confirmation.h"
#include "game/display_confirmation.h"
#include "game/game_events.h"
#include "game/letterbox.h"
#include "game/level.h"
#include "game/level_loader.h"
#include "game/main_menu.h"
#include "game/play_ui.h"
#include "game/settings_menu.h"

#include <SDL_events.h>
#include <SDL_mouse.h>
#include <SDL_render.h>

#include <algorithm>
#include <iostream>
#include <iterator>

namespace Game {

namespace {

constexpr std::uint32_t opaque_black = 0xFF000000;
constexpr std::uint32_t opaque_white = 0xFFFFFFFF;
// The dialogs "<name>_confirmation.xml": going through a door, and trying again after dying.
constexpr const char* enter_dialog = "enter";
constexpr const char* retry_dialog = "retry";

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

// Builds a screen from its file; a failure names the file.
template <typename Screen, typename... More>
std::shared_ptr<Screen> build(GE::App& app, GE::Game_model& model, const std::string& file,
                              const More&... more)
{
    return GE::naming_errors(file, [&] {
        return std::make_shared<Screen>(&app.render_context, &app.window, &model, more...);
    });
}

void pass(const Vossmere::Start_phases& passed, const char* phase)
{
    if (passed)
        passed(phase);
}

} // namespace

const std::array<std::pair<std::string, Vossmere::Reaction>, 14>& Vossmere::reactions()
{
    static const std::array<std::pair<std::string, Reaction>, 14> table{{
        {GE::screen_changed_event_name, &Vossmere::show_current_screen},
        {Events::apply_settings, &Vossmere::apply_settings},
        {Events::exit_game, &Vossmere::exit_game},
        {Events::hit_door, &Vossmere::open_door_dialog},
        {Events::retry_hit_yes, &Vossmere::retry},
        {Events::retry_hit_no, &Vossmere::give_up},
        {Events::enter_hit_yes, &Vossmere::enter_chosen_door},
        {Events::enter_hit_no, &Vossmere::close_door_dialog},
        {Events::go_left, &Vossmere::close_door_dialog},
        {Events::go_right, &Vossmere::close_door_dialog},
        {Events::exit_to_main_menu, &Vossmere::exit_to_main_menu},
        {Events::display_changed, &Vossmere::confirm_display_change},
        {Events::display_keep, &Vossmere::keep_display},
        {Events::display_revert, &Vossmere::revert_display},
    }};
    return table;
}

Vossmere::Vossmere(const std::string& title, std::uint32_t clear_colour,
                   GE::Window_settings& settings, GE::Game_model& model, Start start,
                   const Start_phases& passed)
    : GE::App(title, clear_colour, settings), model(&model), settings(&settings),
      kept(settings.resolution->text, settings.fullscreen)
{
    pass(passed, "window");
    main_menu = build<Main_menu>(*this, model, Main_menu::contract.file);
    add_child(main_menu);
    pass(passed, "main menu");
    if (start == Start::whole)
        complete_start(passed);
}

Vossmere::Run_screens Vossmere::build_screens()
{
    return {
        build<Play_ui>(*this, *model, Play_ui::contract.file),
        build<Confirmation>(*this, *model, Confirmation::contract(enter_dialog).file, enter_dialog),
        build<Confirmation>(*this, *model, Confirmation::contract(retry_dialog).file, retry_dialog),
        build<Complete_ui>(*this, *model, Complete_ui::contract.file),
        build<Display_confirmation>(*this, *model, Display_confirmation::contract.file)};
}

void Vossmere::take(Run_screens screens)
{
    play_ui = std::move(screens.play_ui);
    enter_confirmation = std::move(screens.enter_confirmation);
    retry_confirmation = std::move(screens.retry_confirmation);
    complete_ui = std::move(screens.complete_ui);
    display_confirmation = std::move(screens.display_confirmation);
}

std::shared_ptr<Settings_menu> Vossmere::build_settings_menu()
{
    return GE::naming_errors(Settings_menu::contract.file, [this] {
        return std::make_shared<Settings_menu>(&render_context, &window, settings, model,
                                               *displays);
    });
}

void Vossmere::complete_start(const Start_phases& passed)
{
    GE::open_audio();
    pass(passed, "audio");
    take(build_screens());
    pass(passed, "screens");
    load_level();
    pass(passed, "level");
    GE::play_music("menu_music");
    pass(passed, "music");
    listen_on_model();
}

Vossmere::~Vossmere()
{
    // The model outlives the application: leave it no listener that points here.
    for (const auto& [name, reaction] : reactions())
        model->remove_event_listener(name, listener_for(reaction));
    current_level.reset();
    settings_menu.reset();
    complete_ui.reset();
    retry_confirmation.reset();
    enter_confirmation.reset();
    play_ui.reset();
    main_menu.reset();
}

std::vector<Screen_contract> Vossmere::screen_contracts()
{
    return {Main_menu::contract,
            Play_ui::contract,
            Confirmation::contract(enter_dialog),
            Confirmation::contract(retry_dialog),
            Complete_ui::contract,
            Settings_menu::contract,
            Display_confirmation::contract};
}

GE::Event_listener Vossmere::listener_for(Reaction reaction)
{
    return [this, reaction](GE::Event&) { (this->*reaction)(); };
}

void Vossmere::listen_on_model()
{
    for (const auto& [name, reaction] : reactions())
        model->add_event_listener(name, listener_for(reaction));
}

void Vossmere::render()
{
    render_context.clear_frame();
    const auto window_width = static_cast<float>(window.width);
    const auto window_height = static_cast<float>(window.height);
    render_context.fill_rect({0, 0, window_width, window_height}, opaque_black);

    const Letterbox canvas = letterbox_of(window_width, window_height);
    set_width(canvas.canvas_width);
    set_scale_x(canvas.scale);
    set_scale_y(canvas.scale);
    render_context.fill_rect({canvas.left, 0, canvas.canvas_width, window_height}, opaque_white);

    draw(canvas.left, 0);
    if (GE::is_muted())
        draw_muted_mark(canvas.left, canvas.scale);
    SDL_RenderPresent(render_context.renderer);
}

bool Vossmere::handle_sdl_event(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        // Where the pointer is now, not where it was when the event was queued.
        int x = 0;
        int y = 0;
        SDL_GetMouseState(&x, &y);
        return dispatch_mouse_event(event.type, static_cast<float>(x), static_cast<float>(y));
    }
    case SDL_KEYDOWN:
        return handle_key(event.key);
    default:
        if (event.type == GE::Ticker::event_type() && countdown) {
            display_confirmation->count_down();
            request_frame();
        }
        repaint_if_lost(event);
        return true;
    }
}

bool Vossmere::handle_key(const SDL_KeyboardEvent& key)
{
    if (key.repeat != 0) // a held key acts once
        return true;
    const SDL_Keycode code = key.keysym.sym;
    if ((key.keysym.mod & KMOD_ALT) != 0 && (code == SDLK_RETURN || code == SDLK_KP_ENTER)) {
        toggle_fullscreen();
        return true;
    }
    if (code == SDLK_F5) {
        reload();
        request_frame();
        return true;
    }
    if (code == SDLK_m) {
        GE::set_muted(!GE::is_muted());
        request_frame();
        return true;
    }
    // Only the topmost screen hears keys: a dialog keeps them from what lies beneath it. The
    // screen is held here, since what the key does may replace it.
    const auto topmost = std::find_if(children.rbegin(), children.rend(),
                                      [this](const auto& child) { return child != problem; });
    if (topmost == children.rend())
        return true;
    const auto screen = *topmost;
    GE::Key_event press(code);
    screen->dispatch_event(press);
    if (press.changed_something)
        request_frame();
    return true;
}

void Vossmere::reload()
{
    // Everything is built aside first: a file broken while it was edited leaves the game running
    // as it was, and says what is wrong.
    const std::int32_t view = current_level->current_scene;
    current_level->stop_listening();
    std::shared_ptr<Level> level;
    std::shared_ptr<Main_menu> menu;
    Run_screens fresh;
    std::shared_ptr<Settings_menu> settings_screen = settings_menu;
    try {
        level = std::make_shared<Level>(&render_context, &window, model);
        const std::string file = Level_loader::level_file_of(level_number);
        GE::naming_errors(file, [&] { Level_loader(&render_context).load(*level, file); });
        menu = build<Main_menu>(*this, *model, Main_menu::contract.file);
        fresh = build_screens();
        if (settings_menu && has_child(settings_menu))
            settings_screen = build_settings_menu();
    } catch (const std::exception& error) {
        level.reset(); // takes the turn handlers of every level with it
        current_level->listen();
        show_problem(GE::error_text(error));
        return;
    }
    level->show_view(view);
    fresh.display_confirmation->seconds_left = display_confirmation->seconds_left;
    const std::pair<std::shared_ptr<GE::Render_object>, std::shared_ptr<GE::Render_object>> swaps[]{
        {current_level, level},
        {main_menu, menu},
        {play_ui, fresh.play_ui},
        {enter_confirmation, fresh.enter_confirmation},
        {retry_confirmation, fresh.retry_confirmation},
        {complete_ui, fresh.complete_ui},
        {display_confirmation, fresh.display_confirmation},
        {settings_menu, settings_screen}};
    // The same screens as before, in the same order, each in its new make; no old problem.
    const auto shown = children;
    clear_children();
    for (const auto& child : shown) {
        const auto swap = std::find_if(std::begin(swaps), std::end(swaps),
                                       [&](const auto& pair) { return pair.first == child; });
        if (swap != std::end(swaps))
            add_child(swap->second);
        else if (child != problem)
            add_child(child);
    }
    current_level = std::move(level);
    main_menu = std::move(menu);
    take(std::move(fresh));
    settings_menu = std::move(settings_screen);
}

void Vossmere::show_problem(const std::string& text)
{
    std::cerr << "Vossmere: " << text << '\n';
    remove_child(problem);
    const auto& font = GE::Resources::instance().get_font(problem_font_file, 26);
    problem = std::make_shared<GE::Label>(&render_context, "problem", font,
                                          SDL_Color{255, 206, 128, 255}, text);
    problem->horizontal_align = GE::Horizontal_align::center;
    problem->set_y(1030);
    add_child(problem);
}

void Vossmere::toggle_fullscreen()
{
    try {
        GE::apply_window_settings(window, *settings, settings->resolution->text,
                                  !settings->fullscreen, *displays);
    } catch (const GE::SDL_runtime_error& error) {
        std::cerr << "Vossmere: this display mode could not be applied: " << error.what() << '\n';
        request_frame();
        return;
    }
    model->dispatch_event(Events::display_changed);
}

void Vossmere::confirm_display_change()
{
    rebuild_for_display();
    display_confirmation->restart();
    remove_child(display_confirmation);
    add_child(display_confirmation);
    countdown = std::make_unique<GE::Ticker>(1000);
    request_frame();
}

void Vossmere::keep_display()
{
    close_display_dialog();
    try {
        GE::save_settings(*settings);
        kept = {settings->resolution->text, settings->fullscreen};
    } catch (const GE::GE_runtime_error& error) {
        // The window keeps the mode for this run; the player is told it will not last.
        std::cerr << "Vossmere: " << error.what() << '\n';
        if (settings_menu && has_child(settings_menu))
            settings_menu->show_message(std::string("The settings could not be saved: ") +
                                        error.what());
    }
}

void Vossmere::revert_display()
{
    close_display_dialog();
    try {
        GE::apply_window_settings(window, *settings, kept.first, kept.second, *displays);
    } catch (const GE::SDL_runtime_error&) {
        // The window went back to a mode it could show, which the settings now record.
    }
    rebuild_for_display();
}

void Vossmere::close_display_dialog()
{
    countdown.reset();
    remove_child(display_confirmation);
    request_frame();
}

void Vossmere::rebuild_for_display()
{
    // The settings screen shows the window's mode: it is built again for the new one.
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
    GE::Mouse_event event(mouse_event_name(sdl_type), x + offset, y);
    dispatch_event(event);
    // A pointer that moves over nothing changes nothing on screen: no frame for it.
    if (event.changed_something)
        request_frame();
    return true;
}

void Vossmere::show_current_screen()
{
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
    current_level = std::make_shared<Level>(&render_context, &window, model);
    const std::string file = Level_loader::level_file_of(level_number);
    GE::naming_errors(file, [&] { Level_loader(&render_context).load(*current_level, file); });
}

void Vossmere::apply_settings()
{
    main_menu = build<Main_menu>(*this, *model, Main_menu::contract.file);
    show_current_screen();
}

void Vossmere::exit_game() { exit_requested = true; }

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

void Vossmere::retry() { restart_at(Screens::play); }

void Vossmere::give_up() { restart_at(Screens::main_menu); }

void Vossmere::restart_at(const std::string& screen)
{
    clear_children();
    level_number = 1;
    load_level();
    model->set_screen(screen);
}

void Vossmere::exit_to_main_menu() { model->set_screen(Screens::main_menu); }

} // namespace Game
