#pragma once

#include "tools/check/data_checker.h"

#include <functional>
#include <string>
#include <vector>

namespace Tools {

class Po_file;

// Checks the translations of the game's texts. In each translator's catalogue: entries left
// untranslated or fuzzy (warnings), placeholders other than the English ones and letters the
// game's font lacks (errors). For every text the screens and scenes draw, and every caption:
// whether its translation fits where it is drawn at the design size (errors). The
// pseudo-language, a third longer than English, finds the texts with too little room before a
// translator does.
class Catalogue_checker {
public:
    // Reads what the data folder (the working directory) draws and where.
    Catalogue_checker();

    // The problems of the catalogue `po_file`, its language named by its file's stem ("de").
    std::vector<Problem> check(const std::string& po_file);
    // The drawn texts that would not fit in the pseudo-language.
    std::vector<Problem> check_pseudo();

private:
    // A text the data draws, and the room it has: a button's width, the rectangle's it sits in,
    // or the canvas's; a text wrapped at `wrap` has the height `most_height` instead.
    struct Drawn_text {
        std::string source;
        std::string font_file;
        int size;
        float room;
        std::string place; // "the button \"play\" (main_menu.xml:17)"
        std::string file;
        int line;
        int wrap = 0;
        int most_height = 0;
    };

    void gather_labels(const std::string& file_name);
    void gather_captions();
    // A problem when `shown`, the text of `drawn` in `language`, is wider than its room.
    void check_fit(const Drawn_text& drawn, const std::string& shown, const std::string& language,
                   const std::string& file, int line, std::vector<Problem>& problems);
    void check_entry(const Po_file& catalogue, const std::string& language,
                     std::vector<Problem>& problems, std::size_t index);

    std::vector<Drawn_text> drawn;
};

} // namespace Tools
