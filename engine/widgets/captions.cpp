#include "engine/widgets/captions.h"

#include "engine/core/ge_runtime_error.h"
#include "engine/core/render_context.h"
#include "engine/core/sdl_runtime_error.h"
#include "engine/resources/load_xml_file.h"
#include "engine/resources/resources.h"
#include "engine/resources/texture.h"
#include "engine/text/language.h"
#include "engine/widgets/label.h"
#include "engine/widgets/outline.h"

#include <SDL_render.h>
#include <pugixml.hpp>

#include <algorithm>
#include <cmath>

namespace GE {

namespace {

const std::string font_file = "OpenSans-SemiBold.ttf";
// Around each line's text, and below the lowest, in design units.
constexpr float padding = 10;
constexpr float bottom_margin = 24;

} // namespace

Captions::Captions(Render_context* renderer, std::function<Uint64()> clock)
    : clock(std::move(clock)), renderer(renderer)
{
}

Captions::~Captions() = default;

void Captions::load(const std::string& file)
{
    pugi::xml_document document;
    if (!load_xml_file(document, file))
        throw GE_runtime_error("Can not read the captions in " + file);
    std::map<std::string, std::string> read;
    for (const auto& caption : document.child("captions").children("caption")) {
        const std::string sound = caption.attribute("sound").as_string();
        const std::string text = caption.attribute("text").as_string();
        if (sound.empty() || text.empty())
            throw GE_runtime_error(file + " has a caption without its sound or its text");
        read[sound] = text;
    }
    texts = std::move(read);
}

void Captions::set_enabled(bool enabled)
{
    on = enabled;
    if (!on)
        lines.clear();
}

bool Captions::heard(const std::string& name, int length_ms)
{
    const auto caption = texts.find(name);
    if (!on || caption == texts.end())
        return false;
    if (!font)
        font = Resources::instance().get_font(font_file, font_size);
    const Uint64 lasting =
        length_ms < 0 ? music_ms : std::max(shortest_ms, static_cast<Uint64>(length_ms));
    // A sound heard again moves up with its new time.
    std::erase_if(lines, [&](const Line& line) { return line.name == name; });
    const Label text(renderer, "", font, text_colour, tr(caption->second), wrap_width);
    lines.push_front({name, text.texture, clock() + lasting});
    if (lines.size() > most_lines)
        lines.pop_back();
    return true;
}

bool Captions::expire()
{
    const Uint64 now = clock();
    return std::erase_if(lines, [now](const Line& line) { return line.until <= now; }) > 0;
}

int Captions::ms_until_change() const
{
    if (lines.empty())
        return -1;
    const Uint64 now = clock();
    const auto next = std::min_element(
        lines.begin(), lines.end(), [](const Line& a, const Line& b) { return a.until < b.until; });
    return next->until <= now ? 0 : static_cast<int>(next->until - now);
}

void Captions::draw(const SDL_FRect& canvas, float scale)
{
    SDL_Renderer* sdl_renderer = renderer->renderer;
    float bottom = canvas.y + canvas.h - std::round(bottom_margin * scale);
    // The oldest lowest, the newest above it.
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        const float width = std::round(static_cast<float>(line->text->width) * scale);
        const float height = std::round(static_cast<float>(line->text->height) * scale);
        const float pad = std::round(padding * scale);
        const SDL_FRect band{std::round(canvas.x + (canvas.w - width) / 2 - pad),
                             bottom - height - 2 * pad, width + 2 * pad, height + 2 * pad};
        set_draw_color(sdl_renderer, band_colour);
        check_sdl(SDL_RenderFillRectF(sdl_renderer, &band));
        const SDL_FRect place{band.x + pad, band.y + pad, width, height};
        check_sdl(SDL_RenderCopyF(sdl_renderer, line->text->sdl_texture(), nullptr, &place));
        bottom = band.y;
    }
}

} // namespace GE
