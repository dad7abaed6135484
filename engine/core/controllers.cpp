#include "engine/core/controllers.h"

#include <SDL_hints.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <system_error>
#include <utility>

namespace GE {

namespace {

// A stick counts as pushed beyond 40% of its travel and as released below 30%, so that one
// resting near the edge does not press again and again.
constexpr int press_threshold = 13107;
constexpr int release_threshold = 9830;

constexpr SDL_GameControllerButton none = SDL_CONTROLLER_BUTTON_INVALID;

// How far the stick at (x, y) leans toward a D-pad direction; negative when it leans away.
int lean(SDL_GameControllerButton direction, int x, int y)
{
    switch (direction) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
        return -y;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        return y;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        return -x;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        return x;
    default:
        return 0;
    }
}

// The D-pad direction the stick at (x, y) stands for, given the one it stood for until now: the
// dominant axis's, once pushed far enough. A held direction gives way to another only when that
// one leans clearly further, so a stick held on the diagonal does not flip between the two.
SDL_GameControllerButton direction_of(int x, int y, SDL_GameControllerButton held)
{
    const SDL_GameControllerButton strongest =
        std::abs(x) > std::abs(y)
            ? (x < 0 ? SDL_CONTROLLER_BUTTON_DPAD_LEFT : SDL_CONTROLLER_BUTTON_DPAD_RIGHT)
            : (y < 0 ? SDL_CONTROLLER_BUTTON_DPAD_UP : SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    const int strength = lean(strongest, x, y);
    const int holding = lean(held, x, y);
    if (held != none && holding >= release_threshold) {
        const bool overtaken = strongest != held && strength >= press_threshold &&
                               strength >= holding + press_threshold - release_threshold;
        return overtaken ? strongest : held;
    }
    return strength >= press_threshold ? strongest : none;
}

void queue_press(SDL_JoystickID id, SDL_GameControllerButton button)
{
    SDL_Event event{};
    event.type = SDL_CONTROLLERBUTTONDOWN;
    event.cbutton.which = id;
    event.cbutton.button = static_cast<Uint8>(button);
    event.cbutton.state = SDL_PRESSED;
    // A full queue drops this press as it drops any other input.
    SDL_PushEvent(&event);
}

void add_mappings(const std::string& file)
{
    std::error_code missing;
    if (!std::filesystem::exists(file, missing))
        return;
    if (SDL_GameControllerAddMappingsFromFile(file.c_str()) < 0)
        std::cerr << "Game controller mappings not read from " << file << ": " << SDL_GetError()
                  << '\n';
}

} // namespace

Controllers::Controllers(const std::string& mapping_file, std::function<Uint64()> clock)
    : clock(std::move(clock))
{
    add_mappings(mapping_file);
    // Controllers plugged in before SDL came up were announced before the file's mappings were
    // known: those that only the file maps are opened here.
    for (int device = 0; device < SDL_NumJoysticks(); ++device)
        if (SDL_IsGameController(device))
            open(device);
    watch_joysticks();
}

Controllers::~Controllers()
{
    if (polling)
        SDL_ResetHint(SDL_HINT_AUTO_UPDATE_JOYSTICKS);
}

bool Controllers::handle(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        return false;
    case SDL_CONTROLLERDEVICEADDED:
        open(event.cdevice.which);
        watch_joysticks();
        return true;
    case SDL_CONTROLLERDEVICEREMOVED:
        pads.erase(event.cdevice.which);
        watch_joysticks();
        return true;
    case SDL_JOYDEVICEADDED:
    case SDL_JOYDEVICEREMOVED:
        watch_joysticks();
        return true;
    case SDL_CONTROLLERAXISMOTION:
        move_stick(event.caxis);
        return true;
    default:
        return event.type >= SDL_JOYAXISMOTION && event.type < SDL_FINGERDOWN;
    }
}

int Controllers::ms_until_update() const
{
    if (!polling)
        return -1;
    Uint64 due = next_update;
    for (const auto& [id, pad] : pads)
        if (pad.held != none)
            due = std::min(due, pad.next_repeat);
    const Uint64 now = clock();
    return due <= now ? 0 : static_cast<int>(due - now);
}

void Controllers::update()
{
    SDL_GameControllerUpdate();
    const Uint64 now = clock();
    next_update = now + update_interval_ms;
    for (auto& [id, pad] : pads) {
        if (pad.held == none || pad.next_repeat > now)
            continue;
        queue_press(id, pad.held);
        pad.next_repeat = now + repeat_interval_ms;
    }
}

void Controllers::open(int device_index)
{
    std::unique_ptr<SDL_GameController, Closer> controller(SDL_GameControllerOpen(device_index));
    if (!controller) {
        // A pad the system will not let us open leaves the mouse and keyboard to play with.
        std::cerr << "Game controller not opened: " << SDL_GetError() << '\n';
        return;
    }
    const SDL_JoystickID id =
        SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller.get()));
    // A controller announced twice is open once: the second handle closes with the unused pad.
    pads.try_emplace(id, Pad{std::move(controller)});
}

void Controllers::move_stick(const SDL_ControllerAxisEvent& motion)
{
    const auto found = pads.find(motion.which);
    if (found == pads.end())
        return;
    Pad& pad = found->second;
    if (motion.axis == SDL_CONTROLLER_AXIS_LEFTX)
        pad.x = motion.value;
    else if (motion.axis == SDL_CONTROLLER_AXIS_LEFTY)
        pad.y = motion.value;
    else
        return;
    const SDL_GameControllerButton direction = direction_of(pad.x, pad.y, pad.held);
    if (direction == pad.held)
        return;
    pad.held = direction;
    if (direction == none)
        return;
    queue_press(motion.which, direction);
    pad.next_repeat = clock() + repeat_delay_ms;
}

void Controllers::watch_joysticks()
{
    // Any joystick, not only a controller: SDL polls for every one it knows of.
    const bool wanted = SDL_NumJoysticks() > 0 || !pads.empty();
    if (wanted == polling)
        return;
    polling = wanted;
    if (polling) {
        SDL_SetHintWithPriority(SDL_HINT_AUTO_UPDATE_JOYSTICKS, "0", SDL_HINT_OVERRIDE);
        next_update = clock();
    } else {
        SDL_ResetHint(SDL_HINT_AUTO_UPDATE_JOYSTICKS);
    }
}

} // namespace GE
