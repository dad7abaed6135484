#include "engine/ui/focus.h"

#include "engine/core/render_context.h"
#include "engine/core/render_object_container.h"
#include "engine/ui/ui.h"
#include "engine/widgets/outline.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace GE {

namespace {

// The ring's line and its distance from the object, in design units.
constexpr float ring_line = 3;
constexpr float ring_gap = 6;

void collect(const Render_object_container& container, Focus::Objects& found)
{
    for (const auto& child : container.children) {
        if (!child->visible)
            continue;
        if (child->focusable)
            found.push_back(child);
        else if (const auto* inner = dynamic_cast<const Render_object_container*>(child.get()))
            collect(*inner, found);
    }
}

void sort_in_focus_order(Focus::Objects& objects)
{
    struct Placed {
        std::tuple<std::int32_t, float, float> order;
        std::shared_ptr<Render_object> object;
    };
    std::vector<Placed> placed;
    placed.reserve(objects.size());
    for (auto& object : objects) {
        const Screen_rect rect = object->get_screen_rect();
        placed.push_back({{object->focus_order, rect.y, rect.x}, std::move(object)});
    }
    std::stable_sort(placed.begin(), placed.end(),
                     [](const Placed& a, const Placed& b) { return a.order < b.order; });
    for (std::size_t i = 0; i < placed.size(); ++i)
        objects[i] = std::move(placed[i].object);
}

} // namespace

Focus::Objects Focus::ring(Render_object_container& root)
{
    Objects found;
    for (auto screen = root.children.rbegin(); screen != root.children.rend(); ++screen) {
        if ((*screen)->focusable)
            found.push_back(*screen);
        else if (const auto* container =
                     dynamic_cast<const Render_object_container*>(screen->get()))
            collect(*container, found);
        const auto* ui = dynamic_cast<const UI*>(screen->get());
        if (ui != nullptr && !ui->shares_focus)
            break;
    }
    sort_in_focus_order(found);
    return found;
}

std::shared_ptr<Render_object> Focus::focused(Render_object_container& root)
{
    const Objects objects = ring(root);
    const auto held = current.lock();
    if (held && std::find(objects.begin(), objects.end(), held) != objects.end())
        return held;
    if (!shown || objects.empty())
        return nullptr;
    const auto same = std::find_if(objects.begin(), objects.end(), [this](const auto& object) {
        return !current_id.empty() && object->id == current_id;
    });
    return same != objects.end() ? *same : objects.front();
}

bool Focus::move(Render_object_container& root, int step)
{
    auto held = focused(root);
    if (held && held->holds_keys()) {
        held->step_inside(step);
        return true;
    }
    const Objects objects = ring(root);
    if (objects.empty())
        return false;
    if (!held) {
        held = step > 0 ? objects.front() : objects.back();
    } else if (shown) {
        const auto count = static_cast<std::ptrdiff_t>(objects.size());
        const auto at = std::find(objects.begin(), objects.end(), held) - objects.begin();
        held = objects[static_cast<std::size_t>(((at + step) % count + count) % count)];
    }
    shown = true;
    hold(held);
    return true;
}

bool Focus::activate(Render_object_container& root)
{
    const auto held = focused(root);
    if (!held || !(shown || held->holds_keys()))
        return false;
    hold(held);
    held->activate();
    return true;
}

bool Focus::cancel(Render_object_container& root)
{
    const auto held = focused(root);
    if (!held || !held->holds_keys())
        return false;
    held->cancel();
    return true;
}

bool Focus::adjust(Render_object_container& root, int steps)
{
    const auto held = shown ? focused(root) : nullptr;
    return held && held->adjust(steps);
}

void Focus::pointer_pressed(Render_object_container& root, float x, float y)
{
    shown = false;
    const Objects objects = ring(root);
    const auto pressed = std::find_if(objects.begin(), objects.end(), [x, y](const auto& object) {
        return object->hit_test(x, y);
    });
    hold(pressed == objects.end() ? nullptr : *pressed);
}

void Focus::hold(const std::shared_ptr<Render_object>& object)
{
    current = object;
    current_id = object ? object->id : std::string{};
}

void Focus::draw(Render_object_container& root, Render_context& renderer, float origin_x,
                 float scale)
{
    if (!shown)
        return;
    const auto held = focused(root);
    if (!held)
        return;
    const Screen_rect rect = held->get_screen_rect();
    const float line = std::max(1.0f, std::round(ring_line * scale));
    const float margin = std::round(ring_gap * scale) + 2 * line;
    const SDL_FRect outer{origin_x + rect.x - margin, rect.y - margin, rect.w + 2 * margin,
                          rect.h + 2 * margin};
    set_draw_color(renderer.renderer, dark);
    draw_outline(renderer.renderer, outer, line);
    const SDL_FRect inner{outer.x + line, outer.y + line, outer.w - 2 * line, outer.h - 2 * line};
    set_draw_color(renderer.renderer, light);
    draw_outline(renderer.renderer, inner, line);
}

} // namespace GE
