#include "game/for_each_button.h"

#include "engine/core/event.h"
#include "engine/core/event_names.h"
#include "engine/core/render_object_container.h"
#include "engine/resources/audio.h"
#include "engine/widgets/button.h"
#include "game/action_event.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace Game {

void for_each_button(GE::Render_object_container& container,
                     const std::function<void(GE::Button*)>& visit)
{
    for (const auto& child : container.children) {
        if (auto* button = dynamic_cast<GE::Button*>(child.get()))
            visit(button);
        else if (auto* inner = dynamic_cast<GE::Render_object_container*>(child.get()))
            for_each_button(*inner, visit);
    }
}

void on_click(GE::Button& button, const std::string& sound, std::function<void()> action,
              bool stops_click, std::initializer_list<Action> actions)
{
    auto handler = [sound, action = std::move(action), stops_click](GE::Event& click) {
        // Read first: the action may destroy this handler along with its screen. The click
        // belongs to its dispatcher, so it is still there afterwards.
        const bool stop = stops_click;
        GE::play_sound(sound);
        action();
        if (stop)
            click.propagating = false;
    };
    if (actions.size() > 0)
        button.add_event_listener(
            "action", [&button, handler, actions = std::vector<Action>(actions)](GE::Event& event) {
                auto& asked = static_cast<Action_event&>(event);
                if (!button.visible ||
                    std::find(actions.begin(), actions.end(), asked.action) == actions.end())
                    return;
                asked.changed_something = true;
                handler(asked);
            });
    button.add_event_listener(GE::mouse_button_up_event, std::move(handler));
}

} // namespace Game
