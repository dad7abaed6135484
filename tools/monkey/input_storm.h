#pragma once

#include "tools/driver/virtual_pad.h"

#include <SDL_video.h>

#include <array>
#include <cstdint>
#include <memory>
#include <random>
#include <utility>
#include <vector>

namespace Game {
class Vossmere;
}

namespace Tools {

// A seeded storm of what a player, their system and their hardware may throw at the game: clicks
// anywhere and on what reacts to the mouse, the pointer's moves, every bound key and pad button,
// pads plugged in and out, the window resized, minimised, hidden and restored, and the audio
// device lost and found. Each step queues its events; the same seed queues the same steps in the
// same states of the game.
class Input_storm {
public:
    enum class Kind {
        aimed_click,
        click,
        motion,
        key,
        pad_button,
        pad_plug,
        resize,
        window,
        audio_device,
    };
    static constexpr std::size_t kinds = 9;
    // The window's sizes: from the smallest to the largest, in pixels.
    static constexpr std::pair<int, int> smallest_window{320, 240}, largest_window{1920, 1200};
    static const char* name_of(Kind kind);

    explicit Input_storm(std::uint64_t seed);

    // Draws the next step's kind.
    Kind pick();
    // Whether a step of `kind` looks at what the game shows: the steps before it must have been
    // handled.
    static bool aims(Kind kind);
    // The game reads the pointer where it is when it handles a click, not where it was when the
    // click was queued: a click must be handled before the pointer moves on.
    static bool clicks(Kind kind);
    // Queues the events of a step of `kind` for `app`, and a window's return when one is due.
    void queue(Kind kind, Game::Vossmere& app);

    std::array<long, kinds> sent{};

private:
    void aimed_click(Game::Vossmere& app);
    void click_at(Game::Vossmere& app, int x, int y);
    void press_key(Game::Vossmere& app);
    void press_pad_button();
    void plug_or_unplug();
    void resize(Game::Vossmere& app);
    void window_event(Game::Vossmere& app);
    void push_window_event(Game::Vossmere& app, SDL_WindowEventID event);
    void audio_device_event();
    int between(int low, int high);

    std::mt19937_64 random;
    std::vector<std::unique_ptr<Virtual_pad>> pads;
    // The window comes back (restored or shown) this many steps after it was minimised or hidden.
    int steps_until_back = 0;
    SDL_WindowEventID back_event = SDL_WINDOWEVENT_NONE;
};

} // namespace Tools
