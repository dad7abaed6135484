#pragma once

#include "engine/core/app_window.h"
#include "game/letterbox.h"

#include <cstdint>

namespace Tools {

// Lends the window the design canvas's size while it lives. Screens lay themselves out by the
// window's size, so in a window of exactly 1440 by 1080 their rects come out in design units,
// as the game scales them in any window. Nothing is drawn meanwhile; the size is only recorded.
class Design_sized_window {
public:
    explicit Design_sized_window(GE::App_window& window)
        : window(window), width(window.width), height(window.height)
    {
        window.width = static_cast<std::int32_t>(Game::design_width);
        window.height = static_cast<std::int32_t>(Game::design_height);
    }
    ~Design_sized_window()
    {
        window.width = width;
        window.height = height;
    }
    Design_sized_window(const Design_sized_window&) = delete;
    Design_sized_window& operator=(const Design_sized_window&) = delete;

private:
    GE::App_window& window;
    const std::int32_t width, height;
};

} // namespace Tools
