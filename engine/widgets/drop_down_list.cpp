#include "engine/widgets/drop_down_list.h"

#include "engine/core/app_window.h"
#include "engine/core/event_names.h"
#include "engine/core/mouse_event.h"
#include "engine/core/render_context.h"
#include "engine/core/sdl_runtime_error.h"
#include "engine/resources/resources.h"
#include "engine/text/language.h"
#include "engine/widgets/label.h"
#include "engine/widgets/outline.h"
#include "engine/widgets/sprite.h"

#include <SDL_render.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <tuple>
#include <utility>

namespace GE {

namespace {

// The arrow's size and its distance from the box's right and top edges, in design units.
constexpr float arrow_width = 16;
constexpr float arrow_height = 9;
constexpr float arrow_right_margin = 10;
constexpr float arrow_top_margin = 10;

// Puts an object's position and size back when it goes out of scope, so that drawing, which
// moves and resizes objects outside the tree to scale them, leaves them as it found them.
class Geometry_guard {
public:
    explicit Geometry_guard(Render_object& object)
        : object(object), x(object.x), y(object.y), width(object.width), height(object.height)
    {
    }
    ~Geometry_guard()
    {
        object.x = x;
        object.y = y;
        object.width = width;
        object.height = height;
    }
    Geometry_guard(const Geometry_guard&) = delete;
    Geometry_guard& operator=(const Geometry_guard&) = delete;

private:
    Render_object& object;
    float x;
    float y;
    float width;
    float height;
};

std::shared_ptr<Sprite> make_arrow(Render_context* renderer, const std::string& file,
                                   const SDL_FRect& rect)
{
    const auto& texture = Resources::instance().get_texture(renderer, file);
    return std::make_shared<Sprite>(texture, SDL_FRect{rect.x, rect.y, arrow_width, arrow_height});
}

template <typename Map>
typename Map::mapped_type entry(const Map& map, int key)
{
    const auto found = map.find(key);
    return found == map.end() ? nullptr : found->second;
}

} // namespace

Drop_down_list::Drop_down_list(Render_context* renderer, const std::string& id,
                               const SDL_FRect& rect, SDL_Color color, SDL_Color list_color,
                               int selected_index, int line_thickness, int inner_offset_x,
                               int inner_offset_y)
    : Render_object_container(rect.x, rect.y, rect.w, rect.h, id), renderer(renderer),
      selected_index(selected_index), color(color), list_color(list_color),
      line_thickness(line_thickness), inner_offset_x(inner_offset_x), inner_offset_y(inner_offset_y)
{
    focusable = true;
    triangle_images[0] = make_arrow(renderer, "triangle.png", rect);
    triangle_images[1] = make_arrow(renderer, "triangle_over.png", rect);
    add_event_listener(mouse_over_event, [this](Event&) { show_background(true); });
    add_event_listener(mouse_out_event, [this](Event&) { show_background(false); });
}

void Drop_down_list::dispatch_event(Event& event)
{
    Render_object::dispatch_event(event);
    auto* mouse = dynamic_cast<Mouse_event*>(&event);
    if (mouse == nullptr)
        return;
    const float px = mouse->x;
    const float py = mouse->y;
    const auto before = std::tuple(is_open, selected_index, hovered_index, highlight_by_keys);
    if (event.name == mouse_button_up_event) {
        if (handle_click(px, py)) {
            // The screen's listeners see the click again, now with the list changed.
            call_listeners(event.name, event, [&event] { return event.propagating; });
            event.propagating = false;
        }
    } else if (event.name == mouse_motion_event) {
        highlight_by_keys = highlight_by_keys && hovered_index >= 0 && row_at(px, py) < 0;
        track_hovered_row(px, py);
    }
    if (before != std::tuple(is_open, selected_index, hovered_index, highlight_by_keys))
        mouse->changed_something = true;
}

void Drop_down_list::set_x(float value)
{
    Render_object_container::set_x(value);
    place_triangles();
}

void Drop_down_list::set_y(float value)
{
    Render_object_container::set_y(value);
    place_triangles();
}

float Drop_down_list::get_width() { return Render_object::get_width(); }
float Drop_down_list::get_height() { return Render_object::get_height(); }

bool Drop_down_list::hit_test(float px, float py)
{
    if (is_open && row_at(px, py) >= 0)
        return true;
    return Render_object::hit_test(px, py);
}

void Drop_down_list::set_bg_image(bool hover, std::shared_ptr<Sprite> image)
{
    if (!hover)
        add_child(image);
    bg_images[hover ? 1 : 0] = std::move(image);
}

void Drop_down_list::show_background(bool hover)
{
    clear_children();
    if (auto image = entry(bg_images, hover ? 1 : 0))
        add_child(std::move(image));
}

std::string Drop_down_list::get_selected_text() const
{
    const auto chosen = item(look(), selected_index);
    return chosen ? chosen->text : std::string{};
}

bool Drop_down_list::handle_click(float px, float py)
{
    highlight_by_keys = false;
    if (!is_open) {
        is_open = Render_object::hit_test(px, py);
        return is_open;
    }
    is_open = false;
    const int row = row_at(px, py);
    if (row < 0)
        return false;
    selected_index = row;
    return true;
}

void Drop_down_list::activate()
{
    if (!is_open) {
        Render_object::activate();
        hovered_index = selected_index;
        highlight_by_keys = is_open;
        return;
    }
    is_open = false;
    highlight_by_keys = false;
    if (hovered_index >= 0 && hovered_index < item_count(0))
        selected_index = hovered_index;
    report_click();
}

void Drop_down_list::step_inside(int step)
{
    const int last = item_count(0) - 1;
    const int from = hovered_index >= 0 ? hovered_index : selected_index;
    hovered_index = std::clamp(from + step, 0, std::max(last, 0));
    highlight_by_keys = true;
}

namespace {

// "1280x720" as a voice should read it: "1280 by 720", in the game's language.
std::string read_aloud(std::string text)
{
    for (std::size_t x = text.find('x'); x != std::string::npos; x = text.find('x', x + 1)) {
        const auto digit = [&text](std::size_t at) {
            return at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) != 0;
        };
        if (x > 0 && digit(x - 1) && digit(x + 1))
            text.replace(x, 1, std::string(" ").append(tr("by", "width by height")).append(" "));
    }
    return text;
}

} // namespace

