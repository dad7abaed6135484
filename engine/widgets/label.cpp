#include "engine/widgets/label.h"

#include "engine/core/render_context.h"
#include "engine/resources/font.h"
#include "engine/resources/resources.h"
#include "engine/resources/text_surface.h"
#include "engine/resources/texture.h"

#include <SDL_ttf.h>

namespace GE {

namespace {

// The text in `font`'s face at the context's density: its pixels are that many times the label's
// units.
std::shared_ptr<Texture> render_text(Render_context* context, const std::shared_ptr<Font>& font,
                                     SDL_Color color, const std::string& text, int wrap_width)
{
    const int density = context->text_density;
    std::shared_ptr<Font> face =
        density > 1 ? Resources::instance().get_font(font->file, font->size * density) : font;
    return std::make_shared<Texture>(
        context->renderer, [face = std::move(face), color, text, wrap = wrap_width * density] {
            return std::make_unique<Text_surface>(face->font, text, color, wrap);
        });
}

} // namespace

Label::Label(Render_context* renderer, const std::string& id, const std::shared_ptr<Font>& font,
             SDL_Color color, const std::string& text, int wrap_width)
    : Sprite(render_text(renderer, font, color, text, wrap_width), id), text(text), font(font),
      color(color)
{
    if (renderer->text_density == 1)
        return;
    // A line takes the place it takes at the design's size, where the layout was made: hinting
    // sets glyphs a little wider at other sizes.
    int line_width = 0;
    int line_height = 0;
    if (wrap_width == 0 && TTF_SizeUTF8(font->font, text.c_str(), &line_width, &line_height) == 0) {
        width = static_cast<float>(line_width);
        height = static_cast<float>(line_height);
        return;
    }
    width /= static_cast<float>(renderer->text_density);
    height /= static_cast<float>(renderer->text_density);
}

} // namespace GE
