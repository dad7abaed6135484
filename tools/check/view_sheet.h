#pragma once

#include <string>

namespace GE {
struct App_window;
struct Render_context;
} // namespace GE

namespace Tools {

// One picture of the whole game for a level maker or a reviewer: every view of every level of
// the data folder (the working directory), small, a row per level in ring order, each labelled
// with its level and place, its scene file and its door; the row's first label also names the
// door the level's hint drew as the right one.
class View_sheet {
public:
    static constexpr int cell_width = 360; // a quarter of the design canvas
    static constexpr int cell_height = 270;
    static constexpr int label_height = 48;
    static constexpr int gap = 12;

    View_sheet(GE::Render_context* renderer, GE::App_window* window);

    // Draws the sheet and writes it to the PNG `file`. Throws GE_runtime_error for a level that
    // cannot be read, SDL_runtime_error when the sheet cannot be drawn or written.
    void write(const std::string& file);

private:
    GE::Render_context* renderer; // not owned
    GE::App_window* window;       // not owned
};

} // namespace Tools
