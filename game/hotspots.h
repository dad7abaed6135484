#pragma once

#include <SDL_pixels.h>

#include <map>
#include <memory>
#include <string>

namespace GE {
class Label;
class Render_object;
class Render_object_container;
struct Render_context;
} // namespace GE

namespace Game {

// What a level maker turns on with F3 in a game started with --watch: every object shown that
// reacts to the mouse or takes the focus, framed, its id written above the frame.
class Hotspots {
public:
    static constexpr SDL_Color colour{255, 0, 255, 255};

    // Frames the objects under `root` while shown, the canvas at `origin_x` and `scale`.
    void draw(GE::Render_object_container& root, GE::Render_context& renderer, float origin_x,
              float scale);

    bool shown = false;

private:
    void draw_object(GE::Render_object& object, GE::Render_context& renderer, float origin_x,
                     float scale, int depth);
    // The id written once and kept, for every frame the outlines are drawn.
    const GE::Label& name_of(GE::Render_context& renderer, const std::string& id);

    std::map<std::string, std::shared_ptr<GE::Label>> names;
};

} // namespace Game
