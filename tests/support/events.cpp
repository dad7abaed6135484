#include "tests/support/events.h"

#include "engine/core/event_names.h"
#include "engine/core/mouse_event.h"
#include "engine/core/render_object.h"

#include <SDL_events.h>
#include <gtest/gtest.h>

namespace Support {

bool send_mouse(GE::Render_object& target, const std::string& name, float x, float y)
{
    GE::Mouse_event event(name, x, y);
    target.dispatch_event(event);
    return event.propagating;
}

bool click(GE::Render_object& target, float x, float y)
{
    send_mouse(target, GE::mouse_down_event, x, y);
    return send_mouse(target, GE::mouse_button_up_event, x, y);
}

void push_sdl_event(Uint32 type, Uint8 button)
{
    SDL_Event event{};
    event.type = type;
    if (type == SDL_MOUSEBUTTONDOWN || type == SDL_MOUSEBUTTONUP)
        event.button.button = button;
    ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
}

} // namespace Support
