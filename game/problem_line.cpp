#include "game/problem_line.h"

#include "engine/core/render_object_container.h"
#include "engine/resources/font.h"
#include "engine/resources/resources.h"
#include "engine/text/language.h"
#include "engine/widgets/label.h"

#include <SDL_ttf.h>

#include <iostream>

namespace Game {

namespace {

constexpr SDL_Color candle{255, 206, 128, 255};
constexpr float line_y = 1030;
constexpr const char* ellipsis = "...";

int width_of(GE::Font& font, const std::string& text)
{
    int width = 0;
    int height = 0;
    return TTF_SizeUTF8(font.font, text.c_str(), &width, &height) == 0 ? width : 0;
}

// The longest start of `text` that fits `widest` with an ellipsis after it, found by halving, so
// that even a text of megabytes costs a few dozen measurements.
std::string shortened(GE::Font& font, const std::string& text, int widest)
{
    if (width_of(font, text) <= widest)
        return text;
    std::size_t fits = 0;
    std::size_t too_long = text.size();
    while (too_long - fits > 1) {
        const std::size_t middle = fits + (too_long - fits) / 2;
        (width_of(font, text.substr(0, middle) + ellipsis) <= widest ? fits : too_long) = middle;
    }
    // Never cut a character in two: a continuation byte goes with the byte it continues.
    while (fits > 0 && (static_cast<unsigned char>(text[fits]) & 0xC0) == 0x80)
        --fits;
    return text.substr(0, fits) + ellipsis;
}

} // namespace

Problem_line::Problem_line(GE::Render_context* renderer, GE::Render_object_container& root)
    : renderer(renderer), root(&root)
{
}

void Problem_line::report(const std::string& english,
                          std::initializer_list<std::pair<std::string_view, std::string>> values)
{
    std::cerr << "Vossmere: " << GE::fill(english, values) << '\n';
    const std::string text = GE::fill(GE::tr(english), values);
    hide();
    const auto& font = GE::Resources::instance().get_font(font_file, font_size);
    label = std::make_shared<GE::Label>(renderer, "problem", font, candle,
                                        shortened(*font, text, widest));
    label->horizontal_align = GE::Horizontal_align::center;
    label->set_y(line_y);
    root->add_child(label);
}

void Problem_line::hide()
{
    if (label)
        root->remove_child(label);
}

bool Problem_line::is(const std::shared_ptr<GE::Render_object>& object) const
{
    return label && object == label;
}

} // namespace Game
