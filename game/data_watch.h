#pragma once

#include "engine/core/ticker.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>

namespace Game {

// Watches the data folder (the working directory) for a level maker's saves: twice a second a
// tick wakes the game, which then compares each file's time and size with the last look. Nothing
// else runs, and a look that finds nothing new draws nothing.
class Data_watch {
public:
    static constexpr std::uint32_t interval_ms = 500;

    // Takes the first look. Throws SDL_runtime_error when SDL has no timer left.
    Data_watch();

    // Whether `event` is this watch's tick.
    bool ticked(const SDL_Event& event) const { return ticker && ticker->ticked(event); }
    // Stops the ticks (the game out of sight), or starts them again; what was saved meanwhile is
    // found at the first look after.
    void pause();
    void resume();
    bool paused() const { return !ticker; }
    // Whether a file was written, added or removed since the last look; looks again.
    bool changed();
    // The event each tick queues. Throws std::bad_optional_access while paused.
    SDL_Event tick() const { return ticker.value().tick(); }

private:
    using Look = std::map<std::string, std::pair<std::filesystem::file_time_type, std::uintmax_t>>;
    static Look look();

    std::optional<GE::Ticker> ticker{std::in_place, interval_ms};
    Look seen;
};

} // namespace Game
