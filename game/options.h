#pragma once

#include <cstdint>
#include <span>

namespace Game {

// What the command line asks of the game. A plain start asks nothing and opens the main menu;
// `vossmere --level N [--view V]` starts in level N at its view V (both counted from 1), and
// `--watch` reads the screens and the level again whenever a file of the data folder changes: for
// a level maker testing a room.
class Options {
public:
    static constexpr const char* usage = "usage: vossmere [--level N [--view V]] [--watch]";

    // Reads the arguments after the program's name. Throws GE_runtime_error naming what is wrong,
    // then the usage line, for an option the game does not know, a number that is not a whole
    // number from 1 up, or a --view without its --level.
    static Options read(std::span<const char* const> arguments);

    std::int32_t level = 0; // 0: the main menu
    std::int32_t view = 1;
    bool watch = false;
};

} // namespace Game
