#pragma once

#include "engine/text/catalogue.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace GE {

// The language the game shows and speaks its texts in: English, as the data and the code write
// them, a catalogue's, or the pseudo-language that finds texts that do not fit. Every text a
// player reads or hears goes through `tr` on its way.
class Language {
public:
    // The code of the pseudo-language: every letter accented and each text a third longer, its
    // placeholders kept. It is for testing and never offered to players.
    static constexpr std::string_view pseudo_code = "pseudo";

    // The language of the whole game.
    static Language& current();

    // Shows texts in `code` ("de") translated by `catalogue`; "en" with an empty catalogue is
    // English, and `pseudo_code` the pseudo-language whatever the catalogue.
    void use(std::string code, Catalogue catalogue = {});
    const std::string& code() const { return language_code; }

    // `text` in this language, said in `context` where one English text means two things.
    std::string translate(const std::string& text, std::string_view context = {}) const;
    // `text` in the pseudo-language.
    static std::string pseudo(std::string_view text);

private:
    std::string language_code = "en";
    Catalogue catalogue;
};

// `text` in the game's language; xgettext finds the texts to translate by this name.
std::string tr(const std::string& text, std::string_view context = {});

// `text` with each "{name}" replaced by its value, so that a translation can put the numbers and
// names where its language wants them: fill(tr("Reverting in {seconds} s"), {{"seconds", "9"}}).
std::string fill(const std::string& text,
                 std::initializer_list<std::pair<std::string_view, std::string>> values);

} // namespace GE
