#include "game/screen_contract.h"

#include "engine/core/ge_runtime_error.h"
#include "engine/core/render_object_container.h"
#include "engine/ui/ui_loader.h"
#include "engine/widgets/button.h"
#include "engine/widgets/checkbox.h"
#include "engine/widgets/drop_down_list.h"
#include "engine/widgets/label.h"
#include "engine/widgets/slider.h"
#include "game/for_each_button.h"

namespace Game {

namespace {

// The button `id` as the player finds it: the last of that id anywhere in the screen.
GE::Render_object* find_button(GE::Render_object_container& screen, std::string_view id)
{
    GE::Render_object* found = nullptr;
    for_each_button(screen, [&found, id](GE::Button* button) {
        if (button->id == id)
            found = button;
    });
    return found;
}

} // namespace

const char* kind_name(Object_kind kind)
{
    switch (kind) {
    case Object_kind::button:
        return "button";
    case Object_kind::container:
        return "container";
    case Object_kind::checkbox:
        return "checkbox";
    case Object_kind::drop_down_list:
        return "drop-down list";
    case Object_kind::slider:
        return "slider";
    case Object_kind::label:
        return "label";
    case Object_kind::any:
        break;
    }
    return "object";
}

bool is_of_kind(const GE::Render_object& object, Object_kind kind)
{
    switch (kind) {
    case Object_kind::button:
        return dynamic_cast<const GE::Button*>(&object) != nullptr;
    case Object_kind::container:
        return dynamic_cast<const GE::Render_object_container*>(&object) != nullptr;
    case Object_kind::checkbox:
        return dynamic_cast<const GE::Checkbox*>(&object) != nullptr;
    case Object_kind::drop_down_list:
        return dynamic_cast<const GE::Drop_down_list*>(&object) != nullptr;
    case Object_kind::slider:
        return dynamic_cast<const GE::Slider*>(&object) != nullptr;
    case Object_kind::label:
        return dynamic_cast<const GE::Label*>(&object) != nullptr;
    case Object_kind::any:
        break;
    }
    return true;
}

bool builds_kind(std::string_view element, Object_kind kind)
{
    const GE::UI_element* known = GE::UI_Loader::element(element);
    if (known == nullptr || known->definition)
        return false;
    switch (kind) {
    case Object_kind::container:
        return known->holds_elements;
    case Object_kind::drop_down_list:
        return element == "drop_down_list";
    case Object_kind::any:
        return true;
    default:
        return element == kind_name(kind);
    }
}

Required_objects::Required_objects(GE::Render_object_container& screen,
                                   const Screen_contract& contract)
{
    for (const Required_object& wanted : contract.objects) {
        GE::Render_object* object = nullptr;
        if (wanted.kind == Object_kind::button) {
            object = find_button(screen, wanted.id);
        } else {
            auto& parent =
                wanted.inside.empty() ? screen : get<GE::Render_object_container>(wanted.inside);
            object = parent.find_child(std::string(wanted.id)).get();
        }
        if (object == nullptr || !is_of_kind(*object, wanted.kind)) {
            const std::string where =
                wanted.inside.empty() ? "" : " in \"" + std::string(wanted.inside) + "\"";
            throw GE::GE_runtime_error(contract.file + " has no " + kind_name(wanted.kind) +
                                       " with id \"" + std::string(wanted.id) + "\"" + where);
        }
        found[wanted.id] = object;
    }
}

} // namespace Game
