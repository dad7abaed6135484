#pragma once

#include <string>
#include <vector>

// A small but complete data folder for the game, written into the working directory: every
// screen (its buttons 200 by 50 units, stacked from the top left; the dialogs' lower right),
// scenes, three levels and the game's sounds.
namespace Support {

// A UI file with one button per id, stacked from (x, y).
void write_buttons(const std::string& file, const std::vector<std::string>& ids, int x = 0,
                   int y = 0);

// A level file from short codes: a digit is a room with that door, "picture", "clocks" and "view"
// are those scenes, and a code with '=' in it is taken as a scene element's attributes.
void write_level(const std::string& file, const std::vector<std::string>& scenes);

// Screens (the settings screen's list below the top left, its checkbox to the right of the
// list, back and apply at the bottom), scenes and levels. Levels: 1 has doors 1, 2, 3 and clocks
// (the right door is 3); 2 has doors 4 and 5 and a picture (either may be right); 3 has doors 1 to
// 4, a plain view and clocks (3 is right).
void write_game_data();

// The eight sound and music files the game registers.
void write_game_sounds();

} // namespace Support
