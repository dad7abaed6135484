#pragma once

#include "engine/core/app_window.h"
#include "engine/core/controllers.h"
#include "engine/core/render_context.h"
#include "engine/core/render_object_container.h"

#include <SDL_rect.h>

#include <cstdint>
#include <string>

union SDL_Event;

namespace GE {

struct Window_settings;

// The application: owns the window and renderer, is the root of the render tree (screens are its
// children) and runs the event loop. A game derives it to draw frames and translate input.
class App : public Render_object_container {
public:
    // Opens the window and its renderer. Throws SDL_runtime_error.
    App(const std::string& title, std::uint32_t clear_colour, const Window_settings& settings);
    ~App() override;

    void set_width(float value) override;
    // The drawing area's width in pixels; the window's width before the first frame.
    float get_width() override;
    void render() override;

    // Delivers SDL events until the window is closed, an event is refused or exit is requested.
    // Sleeps while there is nothing to do, waking only to read the game controllers when any is
    // plugged in; draws at most one frame per pass over the queue.
    virtual void run();
    // Handles one SDL event; false ends the loop. The base refuses every event. The controllers'
    // own events (see Controllers::handle) and the audio devices' never come here; the
    // controllers' buttons do.
    virtual bool handle_sdl_event(const SDL_Event& event);

    // Asks for one frame to be drawn once the events waiting now have been handled.
    void request_frame() { frame_requested = true; }
    // Asks for a frame when the system has lost or hidden the picture: the window was uncovered,
    // shown, restored, resized or moved to another display, or the renderer lost its targets or
    // its device. A lost device takes every texture's pixels with it: they are made anew on the
    // next draw. Answers whether `event` was one of these.
    bool repaint_if_lost(const SDL_Event& event);
    // Takes the size the renderer really draws at as the window's: a fullscreen mode the display
    // lacks gives the window its closest one, the system may resize a window at will, and on a
    // high-DPI display the renderer has more pixels than the window has points.
    void measure_output();
    // The pixel the renderer draws at window point (x, y), as SDL reports the pointer, from the
    // size last measured.
    SDL_FPoint pixel_at(int x, int y) const;

    // Whether the window can be seen: neither minimised nor hidden. Out of sight nothing is drawn,
    // and the loop sleeps until an event comes.
    bool visible() const { return !minimised && !hidden; }
    // Whether the window has the keyboard focus.
    bool focused() const { return has_focus; }

    float canvas_width = 0;
    App_window window;
    Render_context render_context;
    Controllers controllers;
    bool exit_requested = false;
    bool redraw_each_pass = false;

protected:
    // Told when the window goes out of sight (minimised or hidden) or comes back, and when it
    // loses or gains the focus, before the event that said so reaches handle_sdl_event.
    virtual void visibility_changed(bool /*now_visible*/) {}
    virtual void focus_changed(bool /*now_focused*/) {}

private:
    // Follows the window's state through its events.
    void follow_window(const SDL_Event& event);
    // Handles one event of a pass; false ends the loop.
    bool handle_one(const SDL_Event& event);
    // Handles the events of one pass, starting with `first`; returns whether the loop must end.
    bool handle_pass(const SDL_Event& first);
    // Takes the next event, sleeping until one comes or the controllers are due to be read;
    // false when there was none.
    bool next_event(SDL_Event& event);

    bool frame_requested = false;
    bool minimised = false;
    bool hidden = false;
    bool has_focus = true;
};

} // namespace GE
