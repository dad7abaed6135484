#include "engine/ui/ui.h"

#include "engine/core/app_window.h"

namespace GE {

UI::UI(Render_context* renderer, App_window* window)
    : renderer(renderer), window(window), ui_loader(renderer)
{
}

float UI::get_width()
{
    if (const auto parent = get_parent()) {
        // A parent without a width of its own (an empty container) leaves the window's width.
        if (const float parent_width = parent->get_width(); parent_width > 0)
            return parent_width;
    }
    return static_cast<float>(window->width);
}

float UI::get_height() { return static_cast<float>(window->height); }

} // namespace GE
