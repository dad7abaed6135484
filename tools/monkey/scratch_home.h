#pragma once

#include <filesystem>

namespace Tools {

// A new empty folder under the system's temporary folder, made the user's folder (HOME, and
// USERPROFILE, which the game reads first) while the object lives: the settings a soak saves
// never touch the player's own. Removed, with what the game wrote in it, at the end.
class Scratch_home {
public:
    // Throws std::runtime_error when the folder cannot be made.
    Scratch_home();
    ~Scratch_home();
    Scratch_home(const Scratch_home&) = delete;
    Scratch_home& operator=(const Scratch_home&) = delete;

    const std::filesystem::path folder;
};

} // namespace Tools
