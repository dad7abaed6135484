#pragma once

#include <SDL_mouse.h>
#include <SDL_stdinc.h>

#include <string>

namespace GE {
class Render_object;
}

// Input for the tests: mouse events delivered straight into a tree, SDL events queued for a loop.
namespace Support {

// Delivers a mouse event named `name` at drawing-area pixel (x, y) into `target`; answers
// whether it was still propagating afterwards.
bool send_mouse(GE::Render_object& target, const std::string& name, float x, float y);

// A press and a release at (x, y); answers whether the release was still propagating.
bool click(GE::Render_object& target, float x, float y);

// Queues an SDL event of `type`; mouse button events carry `button`.
void push_sdl_event(Uint32 type, Uint8 button = SDL_BUTTON_LEFT);

} // namespace Support
