#include "tools/check/catalogue_checker.h"

#include "engine/core/ge_runtime_error.h"
#include "engine/resources/font.h"
#include "engine/resources/image_surface.h"
#include "engine/resources/resources.h"
#include "engine/resources/text_surface.h"
#include "engine/text/language.h"
#include "engine/ui/ui_loader.h"
#include "engine/widgets/captions.h"
#include "game/letterbox.h"
#include "tools/check/po_file.h"
#include "tools/check/xml_file.h"

#include <SDL_ttf.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string_view>

namespace Tools {

namespace {

constexpr int max_depth = 64;
const std::string captions_file = "captions.xml";
const std::string captions_font = "OpenSans-SemiBold.ttf";

// Labels the game fills in itself, which the catalogues do not translate from the file (as
// tools/i18n/vossmere.its tells xgettext).
bool filled_in_by_the_game(const pugi::xml_node& label)
{
    const std::string_view id = label.attribute("id").as_string("");
    return std::string_view(label.attribute("text").as_string("?")) == "?" || id == "door_label" ||
           id == "picture_label" || id == "countdown";
}

// The "{name}" placeholders of `text`, in order of their names.
std::multiset<std::string> placeholders(const std::string& text)
{
    std::multiset<std::string> found;
    for (std::size_t open = text.find('{'); open != std::string::npos;
         open = text.find('{', open + 1))
        if (const std::size_t close = text.find('}', open); close != std::string::npos)
            found.insert(text.substr(open, close + 1 - open));
    return found;
}

// The code points of UTF-8 `text`; false when it is not UTF-8.
bool code_points(const std::string& text, std::vector<char32_t>& points)
{
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const int length = lead < 0x80       ? 1
                           : lead >> 5 == 6  ? 2
                           : lead >> 4 == 14 ? 3
                           : lead >> 3 == 30 ? 4
                                             : 0;
        if (length == 0 || at + static_cast<std::size_t>(length) > text.size())
            return false;
        char32_t point = length == 1 ? lead : lead & (0x7F >> length);
        for (int more = 1; more < length; ++more) {
            const auto next = static_cast<unsigned char>(text[at + static_cast<std::size_t>(more)]);
            if (next >> 6 != 2)
                return false;
            point = point << 6 | (next & 0x3F);
        }
        points.push_back(point);
        at += static_cast<std::size_t>(length);
    }
    return true;
}

int width_of(const std::string& font_file, int size, const std::string& text)
{
    const auto font = GE::Resources::instance().get_font(font_file, size);
    int width = 0;
    int height = 0;
    return TTF_SizeUTF8(font->font, text.c_str(), &width, &height) == 0 ? width : 0;
}

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

} // namespace

Catalogue_checker::Catalogue_checker()
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(".", error))
        if (entry.path().extension() == ".xml" && entry.path().filename() != captions_file)
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    for (const auto& name : names)
        gather_labels(name);
    gather_captions();
}

void Catalogue_checker::gather_labels(const std::string& file_name)
{
    const Xml_file file(file_name);
    if (!file.parsed())
        return; // the data checker says why
    const pugi::xml_node root = file.document.document_element();
    std::map<std::string, std::pair<std::string, int>> fonts;
    for (const pugi::xml_node& font : root.children("font"))
        fonts[font.attribute("id").as_string("")] = {font.attribute("file").as_string(""),
                                                     font.attribute("size").as_int(0)};
    const auto walk = [&](const auto& self, const pugi::xml_node& parent, float room,
                          const std::string& place, int depth) -> void {
        for (const pugi::xml_node& node : parent.children()) {
            const std::string_view name = node.name();
            const std::string where = file_name + ":" + std::to_string(file.line_of(node));
            if (name == "label" && !filled_in_by_the_game(node)) {
                const auto font = fonts.find(node.attribute("font_id").as_string(""));
                const int wrap = node.attribute("wrap").as_int(0);
                if (font != fonts.end() && font->second.second > 0)
                    drawn.push_back(
                        {node.attribute("text").as_string(), font->second.first,
                         font->second.second, room,
                         wrap > 0        ? "the canvas below " + where
                         : place.empty() ? "the canvas (" + where + ")"
                                         : place,
                         file_name, file.line_of(node), wrap,
                         static_cast<int>(Game::design_height) - node.attribute("y").as_int(0)});
            } else if (name == "button" && depth < max_depth) {
                float width = node.attribute("width").as_float(0);
                if (width <= 0)
                    try {
                        width = static_cast<float>(
                            GE::Image_surface(node.attribute("file").as_string("")).surface->w);
                    } catch (const std::exception&) {
                        width = room; // the data checker names the image
                    }
                self(self, node, width,
                     "the button " + quoted(node.attribute("id").as_string("")) + " (" + where +
                         ")",
                     depth + 1);
            } else if (name == "rect" && node.attribute("width").as_float(0) > 0 &&
                       depth < max_depth) {
                self(self, node, node.attribute("width").as_float(0), "its box (" + where + ")",
                     depth + 1);
            } else if (const GE::UI_element* element = GE::UI_Loader::element(name);
                       element != nullptr && element->holds_elements && depth < max_depth) {
                self(self, node, room, place, depth + 1);
            }
        }
    };
    walk(walk, root, Game::design_width, "", 1);
}

