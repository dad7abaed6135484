#include "engine/text/language.h"

#include <algorithm>
#include <array>

namespace GE {

namespace {

// The letter the pseudo-language shows for each of a to z, then of A to Z: accented where Latin-1
// or Latin Extended-A, which the game's font covers, has an accented form.
constexpr std::array<std::string_view, 52> accented = {
    "á", "b", "ç", "ď", "é", "f", "ğ", "ĥ", "í", "ĵ", "ķ", "ĺ", "m", "ñ", "ö", "p", "q", "ŕ",
    "š", "ţ", "ü", "v", "ŵ", "x", "ý", "ž", "Å", "B", "Ç", "Ď", "É", "F", "Ğ", "Ĥ", "Í", "Ĵ",
    "Ķ", "Ĺ", "M", "Ñ", "Ö", "P", "Q", "Ŕ", "Š", "Ţ", "Ü", "V", "Ŵ", "X", "Ý", "Ž"};

std::string_view accent(char letter)
{
    if (letter >= 'a' && letter <= 'z')
        return accented[static_cast<std::size_t>(letter - 'a')];
    if (letter >= 'A' && letter <= 'Z')
        return accented[26 + static_cast<std::size_t>(letter - 'A')];
    return {};
}

} // namespace

Language& Language::current()
{
    static Language language;
    return language;
}

void Language::use(std::string code, Catalogue new_catalogue)
{
    language_code = std::move(code);
    catalogue = std::move(new_catalogue);
}

std::string Language::translate(const std::string& text, std::string_view context) const
{
    return language_code == pseudo_code ? pseudo(text) : catalogue.translate(text, context);
}

std::string Language::pseudo(std::string_view text)
{
    if (text.empty())
        return {};
    std::string shown = "[";
    std::size_t letters = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char letter = text[at];
        if (letter == '{' && text.find('}', at) != std::string_view::npos) {
            const std::size_t end = text.find('}', at);
            shown.append(text.substr(at, end + 1 - at)); // a placeholder stays as it is
            at = end;
            continue;
        }
        const std::string_view replaced = accent(letter);
        if (replaced.empty())
            shown += letter;
        else
            shown.append(replaced);
        ++letters;
    }
    // A third longer, and a little more: the brackets count among the added letters.
    for (std::size_t added = 2; added < (letters * 35 + 99) / 100; ++added)
        shown.append(added % 2 ? "~" : "ŵ");
    return shown + "]";
}

std::string tr(const std::string& text, std::string_view context)
{
    return Language::current().translate(text, context);
}

std::string fill(const std::string& text,
                 std::initializer_list<std::pair<std::string_view, std::string>> values)
{
    // One pass: a value that holds braces is never taken for a placeholder.
    std::string filled;
    std::size_t from = 0;
    for (std::size_t open = text.find('{'); open != std::string::npos;
         open = text.find('{', from)) {
        const std::size_t close = text.find('}', open);
        if (close == std::string::npos)
            break;
        const std::string_view name = std::string_view(text).substr(open + 1, close - open - 1);
        const auto value = std::find_if(values.begin(), values.end(),
                                        [&](const auto& pair) { return pair.first == name; });
        filled.append(text, from, open - from);
        if (value == values.end())
            filled.append(text, open, close + 1 - open);
        else
            filled.append(value->second);
        from = close + 1;
    }
    return filled.append(text, from);
}

} // namespace GE
