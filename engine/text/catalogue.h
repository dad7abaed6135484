#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

namespace GE {

// The translations of one language, read from a gettext catalogue (a compiled .mo file). A text
// it does not hold stays as it is, so a game with no catalogue, or a catalogue that lags behind
// the data, shows its source text.
class Catalogue {
public:
    // Separates a context from its text in a catalogue's keys, as msgfmt writes them.
    static constexpr char context_separator = '\x04';

    Catalogue() = default;
    // Reads the bytes of a .mo file, `name` naming it in errors. Throws GE_runtime_error
    // "<name> is not a gettext catalogue: <why>" for a file that is not one, or is cut short.
    static Catalogue parse(std::string_view bytes, const std::string& name);
    // Reads the .mo file `file`; throws GE_runtime_error as parse does, or "Can not read <file>".
    static Catalogue load(const std::string& file);

    // The translation of `text`, said in `context` when there is one; `text` itself when the
    // catalogue has none (or an empty one, as msgfmt keeps for an untranslated entry).
    const std::string& translate(const std::string& text, std::string_view context = {}) const;
    // A field of the catalogue's header ("Language", "Plural-Forms"); empty when it has none.
    std::string header(std::string_view field) const;
    std::size_t size() const { return entries.size(); }

private:
    std::unordered_map<std::string, std::string> entries;
};

} // namespace GE