void Catalogue_checker::gather_captions()
{
    const Xml_file file(captions_file);
    if (!file.parsed())
        return;
    const auto font = GE::Resources::instance().get_font(captions_font, GE::Captions::font_size);
    for (const pugi::xml_node& caption : file.document.child("captions").children("caption"))
        drawn.push_back(
            {caption.attribute("text").as_string(), captions_font, GE::Captions::font_size,
             Game::design_width,
             "two lines (" + captions_file + ":" + std::to_string(file.line_of(caption)) + ")",
             captions_file, file.line_of(caption), GE::Captions::wrap_width,
             2 * TTF_FontLineSkip(font->font)});
}

void Catalogue_checker::check_fit(const Drawn_text& text, const std::string& shown,
                                  const std::string& language, const std::string& file, int line,
                                  std::vector<Problem>& problems)
{
    if (text.wrap > 0) {
        const auto font = GE::Resources::instance().get_font(text.font_file, text.size);
        const int height = GE::Text_surface(font->font, shown, {}, text.wrap).surface->h;
        if (height > text.most_height)
            problems.push_back({file, line,
                                language + ": " + quoted(shown) + " is " + std::to_string(height) +
                                    " high, more than the " + std::to_string(text.most_height) +
                                    " of " + text.place});
        return;
    }
    const int width = width_of(text.font_file, text.size, shown);
    // A button's labels for its looks are one text: said once.
    const std::string message = language + ": " + quoted(shown) + " is " + std::to_string(width) +
                                " wide, more than the " +
                                std::to_string(static_cast<int>(text.room)) + " of " + text.place;
    if (static_cast<float>(width) > text.room &&
        std::none_of(problems.begin(), problems.end(),
                     [&](const Problem& problem) { return problem.message == message; }))
        problems.push_back({file, line, message});
}

void Catalogue_checker::check_entry(const Po_file& catalogue, const std::string& language,
                                    std::vector<Problem>& problems, std::size_t index)
{
    const Po_file::Entry& entry = catalogue.entries[index];
    const auto report = [&](const std::string& message, bool warning = false) {
        problems.push_back({catalogue.name, entry.line, language + ": " + message, warning});
    };
    if (entry.text.empty()) {
        report("untranslated: " + quoted(entry.source), true);
        return;
    }
    if (entry.fuzzy)
        report("fuzzy, and so not used: " + quoted(entry.source), true);
    if (placeholders(entry.text) != placeholders(entry.source))
        report(quoted(entry.text) + " has other placeholders than " + quoted(entry.source));
    std::vector<char32_t> points;
    if (!code_points(entry.text, points)) {
        report(quoted(entry.text) + " is not UTF-8");
        return;
    }
    const auto font = GE::Resources::instance().get_font(captions_font, GE::Captions::font_size);
    for (const char32_t point : points)
        if (point >= ' ' && TTF_GlyphIsProvided32(font->font, point) == 0) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(point));
            report(quoted(entry.text) + " has a letter the font lacks: " + code);
        }
    if (!entry.context.empty() || entry.fuzzy)
        return; // the data's texts have no context
    for (const Drawn_text& text : drawn)
        if (text.source == entry.source)
            check_fit(text, entry.text, language, catalogue.name, entry.line, problems);
}

std::vector<Problem> Catalogue_checker::check(const std::string& po_file)
{
    std::vector<Problem> problems;
    const std::string language = std::filesystem::path(po_file).stem().string();
    try {
        const Po_file catalogue(po_file);
        for (std::size_t index = 0; index < catalogue.entries.size(); ++index)
            check_entry(catalogue, language, problems, index);
    } catch (const GE::GE_runtime_error& error) {
        problems.push_back({po_file, 0, error.what()});
    }
    return problems;
}

std::vector<Problem> Catalogue_checker::check_pseudo()
{
    std::vector<Problem> problems;
    for (const Drawn_text& text : drawn)
        check_fit(text, GE::Language::pseudo(text.source), std::string(GE::Language::pseudo_code),
                  text.file, text.line, problems);
    return problems;
}

} // namespace Tools
