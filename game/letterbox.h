#pragma once

namespace Game {

// The design canvas every screen and scene is laid out on, in design units.
constexpr float design_width = 1440;
constexpr float design_height = 1080;

// Where the game's 4:3 design canvas (1440 by 1080 units) lies in a window: as high as the
// window and centred in it. A window wider than 4:3 shows black bars left and right; a narrower
// one cuts the canvas on both sides (a negative `left`).
struct Letterbox {
    float canvas_width; // in pixels
    float scale;        // pixels per design unit, in both directions
    float left;         // the canvas's left edge, in window pixels
};

Letterbox letterbox_of(float window_width, float window_height);

} // namespace Game
