#include "engine/core/event_target.h"

#include <typeinfo>

namespace GE {

bool Event_target::listens_to(const std::string& name) const
{
    const auto found = listeners.find(name);
    return found != listeners.end() && !found->second.empty();
}

void Event_target::add_event_listener(const std::string& name, Event_listener listener)
{
    listeners[name].push_back(std::move(listener));
}

void Event_target::remove_event_listener(const std::string& name, Event_listener listener)
{
    const auto found = listeners.find(name);
    if (found == listeners.end())
        return;
    const std::type_info& type = listener.target_type();
    std::erase_if(found->second,
                  [&type](const Event_listener& stored) { return stored.target_type() == type; });
}

void Event_target::dispatch_event(Event& event)
{
    call_listeners(event.name, event, [] { return true; });
}

void Event_target::dispatch_event(const std::string& name)
{
    Event event(name);
    dispatch_event(event);
}

} // namespace GE
