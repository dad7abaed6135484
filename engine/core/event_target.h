#pragma once

#include "engine/core/event.h"

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace GE {

using Event_listener = std::function<void(Event&)>;

// Keeps listeners per event name and calls them, in the order added, when that name is dispatched.
class Event_target {
public:
    Event_target() = default;
    Event_target(const Event_target&) = delete;
    Event_target& operator=(const Event_target&) = delete;
    virtual ~Event_target() = default;

    void add_event_listener(const std::string& name, Event_listener listener);

    // Removes every listener of `name` whose callable has the same type as `listener`'s: a copy
    // of the listener that was added (or any lambda of the same expression) removes them all.
    void remove_event_listener(const std::string& name, Event_listener listener);

    virtual void dispatch_event(Event& event);
    void dispatch_event(const std::string& name);

    // Whether a listener waits for `name`.
    bool listens_to(const std::string& name) const;

protected:
    // Calls the listeners of `name` that exist when the call starts; `before_each` decides
    // whether each one runs. Safe against listeners that add to or remove from that list.
    template <typename Predicate>
    void call_listeners(const std::string& name, Event& event, Predicate before_each);

private:
    // Node-based, so a name's list stays in place when another name is added mid-dispatch.
    std::unordered_map<std::string, std::vector<Event_listener>> listeners;
};

template <typename Predicate>
void Event_target::call_listeners(const std::string& name, Event& event, Predicate before_each)
{
    const auto found = listeners.find(name);
    if (found == listeners.end())
        return;
    const auto& list = found->second;
    const auto count = list.size();
    for (std::size_t i = 0; i < count && i < list.size(); ++i) {
        if (!before_each())
            continue;
        // A copy, so a listener that changes this list cannot pull the callable from under itself.
        const Event_listener listener = list[i];
        listener(event);
    }
}

} // namespace GE
