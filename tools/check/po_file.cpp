#include "tools/check/po_file.h"

#include "engine/core/ge_runtime_error.h"
#include "engine/resources/regular_file.h"

#include <sstream>
#include <string_view>

namespace Tools {

namespace {

// The text of a quoted string of the file, its C escapes undone; false for a line that is not
// one.
bool unquote(std::string_view quoted, std::string& text)
{
    if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"')
        return false;
    for (std::size_t at = 1; at + 1 < quoted.size(); ++at) {
        char letter = quoted[at];
        if (letter == '\\' && at + 2 < quoted.size()) {
            letter = quoted[++at];
            letter = letter == 'n' ? '\n' : letter == 't' ? '\t' : letter == 'r' ? '\r' : letter;
        }
        text += letter;
    }
    return true;
}

// One field of the file ("msgid", "msgstr[0]") with its text, continuation lines joined.
struct Field {
    std::string keyword;
    std::string text;
    int line;
    bool fuzzy; // marked so by the comments before its entry
};

std::vector<Field> read_fields(const std::string& bytes, const std::string& name)
{
    std::vector<Field> fields;
    std::istringstream in(bytes);
    bool fuzzy = false;
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const auto fail = [&](const std::string& why) {
            throw GE::GE_runtime_error(name + ":" + std::to_string(number) + ": " + why);
        };
        if (line.starts_with("#,"))
            fuzzy = line.find("fuzzy") != std::string::npos;
        if (line.empty() || line.starts_with('#'))
            continue; // obsolete entries ("#~") too
        if (line.starts_with('"')) {
            if (fields.empty() || !unquote(line, fields.back().text))
                fail("a string that continues no field");
            continue;
        }
        const std::size_t space = line.find(' ');
        Field field{line.substr(0, space), "", number, fuzzy};
        if (space == std::string::npos || !unquote(line.substr(space + 1), field.text))
            fail("a field without its quoted string");
        if (field.keyword == "msgctxt" || field.keyword == "msgid")
            fuzzy = false;
        fields.push_back(std::move(field));
    }
    return fields;
}

} // namespace

Po_file::Po_file(std::string file) : name(std::move(file))
{
    const auto bytes = GE::read_regular_file(name);
    if (!bytes)
        throw GE::GE_runtime_error("Can not read " + name);
    Entry entry;
    bool after_context = false;
    for (const Field& field : read_fields(*bytes, name)) {
        if (field.keyword == "msgctxt" || (field.keyword == "msgid" && !after_context)) {
            entry = {};
            entry.fuzzy = field.fuzzy;
        }
        after_context = field.keyword == "msgctxt";
        if (field.keyword == "msgctxt") {
            entry.context = field.text;
        } else if (field.keyword == "msgid") {
            entry.source = field.text;
            entry.fuzzy = entry.fuzzy || field.fuzzy;
            entry.line = field.line;
        } else if (field.keyword == "msgstr" || field.keyword == "msgstr[0]") {
            entry.text = field.text;
            if (!entry.source.empty()) // the empty one is the header
                entries.push_back(entry);
        } else if (field.keyword != "msgid_plural" && !field.keyword.starts_with("msgstr[")) {
            throw GE::GE_runtime_error(name + ":" + std::to_string(field.line) +
                                       ": unknown keyword " + field.keyword);
        }
    }
}

} // namespace Tools
