#pragma once

#include <string>

// The picture's hint at the right door, written from the door's label.
namespace Game {

// Each digit 1 to 9 as a Roman numeral, any other character as a space: "12" gives "III".
std::string roman_numeral_text(const std::string& label);

// Each character raised by 16 (so 1 to 9 become A to I), a space kept as it is.
std::string shifted_letter_text(const std::string& label);

// A hint spelled out for a voice, a letter at a time: "VII" gives "V I I", and "I II" gives
// "I, I I".
std::string spelled_text(const std::string& hint);

} // namespace Game
