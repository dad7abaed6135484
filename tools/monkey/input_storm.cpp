#include "tools/monkey/input_storm.h"

#include "engine/core/event_names.h"
#include "engine/core/render_object_container.h"
#include "engine/widgets/button.h"
#include "game/action_table.h"
#include "game/confirmation.h"
#include "game/display_confirmation.h"
#include "game/letterbox.h"
#include "game/level.h"
#include "game/main_menu.h"
#include "game/play_ui.h"
#include "game/room_scene.h"
#include "game/settings_menu.h"
#include "game/vossmere.h"

#include <SDL_events.h>
#include <SDL_mouse.h>

#include <algorithm>

namespace Tools {

namespace {

using Kind = Input_storm::Kind;

// How often each kind comes, in the order of Kind. Clicks aimed at what reacts to the mouse lead
// through the screens; the rest stirs the game around them.
constexpr std::array<int, Input_storm::kinds> weights{50, 6, 6, 16, 8, 2, 4, 4, 2};
constexpr std::size_t most_pads = 3;
constexpr std::array<SDL_WindowEventID, 7> window_events{
    SDL_WINDOWEVENT_MINIMIZED, SDL_WINDOWEVENT_RESTORED,   SDL_WINDOWEVENT_HIDDEN,
    SDL_WINDOWEVENT_SHOWN,     SDL_WINDOWEVENT_FOCUS_LOST, SDL_WINDOWEVENT_FOCUS_GAINED,
    SDL_WINDOWEVENT_EXPOSED};

bool reacts_to_mouse(const GE::Render_object& object)
{
    return object.listens_to(GE::mouse_button_up_event) ||
           object.listens_to(GE::mouse_down_event) || object.listens_to("click");
}

// An object a click may reach, and how much an aimed click wants it.
struct Target {
    GE::Render_object* object;
    double appeal;
};

// How much an aimed click wants `object` and what lies in it, `inherited` being its parent's
// appeal. A player answers the question in front of them, mostly going through the door they
// chose, and soon leaves the settings; one who reads the level's hints walks round the room one
// way, heads for the right door, and seldom quits: so play goes on to the last screen, while
// wrong doors, the other way round and Exit are still taken now and then.
double appeal(const GE::Render_object& object, const Game::Vossmere& app, double inherited)
{
    const auto is = [&object](const auto* other) {
        return static_cast<const GE::Render_object*>(other) == &object;
    };
    if (is(app.enter_confirmation.get()) || is(app.retry_confirmation.get()) ||
        is(app.display.dialog.get()))
        return 3 * inherited;
    if (const auto* room = dynamic_cast<const Game::Room_scene*>(&object);
        room != nullptr && app.current_level)
        return (room->door_label == app.current_level->correct_door_label ? 3 : 0.15) * inherited;
    if (app.settings_menu && is(app.settings_menu->back_button))
        return 6 * inherited;
    if (app.enter_confirmation && is(app.enter_confirmation->yes_button))
        return 3 * inherited;
    if (app.main_menu && is(app.main_menu->exit_button))
        return 0.05 * inherited;
    if (app.play_ui && is(app.play_ui->menu_button))
        return 0.25 * inherited;
    if (app.play_ui && is(app.play_ui->go_right_button))
        return 2 * inherited;
    if (app.play_ui && is(app.play_ui->go_left_button))
        return 0.5 * inherited;
    return inherited;
}

// Every object shown under `container` that a click may reach, with its appeal.
void gather_targets(const GE::Render_object_container& container, const Game::Vossmere& app,
                    double inherited, std::vector<Target>& targets)
{
    for (const auto& child : container.children) {
        if (!child->visible)
            continue;
        const double wanted = appeal(*child, app, inherited);
        if (reacts_to_mouse(*child))
            targets.push_back({child.get(), wanted});
        if (const auto* inner = dynamic_cast<const GE::Render_object_container*>(child.get()))
            gather_targets(*inner, app, wanted, targets);
    }
}

std::vector<Game::Key> bound_keys()
{
    std::vector<Game::Key> keys;
    for (const Game::Binding& binding : Game::Action_table::bindings())
        keys.insert(keys.end(), binding.keys.begin(), binding.keys.end());
    return keys;
}

std::vector<SDL_GameControllerButton> bound_buttons()
{
    std::vector<SDL_GameControllerButton> buttons;
    for (const Game::Binding& binding : Game::Action_table::bindings())
        buttons.insert(buttons.end(), binding.buttons.begin(), binding.buttons.end());
    return buttons;
}

template <typename Item>
const Item& any_of(const std::vector<Item>& items, std::mt19937_64& random)
{
    return items[std::uniform_int_distribution<std::size_t>(0, items.size() - 1)(random)];
}

} // namespace

const char* Input_storm::name_of(Kind kind)
{
    switch (kind) {
    case Kind::aimed_click:
        return "aimed click";
    case Kind::click:
        return "click";
    case Kind::motion:
        return "pointer motion";
    case Kind::key:
        return "key";
    case Kind::pad_button:
        return "pad button";
    case Kind::pad_plug:
        return "pad plugged or unplugged";
    case Kind::resize:
        return "resize";
    case Kind::window:
        return "window event";
    case Kind::audio_device:
        return "audio device event";
    }
    return "?";
}

Input_storm::Input_storm(std::uint64_t seed) : random(seed) {}

Input_storm::Kind Input_storm::pick()
{
    std::discrete_distribution<std::size_t> kind(weights.begin(), weights.end());
    return static_cast<Kind>(kind(random));
}

bool Input_storm::aims(Kind kind) { return kind == Kind::aimed_click; }

bool Input_storm::clicks(Kind kind) { return kind == Kind::aimed_click || kind == Kind::click; }

void Input_storm::queue(Kind kind, Game::Vossmere& app)
{
    ++sent[static_cast<std::size_t>(kind)];
    switch (kind) {
    case Kind::aimed_click:
        aimed_click(app);
        break;
    case Kind::click:
        click_at(app, between(0, app.window.width - 1), between(0, app.window.height - 1));
        break;
    case Kind::motion:
        SDL_WarpMouseInWindow(app.window.handle, between(0, app.window.width - 1),
                              between(0, app.window.height - 1));
        break;
    case Kind::key:
        press_key(app);
        break;
    case Kind::pad_button:
        press_pad_button();
        break;
    case Kind::pad_plug:
        plug_or_unplug();
        break;
    case Kind::resize:
        resize(app);
        break;
    case Kind::window:
        window_event(app);
        break;
    case Kind::audio_device:
        audio_device_event();
        break;
    }
    if (back_event != SDL_WINDOWEVENT_NONE && --steps_until_back <= 0) {
        push_window_event(app, back_event);
        back_event = SDL_WINDOWEVENT_NONE;
    }
}

void Input_storm::aimed_click(Game::Vossmere& app)
{
    std::vector<Target> targets;
    gather_targets(app, app, 1, targets);
    if (targets.empty())
        return click_at(app, between(0, app.window.width - 1), between(0, app.window.height - 1));
    std::vector<double> appeals;
    for (const Target& target : targets)
        appeals.push_back(target.appeal);
    std::discrete_distribution<std::size_t> chosen(appeals.begin(), appeals.end());
    const GE::Screen_rect rect = targets[chosen(random)].object->get_screen_rect();
    // From the drawing area into the window, which may cut the canvas on both sides.
    const Game::Letterbox box = Game::letterbox_of(static_cast<float>(app.window.width),
                                                   static_cast<float>(app.window.height));
    const auto x = static_cast<int>(box.left + rect.x + rect.w / 2);
    const auto y = static_cast<int>(rect.y + rect.h / 2);
    click_at(app, std::clamp(x, 0, app.window.width - 1), std::clamp(y, 0, app.window.height - 1));
}

void Input_storm::click_at(Game::Vossmere& app, int x, int y)
{
    SDL_WarpMouseInWindow(app.window.handle, x, y);
    for (const auto type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
        SDL_Event event{};
        event.type = type;
        event.button.windowID = SDL_GetWindowID(app.window.handle);
        event.button.button = SDL_BUTTON_LEFT;
        event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.button.clicks = 1;
        event.button.x = x;
        event.button.y = y;
        SDL_PushEvent(&event);
    }
}

void Input_storm::press_key(Game::Vossmere& app)
{
    static const std::vector<Game::Key> keys = bound_keys();
    const Game::Key& key = any_of(keys, random);
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.windowID = SDL_GetWindowID(app.window.handle);
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key.code;
    event.key.keysym.scancode = SDL_GetScancodeFromKey(key.code);
    event.key.keysym.mod = static_cast<Uint16>(key.modifier);
    SDL_PushEvent(&event);
}

void Input_storm::press_pad_button()
{
    static const std::vector<SDL_GameControllerButton> buttons = bound_buttons();
    if (pads.empty())
        return plug_or_unplug();
    const SDL_GameControllerButton button = any_of(buttons, random);
    any_of(pads, random)->press(button);
}

void Input_storm::plug_or_unplug()
{
    const bool plug = pads.empty() || (pads.size() < most_pads && between(0, 1) == 0);
    if (plug) {
        pads.push_back(std::make_unique<Virtual_pad>());
        return;
    }
    pads.erase(pads.begin() + between(0, static_cast<int>(pads.size()) - 1));
}

void Input_storm::resize(Game::Vossmere& app)
{
    SDL_SetWindowSize(app.window.handle, between(smallest_window.first, largest_window.first),
                      between(smallest_window.second, largest_window.second));
}

void Input_storm::window_event(Game::Vossmere& app)
{
    const SDL_WindowEventID event = window_events[static_cast<std::size_t>(
        between(0, static_cast<int>(window_events.size()) - 1))];
    push_window_event(app, event);
    // The player comes back to the game, mostly soon: play goes on.
    if (event == SDL_WINDOWEVENT_MINIMIZED || event == SDL_WINDOWEVENT_HIDDEN) {
        back_event =
            event == SDL_WINDOWEVENT_MINIMIZED ? SDL_WINDOWEVENT_RESTORED : SDL_WINDOWEVENT_SHOWN;
        steps_until_back = between(1, 6);
    }
}

void Input_storm::push_window_event(Game::Vossmere& app, SDL_WindowEventID id)
{
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = SDL_GetWindowID(app.window.handle);
    event.window.event = static_cast<Uint8>(id);
    SDL_PushEvent(&event);
}

void Input_storm::audio_device_event()
{
    SDL_Event event{};
    event.type = between(0, 1) == 0 ? SDL_AUDIODEVICEREMOVED : SDL_AUDIODEVICEADDED;
    event.adevice.which = 2;
    event.adevice.iscapture = 0;
    SDL_PushEvent(&event);
}

int Input_storm::between(int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(random);
}

} // namespace Tools
