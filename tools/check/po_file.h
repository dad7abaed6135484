#pragma once

#include <string>
#include <vector>

namespace Tools {

// A translator's catalogue, a gettext PO file, as the checker reads it: its entries with their
// lines, the header and obsolete entries left out.
class Po_file {
public:
    struct Entry {
        std::string context; // msgctxt, empty when there is none
        std::string source;  // msgid
        std::string text;    // msgstr (the first form of a plural entry); empty: untranslated
        bool fuzzy = false;
        int line = 0; // of its msgid
    };

    // Reads `name`. Throws GE_runtime_error "Can not read <name>" or "<name>:<line>: <why>" for
    // a line the file format does not allow.
    explicit Po_file(std::string name);

    std::string name;
    std::vector<Entry> entries;
};

} // namespace Tools
