#pragma once

#include <SDL_pixels.h>

#include <memory>
#include <string>
#include <vector>

namespace GE {

class Render_object;
class Render_object_container;
struct Render_context;

// The keyboard (and pad) focus over the screens of an app: which object holds it, the order in
// which the steps move it, and the ring drawn around it. The topmost screen owns the focus; an
// overlay shares it with the screen beneath. Nothing shows until the first step, so a player
// who only uses the mouse sees no change; a press of the pointer hides the ring again and gives
// the focus to what it pressed, while the pointer's moves leave the focus where the keys put it.
class Focus {
public:
    using Objects = std::vector<std::shared_ptr<Render_object>>;

    // The ring's colours: a candle-light line inside a dark one, which reads on dark and on light.
    static constexpr SDL_Color light{255, 206, 128, 255};
    static constexpr SDL_Color dark{20, 12, 8, 255};

    // The objects that can take the focus under `root`, in focus order: those of the topmost
    // screen, and of the screens beneath while the one above shares the focus.
    static Objects ring(Render_object_container& root);

    // The object holding the focus: the one the steps or a press gave it, while it is still in
    // the ring; after the screens changed under a shown focus, the object with the same id, or
    // else the first. Empty when no object holds it.
    std::shared_ptr<Render_object> focused(Render_object_container& root);

    // Moves the focus `step` places around the ring and shows it. The first step shows where the
    // focus is (the first object, or the last going back) without moving it; an object that holds
    // the keys takes the step itself. Answers whether anything changed.
    bool move(Render_object_container& root, int step);
    // Activates the object with the shown focus, or the one that holds the keys; false when
    // neither is there, for Enter to mean the screen's own default.
    bool activate(Render_object_container& root);
    // Escape for the object that holds the keys; false when none does.
    bool cancel(Render_object_container& root);
    // Left or Right for the object with the shown focus; false when none takes them.
    bool adjust(Render_object_container& root, int steps);
    // The pointer pressed at (x, y), in drawing-area pixels: hides the ring and hands the focus
    // to the object pressed, or to none.
    void pointer_pressed(Render_object_container& root, float x, float y);

    // Draws the ring around the focused object, when shown; the drawing area's left edge lies at
    // `origin_x` in the window, and `scale` is its scale. Throws SDL_runtime_error.
    void draw(Render_object_container& root, Render_context& renderer, float origin_x, float scale);

    // Whether the ring is drawn: from the first step until the pointer is pressed.
    bool shown = false;

private:
    void hold(const std::shared_ptr<Render_object>& object);

    std::weak_ptr<Render_object> current;
    // The id of the object last given the focus, to find it again in screens built anew.
    std::string current_id;
};

} // namespace GE
