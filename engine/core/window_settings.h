#pragma once

#include "engine/core/resolution.h"

#include <memory>

namespace GE {

// The window's size and mode as the player chose them.
struct Window_settings {
    std::unique_ptr<Resolution> resolution = std::make_unique<Resolution>("1024x768");
    bool fullscreen = false;
};

// The program's one instance, read from and written to the settings file.
extern Window_settings window_settings;

} // namespace GE
