#include "engine/widgets/label.h"

#include "engine/core/render_context.h"
#include "engine/resources/font.h"
#include "engine/resources/text_surface.h"
#include "engine/resources/texture.h"

namespace GE {

namespace {

std::shared_ptr<Texture> render_text(Render_context* context, const std::shared_ptr<Font>& font,
                                     SDL_Color color, const std::string& text, int wrap_width)
{
    return std::make_shared<Texture>(context->renderer, [font, color, text, wrap_width] {
        return std::make_unique<Text_surface>(font->font, text, color, wrap_width);
    });
}

} // namespace

Label::Label(Render_context* renderer, const std::string& id, const std::shared_ptr<Font>& font,
             SDL_Color color, const std::string& text, int wrap_width)
    : Sprite(render_text(renderer, font, color, text, wrap_width), id), text(text), font(font),
      color(color)
{
}

} // namespace GE
