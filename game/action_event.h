#pragma once

#include "engine/core/event.h"
#include "game/action_table.h"

namespace Game {

// An action asked for by a key or a pad button, delivered through the screens as "action".
class Action_event : public GE::Event {
public:
    explicit Action_event(Action action) : GE::Event("action"), action(action) {}

    Action action;
    // Set by whatever acted on it: only then is a frame worth drawing.
    bool changed_something = false;
};

} // namespace Game
