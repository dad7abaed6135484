#include "game/for_each_button.h"

#include "engine/core/ge_runtime_error.h"
#include "engine/core/render_object_container.h"
#include "engine/widgets/button.h"

namespace Game {

void for_each_button(GE::Render_object_container& container,
                     const std::function<void(GE::Button*)>& visit)
{
    for (const auto& child : container.children) {
        if (auto* button = dynamic_cast<GE::Button*>(child.get()))
            visit(button);
        else if (auto* inner = dynamic_cast<GE::Render_object_container*>(child.get()))
            for_each_button(*inner, visit);
    }
}

GE::Button& require_button(GE::Button* button, const std::string& file, const std::string& id)
{
    if (button == nullptr)
        throw GE::GE_runtime_error(file + " has no button with id \"" + id + "\"");
    return *button;
}

} // namespace Game