std::string Drop_down_list::spoken()
{
    const int index = is_open && hovered_index >= 0 ? hovered_index : selected_index;
    const auto row = item(0, index);
    const std::string place =
        fill(tr("{position} of {count}"),
             {{"position", std::to_string(index + 1)}, {"count", std::to_string(item_count(0))}});
    const std::string text =
        row ? read_aloud(row->description.empty() ? row->text : row->description)
            : tr("nothing chosen");
    if (is_open)
        return fill(tr("{row}, {place}"), {{"row", text}, {"place", place}});
    if (!row)
        return fill(tr("{name}, {row}, list"), {{"name", description}, {"row", text}});
    return fill(tr("{name}, {row}, list, {place}"),
                {{"name", description}, {"row", text}, {"place", place}});
}

void Drop_down_list::cancel()
{
    is_open = false;
    highlight_by_keys = false;
}

void Drop_down_list::report_click()
{
    const Screen_rect box = get_screen_rect();
    Mouse_event click(mouse_button_up_event, box.x + box.w / 2, box.y + box.h / 2);
    call_listeners(click.name, click, [&click] { return click.propagating; });
}

std::shared_ptr<Label> Drop_down_list::item(int key, int index) const
{
    const auto found = items.find(key);
    if (found == items.end() || index < 0 || index >= static_cast<int>(found->second.size()))
        return nullptr;
    return found->second[static_cast<std::size_t>(index)];
}

int Drop_down_list::item_count(int key) const
{
    const auto found = items.find(key);
    return found == items.end() ? 0 : static_cast<int>(found->second.size());
}

Screen_rect Drop_down_list::row_rect(int index)
{
    Screen_rect row = get_screen_rect();
    row.y += offset_of_row(index);
    return row;
}

int Drop_down_list::rows_that_fit()
{
    const Screen_rect box = get_screen_rect();
    const float room = static_cast<float>(renderer->window->height) - (box.y + box.h);
    const float pitch = row_pitch();
    if (room < 0 || pitch <= 0)
        return 0;
    return static_cast<int>(room / pitch);
}

int Drop_down_list::row_at(float px, float py)
{
    const int count = item_count(look());
    // Where rows overlap, on the border they share, the upper row wins.
    for (int i = 0; i < count; ++i) {
        const Screen_rect row = row_rect(i);
        if (row.x <= px && px < row.x + row.w && row.y <= py && py < row.y + row.h)
            return i;
    }
    return -1;
}

