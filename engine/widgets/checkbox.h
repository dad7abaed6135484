#pragma once

#include "engine/core/render_object_container.h"

#include <SDL_pixels.h>
#include <SDL_rect.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>

namespace GE {

class Sprite;
struct Render_context;

// A box that a mouse button released over it checks or unchecks. It shows the image of its
// state and hover, or, lacking an unchecked image for the hover, draws a border and a mark.
class Checkbox : public Render_object_container {
public:
    Checkbox(Render_context* renderer, std::string id, const SDL_FRect& rect, SDL_Color color,
             bool checked);

    // Delivers as a container, then toggles on a release inside and stops the event there.
    void dispatch_event(Event& event) override;
    using Render_object_container::dispatch_event;

    // Its own rectangle scaled, as a plain render object.
    float get_width() override;
    float get_height() override;
    // Throws SDL_runtime_error.
    void draw(float origin_x, float origin_y) override;

    // The image for hover false is shown at once.
    void set_unchecked_image(bool hover, std::shared_ptr<Sprite> image);
    void set_checked_image(bool hover, std::shared_ptr<Sprite> image);
    // Shows the image stored for the current `checked` and the given hover, if there is one.
    void show_image(bool hover);

    Render_context* renderer; // not owned
    // "Fullscreen, checkbox, not checked".
    std::string spoken() override;

    bool checked;
    SDL_Color color;
    // The border's thickness in design units.
    std::int32_t line_thickness = 2;
    // Pixels between the border and the mark.
    std::int32_t inner_gap = 2;
    // Keyed by whether the pointer is over the checkbox.
    std::map<bool, std::shared_ptr<Sprite>> unchecked_images;
    std::map<bool, std::shared_ptr<Sprite>> checked_images;

private:
    void toggle();
    void draw_vector_look(float origin_x, float origin_y);
};

} // namespace GE
