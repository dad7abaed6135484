#include "game/hotspots.h"

#include "engine/core/event_names.h"
#include "engine/core/render_context.h"
#include "engine/core/render_object_container.h"
#include "engine/core/sdl_runtime_error.h"
#include "engine/resources/resources.h"
#include "engine/resources/texture.h"
#include "engine/widgets/label.h"
#include "engine/widgets/outline.h"

#include <SDL_render.h>

#include <cmath>

namespace Game {

namespace {

constexpr int font_size = 20;
constexpr int max_depth = 64;

bool is_hotspot(const GE::Render_object& object)
{
    return object.focusable || object.listens_to(GE::mouse_button_up_event) ||
           object.listens_to(GE::mouse_down_event) || object.listens_to("click");
}

} // namespace

void Hotspots::draw(GE::Render_object_container& root, GE::Render_context& renderer, float origin_x,
                    float scale)
{
    if (!shown)
        return;
    for (const auto& child : root.children)
        draw_object(*child, renderer, origin_x, scale, 1);
}

void Hotspots::draw_object(GE::Render_object& object, GE::Render_context& renderer, float origin_x,
                           float scale, int depth)
{
    if (is_hotspot(object)) {
        const GE::Screen_rect rect = object.get_screen_rect();
        const SDL_FRect box{origin_x + rect.x, rect.y, rect.w, rect.h};
        GE::set_draw_color(renderer.renderer, colour);
        GE::draw_outline(renderer.renderer, box, std::max(1.0f, std::round(2 * scale)));
        if (!object.id.empty()) {
            const GE::Label& name = name_of(renderer, object.id);
            SDL_Texture* texture = name.texture->sdl_texture(); // made, and measured, once
            const SDL_FRect place{box.x, std::max(0.0f, box.y - name.height * scale),
                                  name.width * scale, name.height * scale};
            GE::check_sdl(SDL_RenderCopyF(renderer.renderer, texture, nullptr, &place));
        }
    }
    if (auto* container = dynamic_cast<GE::Render_object_container*>(&object);
        container != nullptr && depth < max_depth)
        for (const auto& child : container->children)
            draw_object(*child, renderer, origin_x, scale, depth + 1);
}

const GE::Label& Hotspots::name_of(GE::Render_context& renderer, const std::string& id)
{
    auto& name = names[id];
    if (!name)
        name = std::make_shared<GE::Label>(
            &renderer, "", GE::Resources::instance().get_font("OpenSans-SemiBold.ttf", font_size),
            colour, id);
    return *name;
}

} // namespace Game