void Drop_down_list::track_hovered_row(float px, float py)
{
    if (!is_open) {
        hovered_index = -1;
        return;
    }
    // The pointer takes the keys' highlight only by moving onto another row.
    if (Render_object::hit_test(px, py)) {
        if (!highlight_by_keys)
            hovered_index = -1;
        return;
    }
    // Off the rows the last hovered row is kept; it only shows while the pointer is over us.
    if (const int row = row_at(px, py); row >= 0) {
        hovered_index = row;
        highlight_by_keys = false;
    }
}

void Drop_down_list::place_triangles()
{
    for (const auto& look_and_arrow : triangle_images) {
        Sprite* arrow = look_and_arrow.second.get();
        if (arrow == nullptr)
            continue;
        arrow->set_x(width - arrow->get_width() - arrow_right_margin);
        arrow->set_y(arrow_top_margin);
    }
}

void Drop_down_list::draw(float origin_x, float origin_y)
{
    if (!visible)
        return;
    draw_children(aligned_x(origin_x), aligned_y(origin_y));
    const SDL_FRect box{std::trunc(aligned_x(origin_x)), std::trunc(aligned_y(origin_y)),
                        std::trunc(root_scale_x() * width), std::trunc(root_scale_y() * height)};
    const SDL_Color border = mouse_over ? highlight_color : color;
    if (!entry(bg_images, look()))
        draw_border(box, border);
    if (const auto chosen = item(look(), selected_index))
        draw_item(*chosen, origin_x, origin_y, 0);
    draw_triangle(box.x, box.y);
    if (is_open)
        draw_rows(box, border, origin_x, origin_y);
}

float Drop_down_list::border_pixels()
{
    return std::round(root_scale_x() * static_cast<float>(line_thickness));
}

float Drop_down_list::row_pitch()
{
    // Each row overlaps the one above by the border, so that adjacent borders coincide.
    return std::trunc(root_scale_y() * height) - border_pixels();
}

float Drop_down_list::offset_of_row(int index)
{
    return static_cast<float>(index + 1) * row_pitch();
}

void Drop_down_list::draw_border(SDL_FRect box, SDL_Color border_color)
{
    set_draw_color(renderer->renderer, border_color);
    draw_outline(renderer->renderer, box, border_pixels());
}

void Drop_down_list::draw_item(Label& label, float origin_x, float origin_y, float row_offset)
{
    // Item labels are outside the tree, so their own root scale is 1: scale them here.
    const float sx = root_scale_x();
    const float sy = root_scale_y();
    const Geometry_guard restore(label);
    const float text_width = label.get_width();
    const float text_height = label.get_height();
    label.set_x(sx * (static_cast<float>(inner_offset_x) + x));
    label.set_y(sy * (static_cast<float>(inner_offset_y) + y) + row_offset);
    label.set_width(sx * text_width);
    label.set_height(sy * text_height);
    label.draw(origin_x, origin_y);
}

void Drop_down_list::draw_triangle(float box_x, float box_y)
{
    const auto arrow = entry(triangle_images, look());
    if (!arrow)
        return;
    const float sx = root_scale_x();
    const float sy = root_scale_y();
    const Geometry_guard restore(*arrow);
    arrow->set_x(sx * width - std::trunc(sx * arrow_width) - sx * arrow_right_margin);
    arrow->set_y(std::trunc(sy * arrow_top_margin));
    arrow->set_width(std::trunc(sx * arrow_width));
    arrow->set_height(std::trunc(sy * arrow_height));
    arrow->draw(box_x, box_y);
}

void Drop_down_list::draw_rows(SDL_FRect box, SDL_Color border_color, float origin_x,
                               float origin_y)
{
    // The rows fade with the border colour; list_color itself is left as it was set.
    SDL_Color fill = list_color;
    fill.a = color.a;
    const int count = item_count(0);
    for (int i = 0; i < count; ++i) {
        const float offset = offset_of_row(i);
        const SDL_FRect row{box.x, box.y + offset, box.w, box.h};
        set_draw_color(renderer->renderer, fill);
        check_sdl(SDL_RenderFillRectF(renderer->renderer, &row));
        draw_border(row, border_color);
        if (const auto label = item(i == hovered_index ? row_look() : 0, i))
            draw_item(*label, origin_x, origin_y, offset);
    }
}

} // namespace GE
