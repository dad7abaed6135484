#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace Tools {

// What the command line asks of vossmere-monkey: how long to play, from which seed, and where
// the game's data folder is.
class Monkey_options {
public:
    static constexpr const char* usage =
        "usage: vossmere-monkey [--seconds N] [--seed S] [--quiet] [RUN_DIR]";

    // Reads the arguments after the program's name. Throws std::invalid_argument naming what is
    // wrong: an unknown flag, a flag without its value, a number that is not a whole number (the
    // seconds from 1 up), or a second folder.
    static Monkey_options read(std::span<const char* const> arguments);

    int seconds = 60;
    // None: the soak takes one from the clock.
    std::optional<std::uint64_t> seed;
    // Prints the memory curve every 10 s instead of every second.
    bool quiet = false;
    // The folder holding the game's data; empty: the build's own.
    std::string run_dir;
};

} // namespace Tools
