#include "engine/widgets/button.h"

#include "engine/core/event_names.h"
#include "engine/text/language.h"
#include "engine/widgets/label.h"
#include "engine/widgets/sprite.h"

namespace GE {

std::string Button::spoken()
{
    std::string name = description;
    if (const auto label = labels.find(Button_state::normal);
        name.empty() && label != labels.end() && label->second)
        name = label->second->text;
    return name.empty() ? name : fill(tr("{name}, button"), {{"name", name}});
}

namespace {

// Stores `part` under `state`, answering the part it replaces.
template <typename Part>
std::shared_ptr<Part> store(std::map<Button_state, std::shared_ptr<Part>>& parts,
                            Button_state state, std::shared_ptr<Part> part)
{
    auto& slot = parts[state];
    auto replaced = std::move(slot);
    slot = std::move(part);
    return replaced;
}

} // namespace

Button::Button(std::string id, const SDL_FRect& rect)
    : Render_object_container(rect.x, rect.y, rect.w, rect.h, std::move(id))
{
    focusable = true;
    register_listeners();
}

void Button::register_listeners()
{
    // Registered first, so the look has changed before any screen's listener runs.
    add_event_listener(mouse_over_event, [this](Event&) { set_state(Button_state::over); });
    add_event_listener(mouse_out_event, [this](Event&) { set_state(Button_state::normal); });
    add_event_listener(mouse_down_event, [this](Event&) { set_state(Button_state::down); });
    add_event_listener(mouse_button_up_event, [this](Event&) {
        set_state(mouse_over ? Button_state::over : Button_state::normal);
    });
}

void Button::set_sprite(Button_state state, std::shared_ptr<Sprite> sprite)
{
    const auto replaced = store(sprites, state, sprite);
    if (state != Button_state::normal)
        return;
    // A replaced normal sprite must not stay on show under the new one.
    remove_child(replaced);
    add_child(std::move(sprite));
}

void Button::set_label(Button_state state, std::shared_ptr<Label> label)
{
    label->horizontal_align = Horizontal_align::center;
    label->vertical_align = Vertical_align::center;
    const auto replaced = store(labels, state, label);
    if (state != Button_state::normal)
        return;
    remove_child(replaced);
    add_child(std::move(label));
}

void Button::set_state(Button_state state)
{
    clear_children();
    if (const auto sprite = sprites.find(state); sprite != sprites.end() && sprite->second)
        add_child(sprite->second);
    if (const auto label = labels.find(state); label != labels.end() && label->second)
        add_child(label->second);
}

} // namespace GE
