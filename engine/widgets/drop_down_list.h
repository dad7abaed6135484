#pragma once

#include "engine/core/render_object_container.h"

#include <SDL_pixels.h>
#include <SDL_rect.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace GE {

class Label;
class Sprite;
struct Render_context;

// A box showing the chosen item; a click unfolds the items below it and a click on a row picks it.
class Drop_down_list : public Render_object_container {
public:
    // Border, box and key-1 item labels take this colour while the pointer is over the widget.
    static constexpr SDL_Color highlight_color{200, 0, 0, 255};

    // Loads "triangle.png" and "triangle_over.png" through the texture cache; throws
    // SDL_runtime_error when either cannot be loaded.
    Drop_down_list(Render_context* renderer, const std::string& id, const SDL_FRect& rect,
                   SDL_Color color, SDL_Color list_color, int selected_index, int line_thickness,
                   int inner_offset_x, int inner_offset_y);

    // Delivers to the widget itself, never to its children (the background images). A click
    // that opens the list or picks a row runs the "mouse_button_up" listeners a second time,
    // after the change, and stops there.
    void dispatch_event(Event& event) override;
    using Render_object_container::dispatch_event;

    void set_x(float value) override;
    void set_y(float value) override;
    // The box's own rectangle, not the extent of its children.
    float get_width() override;
    float get_height() override;
    // The box, and while open every unfolded row.
    bool hit_test(float px, float py) override;
    void draw(float origin_x, float origin_y) override;

    // Keeps the image for one look; the normal one is shown at once.
    void set_bg_image(bool hover, std::shared_ptr<Sprite> image);
    void show_background(bool hover);
    // Empty when there is no item at selected_index.
    std::string get_selected_text() const;
    // Opens, picks or closes; true when the click opened the list or picked a row.
    bool handle_click(float px, float py);

    // With the keyboard: a closed list opens as a click opens it, with its chosen row
    // highlighted; an open one takes the highlighted row as a click on it does.
    void activate() override;
    bool holds_keys() override { return is_open; }
    // Moves the highlight `step` rows, stopping at the first and the last.
    void step_inside(int step) override;
    // Closes the list without choosing.
    void cancel() override;
    // Closed: "Resolution, 1280 by 720, list, 3 of 8"; open, the highlighted row: "1280 by 720,
    // 3 of 8". A row is read as its description, or else its text; a size written "1280x720" is
    // read as "1280 by 720".
    std::string spoken() override;
    // Where unfolded row `index` lies, in drawing-area pixels at the current scale: one box high,
    // overlapping the row above by the border. Rows are drawn and hit-tested here.
    Screen_rect row_rect(int index);
    // How many rows can unfold below the box and still lie wholly in the window.
    int rows_that_fit();

    Render_context* renderer; // not owned
    // Key 0: the items in their normal look; key 1: the same items highlighted, in the same order.
    std::map<int, std::vector<std::shared_ptr<Label>>> items;
    bool is_open = false;
    std::int32_t selected_index;
    std::int32_t hovered_index = -1;
    // Whether the keys moved the highlight last: it shows wherever the pointer is.
    bool highlight_by_keys = false;
    SDL_Color color;
    SDL_Color list_color;
    // In design units, as are the inner offsets of the item text.
    std::int32_t line_thickness;
    std::int32_t inner_offset_x;
    std::int32_t inner_offset_y;
    // Key 0 normal, key 1 hovered; drawn by the widget, not children.
    std::map<int, std::shared_ptr<Sprite>> triangle_images;
    std::map<int, std::shared_ptr<Sprite>> bg_images;

private:
    int look() const { return mouse_over ? 1 : 0; }
    int row_look() const { return mouse_over || highlight_by_keys ? 1 : 0; }
    // Runs the "mouse_button_up" listeners, as a click that changed the list does.
    void report_click();
    std::shared_ptr<Label> item(int key, int index) const;
    int item_count(int key) const;
    // The first unfolded row under the point, counted over the current look's items; -1 if none.
    int row_at(float px, float py);
    void track_hovered_row(float px, float py);
    void place_triangles();

    // The border's thickness in pixels.
    float border_pixels();
    // From one row's top to the next, in pixels: a box's height less the border they share.
    float row_pitch();
    // From the box's top to the top of row `index`, in pixels.
    float offset_of_row(int index);
    void draw_border(SDL_FRect box, SDL_Color border_color);
    // Scales the label to the window for one draw; item texts ignore the widget's alignment.
    void draw_item(Label& label, float origin_x, float origin_y, float row_offset);
    void draw_triangle(float box_x, float box_y);
    void draw_rows(SDL_FRect box, SDL_Color border_color, float origin_x, float origin_y);
};

} // namespace GE
