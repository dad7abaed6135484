#include "game/hint_text.h"

#include <array>

namespace Game {

std::string roman_numeral_text(const std::string& label)
{
    static const std::array<const char*, 9> numerals{"I",  "II",  "III",  "IV", "V",
                                                     "VI", "VII", "VIII", "IX"};
    std::string text;
    for (const char character : label) {
        if (character >= '1' && character <= '9')
            text += numerals[static_cast<std::size_t>(character - '1')];
        else
            text += ' ';
    }
    return text;
}

std::string shifted_letter_text(const std::string& label)
{
    std::string text = label;
    for (char& character : text) {
        if (character != ' ')
            character = static_cast<char>(static_cast<unsigned char>(character) + 16);
    }
    return text;
}

std::string spelled_text(const std::string& hint)
{
    std::string text;
    bool after_letter = false;
    for (const char character : hint) {
        if (character == ' ') {
            text += after_letter ? ", " : "";
            after_letter = false;
            continue;
        }
        if (after_letter)
            text += ' ';
        text += character;
        after_letter = true;
    }
    return text;
}

} // namespace Game
