#pragma once

#include "engine/core/render_object_container.h"
#include "engine/ui/ui_loader.h"

namespace GE {

struct App_window;
struct Render_context;

// The root of one screen: as wide as its parent's drawing area (or the window) and as high as
// the window, read anew on every call so a resize shows at once. Screens derive from it and build
// their tree with `ui_loader`.
class UI : public Render_object_container {
public:
    UI(Render_context* renderer, App_window* window);

    float get_width() override;
    float get_height() override;

    Render_context* renderer; // not owned
    App_window* window;       // not owned
    UI_Loader ui_loader;
    // Whether the focus goes on to the screen beneath: an overlay's buttons and the level under
    // them take it in turn, while a dialog keeps it to itself.
    bool shares_focus = false;
};

} // namespace GE
