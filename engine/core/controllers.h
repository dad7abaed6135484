#pragma once

#include <SDL_events.h>
#include <SDL_timer.h>

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace GE {

// Keeps every plugged-in game controller open and reads them on the loop's schedule: the left
// stick stands for the D-pad, so the game hears one kind of press from either.
class Controllers {
public:
    // How often the controllers are read while any joystick is plugged in, in milliseconds.
    static constexpr int update_interval_ms = 25;
    // A stick held in one direction presses again after the delay, then at the interval.
    static constexpr Uint64 repeat_delay_ms = 400;
    static constexpr Uint64 repeat_interval_ms = 150;

    // Adds the mappings of `mapping_file` to SDL's own when the file is there (a file SDL cannot
    // read costs one line on stderr), then opens the controllers already plugged in. `clock`
    // answers the time in milliseconds.
    explicit Controllers(const std::string& mapping_file = "gamecontrollerdb.txt",
                         std::function<Uint64()> clock = SDL_GetTicks64);
    ~Controllers();
    Controllers(const Controllers&) = delete;
    Controllers& operator=(const Controllers&) = delete;

    // Opens and closes controllers as they come and go and turns the left stick into D-pad
    // presses (queued as SDL_CONTROLLERBUTTONDOWN). Answers whether `event` was the controllers'
    // own business, which the game need not see: every joystick and controller event but a
    // controller's button.
    bool handle(const SDL_Event& event);
    // How long the loop may sleep before update() is due: 0 when it is due now, -1 while no
    // joystick is plugged in (SDL then watches for one by itself).
    int ms_until_update() const;
    // Reads the controllers, which queues their events, and repeats the press of a held stick.
    void update();

    std::size_t open_count() const { return pads.size(); }

private:
    struct Closer {
        void operator()(SDL_GameController* controller) const
        {
            SDL_GameControllerClose(controller);
        }
    };
    struct Pad {
        std::unique_ptr<SDL_GameController, Closer> controller;
        Sint16 x = 0, y = 0;
        // The D-pad button the stick stands for while it is pushed.
        SDL_GameControllerButton held = SDL_CONTROLLER_BUTTON_INVALID;
        Uint64 next_repeat = 0;
    };

    void open(int device_index);
    void move_stick(const SDL_ControllerAxisEvent& motion);
    // Leaves the reading of joysticks to SDL only while none is plugged in: with one, SDL's wait
    // for events turns into a loop that wakes every millisecond, so update() reads them instead.
    void watch_joysticks();

    std::function<Uint64()> clock;
    std::map<SDL_JoystickID, Pad> pads;
    bool polling = false;
    Uint64 next_update = 0;
};

} // namespace GE
