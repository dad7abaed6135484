#pragma once

#include "engine/core/render_object_container.h"

#include <SDL_rect.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>

namespace GE {

class Label;
class Sprite;

enum class Button_state : std::int32_t { normal = 0, over = 1, down = 2 };

// A clickable area that shows the sprite and label of its current look (normal, hovered,
// pressed). Screens react to it through their own "mouse_button_up" listeners.
class Button : public Render_object_container {
public:
    // The rectangle, in design units, is the hit area whatever the looks cover.
    Button(std::string id, const SDL_FRect& rect);

    // The normal look's sprite and label are shown at once.
    void set_sprite(Button_state state, std::shared_ptr<Sprite> sprite);
    // Centres the label on the button, whatever alignment it had.
    void set_label(Button_state state, std::shared_ptr<Label> label);
    // Shows the state's sprite, then its label; a missing part shows nothing.
    void set_state(Button_state state);
    // "Play, button": the description, or else the normal look's text.
    std::string spoken() override;

    std::map<Button_state, std::shared_ptr<Sprite>> sprites;
    std::map<Button_state, std::shared_ptr<Label>> labels;

private:
    void register_listeners();
};

} // namespace GE
