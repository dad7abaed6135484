#pragma once

#include <string>

namespace GE {

// A named event; a listener clears `propagating` to stop further delivery through the tree.
class Event {
public:
    explicit Event(std::string name) : name(std::move(name)) {}
    virtual ~Event() = default;

    std::string name;
    bool propagating = true;
};

} // namespace GE
