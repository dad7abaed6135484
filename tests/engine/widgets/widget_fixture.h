#pragma once

#include "engine/resources/resources.h"
#include "engine/widgets/label.h"
#include "engine/widgets/sprite.h"
#include "tests/support/fixtures.h"

#include <cstdlib>

// A scratch folder and a 640x480 headless app at root scale 1, with what the widget tests share:
// labels and images, a sibling that can stop clicks, and pixel checks of outlines and text.
class Widget_fixture : public Support::Headless_test {
protected:
    // `box` shrunk by `by` pixels on every side; a negative `by` grows it.
    static SDL_Rect inset(SDL_Rect box, int by)
    {
        return {box.x + by, box.y + by, box.w - 2 * by, box.h - 2 * by};
    }

    // Makes `objects` the app's children, in this order: the last is visited first.
    void set_children(const Support::Children& objects)
    {
        app->clear_children();
        for (const auto& object : objects)
            app->add_child(object);
    }

    void send(const std::string& name, float x, float y) { Support::send_mouse(*app, name, x, y); }

    std::shared_ptr<GE::Label> label(const std::string& text, SDL_Color colour)
    {
        const auto& font = GE::Resources::instance().get_font(Support::font_file, 20);
        return std::make_shared<GE::Label>(context(), "", font, colour, text);
    }

    // Writes a PNG of one colour and makes a sprite of it through the texture cache, stretched
    // to `rect`.
    std::shared_ptr<GE::Sprite> sprite_of_png(const std::string& file, int width, int height,
                                              SDL_Color colour, SDL_FRect rect)
    {
        Support::write_png(file, width, height, colour);
        return std::make_shared<GE::Sprite>(GE::Resources::instance().get_texture(context(), file),
                                            rect);
    }

    // A box over the whole window that stops every click while `stop` is set.
    static std::shared_ptr<Support::Box> stopper(const bool& stop)
    {
        auto box = std::make_shared<Support::Box>(0, 0, 640, 480);
        box->add_event_listener(GE::mouse_button_up_event,
                                [&stop](GE::Event& event) { event.propagating = !stop; });
        return box;
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
        for (const SDL_Color& pixel : Support::read_pixels(renderer(), area))
            count += std::abs(pixel.r - ink.r) < 60 && std::abs(pixel.g - ink.g) < 60 &&
                     std::abs(pixel.b - ink.b) < 60;
        return count;
    }
};
