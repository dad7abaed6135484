#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace GE {
class Label;
class Render_object;
class Render_object_container;
struct Render_context;
} // namespace GE

namespace Game {

// The line at the bottom of the canvas that tells the player what went wrong (a file F5 could not
// read, settings that could not be saved), over whatever screen is shown. It goes with the next
// change of screen.
class Problem_line {
public:
    // Shows the line on `root` from the next frame on.
    Problem_line(GE::Render_context* renderer, GE::Render_object_container& root);

    // Writes `english` on stderr, its placeholders filled from `values`, and shows it in the
    // game's language in place of the line before, shortened with "..." to the canvas's width.
    // xgettext finds the texts to translate by this name.
    void report(const std::string& english,
                std::initializer_list<std::pair<std::string_view, std::string>> values = {});
    // Whether `object` is the line, which lies over the screens but is none of them.
    bool is(const std::shared_ptr<GE::Render_object>& object) const;

    static constexpr const char* font_file = "OpenSans-SemiBold.ttf";
    static constexpr int font_size = 26;
    // The widest line shown, in design units: the canvas less a margin on each side.
    static constexpr int widest = 1400;

    GE::Render_context* renderer;      // not owned
    GE::Render_object_container* root; // not owned; owns the line's label while it is shown
    // The line shown last; empty until then.
    std::shared_ptr<GE::Label> label;

private:
    void hide();
};

} // namespace Game
