#pragma once

#include "game/vossmere.h"

#include <memory>
#include <set>
#include <string>

namespace Game {

class Level;
class Main_menu;
class Settings_menu;

// F5: reads the screens and the current level again from their files, for a level maker who edits
// them. The player stays where they were: the same view, the door they clicked with its dialog
// open, the right door while the level still has it, the display dialog at the same second.
// Everything is built aside, its new images decoded, before anything is swapped in: a file broken
// or saved half-way leaves the game as it was, and the problem line names it.
class Reload {
public:
    // `app` outlives this.
    explicit Reload(Vossmere& app);
    Reload(const Reload&) = delete;
    Reload& operator=(const Reload&) = delete;

    // Takes the new files, or, when one cannot be read, says why on the problem line.
    void run();

private:
    void build();
    // Puts the new screens in the places of the old ones, in the same order.
    void swap_shown();
    void take();

    Vossmere& app;
    const std::set<std::string> known_images;
    std::shared_ptr<Level> level;
    std::int32_t levels = 1; // the data folder's, counted anew
    std::shared_ptr<Main_menu> menu;
    Run_screens screens;
    std::shared_ptr<Settings_menu> settings_menu;
};

} // namespace Game
