#include "game/letterbox.h"

namespace Game {

namespace {

constexpr float aspect_ratio = 4.0f / 3.0f;

} // namespace

Letterbox letterbox_of(float window_width, float window_height)
{
    const float canvas_width = window_height * aspect_ratio;
    return {canvas_width, canvas_width / design_width, (window_width - canvas_width) * 0.5f};
}

} // namespace Game
