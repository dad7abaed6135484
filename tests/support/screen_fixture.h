#pragma once

#include "engine/core/event_names.h"
#include "engine/core/game_model.h"
#include "engine/core/mouse_event.h"
#include "engine/resources/audio.h"
#include "engine/resources/resources.h"
#include "tests/support/fixtures.h"
#include "tests/support/headless_app.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace Support {

// A scratch folder with a "click" sound, a window to put screens in and a model that records
// the events dispatched on it, with whether a sound was playing when each arrived.
class Screen_fixture : public testing::Test {
protected:
    void SetUp() override
    {
        write_sound("click.ogg", 0.5);
        write_png("button.png", 20, 5, {90, 90, 90, 255});
        GE::register_sound("click", "click.ogg");
    }
    void TearDown() override
    {
        Mix_HaltChannel(-1);
        GE::Resources::instance().clear_audio();
    }

    static void write_file(const std::string& name, const std::string& content)
    {
        std::ofstream(name) << content;
    }

    // Records each dispatch of `name` on the model.
    void watch(const std::string& name)
    {
        model.add_event_listener(name, [this](GE::Event& event) {
            seen.push_back(event.name);
            sound_playing_when_seen.push_back(Mix_Playing(-1) > 0);
        });
    }

    // Releases a mouse button at (x, y) over the whole tree; answers the click's flag afterwards.
    bool click_at(float x, float y)
    {
        GE::Mouse_event up(GE::mouse_button_up_event, x, y);
        window.app->dispatch_event(up);
        return up.propagating;
    }

    Scratch_dir scratch;
    Headless_app window;
    GE::Game_model model;
    std::vector<std::string> seen;
    std::vector<bool> sound_playing_when_seen;
};

// A UI file with one 200 by 50 button per id, stacked from the top with no gap (a button is as
// high as its look, so each has an image).
inline std::string buttons_file(const std::vector<std::string>& ids)
{
    std::string xml = "<ui><stack_panel orientation=\"vertical\">";
    for (const auto& id : ids)
        xml += "<button id=\"" + id + "\" file=\"button.png\" width=\"200\" height=\"50\"/>";
    return xml + "</stack_panel></ui>";
}

} // namespace Support
