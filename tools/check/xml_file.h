#pragma once

#include <pugixml.hpp>

#include <string>

namespace Tools {

// An XML file of the data folder, read whole so that a node's place can be told as a line.
class Xml_file {
public:
    // Reads and parses `name` (relative to the working directory); see parsed() and failure.
    explicit Xml_file(std::string name);

    bool parsed() const { return failure.empty(); }
    // The line, counted from 1, on which the node starts; 0 for an empty node.
    int line_of(const pugi::xml_node& node) const;
    int line_at(std::ptrdiff_t offset) const;

    std::string name;
    pugi::xml_document document;
    // Why the file could not be read or parsed, and where; empty when it was.
    std::string failure;
    int failure_line = 0;

private:
    std::string content;
};

} // namespace Tools
