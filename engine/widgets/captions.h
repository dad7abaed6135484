#pragma once

#include <SDL_pixels.h>
#include <SDL_rect.h>
#include <SDL_timer.h>

#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace GE {

class Font;
class Texture;
struct Render_context;

// What the player would hear, written at the bottom of the drawing area while it sounds: the
// caption of each sound, for as long as an effect plays (a few seconds at least) or for a few
// seconds once a music starts. Of two at once the newest stands above; turned off, captions keep
// and draw nothing.
class Captions {
public:
    static constexpr Uint64 shortest_ms = 3000;
    static constexpr Uint64 music_ms = 4000;
    static constexpr std::size_t most_lines = 2;
    // In design units, which the drawing area scales.
    static constexpr int font_size = 36;
    // A caption longer than this (in the design's units) goes on over more lines.
    static constexpr int wrap_width = 1300;
    static constexpr SDL_Color text_colour{240, 232, 214, 255};
    static constexpr SDL_Color band_colour{14, 10, 8, 255};

    // `clock` answers the time in milliseconds.
    explicit Captions(Render_context* renderer, std::function<Uint64()> clock = SDL_GetTicks64);
    ~Captions();
    Captions(const Captions&) = delete;
    Captions& operator=(const Captions&) = delete;

    // Reads the captions file: <captions><caption sound="click" text="[...]"/>...</captions>.
    // Throws GE_runtime_error naming the file when it cannot be read, or a caption lacks its
    // sound or its text.
    void load(const std::string& file);
    // Each sound's caption, by the sound's name.
    std::map<std::string, std::string> texts;
    // Answers the time in milliseconds.
    std::function<Uint64()> clock;

    // Turning them off takes away those shown.
    void set_enabled(bool on);
    bool enabled() const { return on; }

    // The sound `name` started: an effect `length_ms` long, or a music (-1). Answers whether
    // what is shown changed.
    bool heard(const std::string& name, int length_ms);
    // Takes away the captions whose time is over; answers whether any went.
    bool expire();
    // Milliseconds until the next caption goes; -1 while none is shown.
    int ms_until_change() const;
    std::size_t shown() const { return lines.size(); }

    // Draws the captions centred at the bottom of `canvas` (window pixels), whose scale is
    // `scale`. Throws SDL_runtime_error.
    void draw(const SDL_FRect& canvas, float scale);

private:
    struct Line {
        std::string name;
        std::shared_ptr<Texture> text;
        Uint64 until;
    };

    Render_context* renderer; // not owned
    std::shared_ptr<Font> font;
    bool on = false;
    // The newest first.
    std::deque<Line> lines;
};

} // namespace GE
