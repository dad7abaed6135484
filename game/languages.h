#pragma once

#include <string>
#include <vector>

namespace Game {

// The languages the game can be shown in: English, which the data is written in, and one for
// each catalogue ("de.mo") in the data folder's "languages" folder. Adding a language is adding
// its catalogue: nothing here names one.
class Languages {
public:
    static constexpr const char* folder = "languages";

    struct Choice {
        std::string code; // "de"
        std::string name; // in its own language: "Deutsch"
    };

    // The codes of the languages: "en" first, then each catalogue's, in order; nothing is read.
    static std::vector<std::string> codes();
    // The languages of codes() with their names, each catalogue read for its own; a catalogue
    // that cannot be read is named by its code.
    static std::vector<Choice> available();
    // The first of the player's preferred languages (the system's, or the browser's) among
    // `codes`: by language and country ("pt_BR"), else by language alone ("de_AT" finds "de");
    // English when none is.
    static std::string preferred(const std::vector<std::string>& codes);
    // Shows and speaks the game in `code` from now on: its catalogue, English for "en", the
    // pseudo-language for its code. Throws GE_runtime_error, the game staying in English, for a
    // catalogue that is missing or broken.
    static void use(const std::string& code);
};

} // namespace Game
