#pragma once

#include "engine/core/resolution.h"

#include <memory>
#include <string>
#include <vector>

namespace GE {

// The window's size and mode as the player chose them, and the player's other choices.
struct Window_settings {
    std::unique_ptr<Resolution> resolution = std::make_unique<Resolution>("1024x768");
    bool fullscreen = false;
    // In percent, 0 to 100.
    int music_volume = 100;
    int effects_volume = 100;
    bool captions = false;
    // Whether the game describes itself aloud.
    bool speech = false;
    // Whether the game is silent while another window has the focus.
    bool background_mute = false;
    // The language the player chose ("de", "en"); empty until they choose one, when the game
    // follows the system's.
    std::string language;
    // Lines of the settings file this game does not know ("name=value", a newer game's), in
    // their order: saving writes them back as they were.
    std::vector<std::string> other_lines;
};

// The program's one instance, read from and written to the settings file.
extern Window_settings window_settings;

} // namespace GE
