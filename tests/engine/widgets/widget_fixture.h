#pragma once

#include "engine/core/event_names.h"
#include "engine/core/sdl_runtime_error.h"
#include "engine/resources/resources.h"
#include "engine/widgets/label.h"
#include "tests/support/events.h"
#include "tests/support/fixtures.h"
#include "tests/support/headless_app.h"
#include "tests/support/pixels.h"
#include "tests/support/test_objects.h"

#include <SDL_rect.h>
#include <SDL_render.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

// A scratch folder and a 640x480 headless app at root scale 1, with what the widget tests share:
// labels, a sibling that can stop clicks, pixel checks of outlines and text, and the standard
// headers their tables use.
class Widget_fixture : public testing::Test {
protected:
    using Children = std::vector<std::shared_ptr<GE::Render_object>>;

    // `box` shrunk by `by` pixels on every side; a negative `by` grows it.
    static SDL_Rect inset(SDL_Rect box, int by)
    {
        return {box.x + by, box.y + by, box.w - 2 * by, box.h - 2 * by};
    }

    // Makes `objects` the app's children, in this order: the last is visited first.
    void set_children(const Children& objects)
    {
        app.app->clear_children();
        for (const auto& object : objects)
            app.app->add_child(object);
    }

    void send(const std::string& name, float x, float y)
    {
        Support::send_mouse(*app.app, name, x, y);
    }

    std::shared_ptr<GE::Label> label(const std::string& text, SDL_Color colour, int size = 20)
    {
        const auto& font = GE::Resources::instance().get_font(Support::font_file, size);
        return std::make_shared<GE::Label>(app.context(), "", font, colour, text);
    }

    // A box over the whole window that stops every click while `stop` is set.
    static std::shared_ptr<Support::Box> stopper(const bool& stop)
    {
        auto box = std::make_shared<Support::Box>(0, 0, 640, 480);
        box->add_event_listener(GE::mouse_button_up_event,
                                [&stop](GE::Event& event) { event.propagating = !stop; });
        return box;
    }

    testing::AssertionResult region_is(SDL_Rect area, SDL_Color colour)
    {
        return Support::region_is(app.renderer(), area, colour);
    }

    // Whether the band `thickness` pixels wide just inside `box` has `colour` all round.
    testing::AssertionResult ring_is(SDL_Rect box, int thickness, SDL_Color colour)
    {
        const int t = thickness;
        for (const SDL_Rect band : {SDL_Rect{box.x, box.y, box.w, t},
                                    {box.x, box.y + box.h - t, box.w, t},
                                    {box.x, box.y, t, box.h},
                                    {box.x + box.w - t, box.y, t, box.h}})
            if (auto same = t > 0 ? region_is(band, colour) : testing::AssertionSuccess(); !same)
                return same;
        return testing::AssertionSuccess();
    }

    // How many pixels of `area` are near `ink` on every channel, as antialiased text is.
    int ink_in(SDL_Rect area, SDL_Color ink)
    {
        int count = 0;
        for (const SDL_Color& pixel : Support::read_pixels(app.renderer(), area))
            count += std::abs(pixel.r - ink.r) < 60 && std::abs(pixel.g - ink.g) < 60 &&
                     std::abs(pixel.b - ink.b) < 60;
        return count;
    }

    Support::Scratch_dir scratch;
    Support::Headless_app app;
};
