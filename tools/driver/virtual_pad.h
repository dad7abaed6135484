#pragma once

#include "engine/core/sdl_runtime_error.h"

#include <SDL_events.h>
#include <SDL_hints.h>

#include <memory>

namespace Tools {

// A game controller that exists only in SDL, attached while the object lives. SDL announces it
// (SDL_CONTROLLERDEVICEADDED) like a real one plugged in: it is the game's once the loop has
// handled that. Its buttons and axes are numbered as SDL_GameControllerButton and _Axis.
class Virtual_pad {
public:
    Virtual_pad()
    {
        // SDL drops a pad's input while no window has the keyboard focus, and the dummy video
        // driver's windows never get it: these pads are heard anyway.
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        SDL_VirtualJoystickDesc description{};
        description.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        description.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        description.naxes = SDL_CONTROLLER_AXIS_MAX;
        description.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        const int device = SDL_JoystickAttachVirtualEx(&description);
        if (device < 0)
            throw GE::SDL_runtime_error::from_sdl();
        // Its state is set through a joystick of its own.
        joystick.reset(SDL_JoystickOpen(device));
        if (!joystick) {
            const auto error = GE::SDL_runtime_error::from_sdl();
            SDL_JoystickDetachVirtual(device);
            throw error;
        }
    }
    ~Virtual_pad()
    {
        const SDL_JoystickID detached = id();
        joystick.reset();
        // Found by its device index, which the pads detached before it have moved.
        for (int device = 0; device < SDL_NumJoysticks(); ++device)
            if (SDL_JoystickGetDeviceInstanceID(device) == detached)
                SDL_JoystickDetachVirtual(device);
    }
    Virtual_pad(const Virtual_pad&) = delete;
    Virtual_pad& operator=(const Virtual_pad&) = delete;

    // Presses and releases `button`, each queued as the controller's event.
    void press(SDL_GameControllerButton button)
    {
        set_button(button, SDL_PRESSED);
        set_button(button, SDL_RELEASED);
    }
    // Holds `button` down, or lets it go, and queues the event.
    void set_button(SDL_GameControllerButton button, Uint8 state)
    {
        GE::check_sdl(SDL_JoystickSetVirtualButton(joystick.get(), button, state));
        SDL_GameControllerUpdate();
    }
    // Moves `axis` to `value` and queues the event.
    void tilt(SDL_GameControllerAxis axis, Sint16 value)
    {
        GE::check_sdl(SDL_JoystickSetVirtualAxis(joystick.get(), axis, value));
        SDL_GameControllerUpdate();
    }

    // The instance id that the controller's events carry.
    SDL_JoystickID id() const { return SDL_JoystickInstanceID(joystick.get()); }

private:
    struct Closer {
        void operator()(SDL_Joystick* opened) const { SDL_JoystickClose(opened); }
    };
    std::unique_ptr<SDL_Joystick, Closer> joystick;
};

} // namespace Tools
