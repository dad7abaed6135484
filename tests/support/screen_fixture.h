#pragma once

#include "engine/core/event_names.h"
#include "engine/core/game_model.h"
#include "engine/core/ge_runtime_error.h"
#include "engine/resources/audio.h"
#include "tests/support/events.h"
#include "tests/support/fixtures.h"
#include "tests/support/game_data.h"
#include "tests/support/headless_app.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace Support {

// A scratch folder with a "click" sound, a window to show screens in and a model to watch.
class Screen_fixture : public testing::Test {
protected:
    // Notes each event with the model's screen at that moment and whether a sound was playing.
    struct Noting_model : GE::Game_model {
        using GE::Game_model::dispatch_event;
        void dispatch_event(GE::Event& event) override
        {
            seen += event.name + (screen.empty() ? "" : " " + screen) +
                    (Mix_Playing(-1) > 0 ? " (sound), " : ", ");
            GE::Game_model::dispatch_event(event);
        }
        std::string seen;
    };

    void SetUp() override
    {
        write_sound("click.ogg", 0.5);
        write_png("button.png", 20, 5, {90, 90, 90, 255});
        GE::register_sound("click", "click.ogg");
    }
    void TearDown() override { Mix_HaltChannel(-1); }

    // Shows a screen built from `file`, written with a 200 by 50 button per id from the top;
    // answers why it could not.
    template <typename Screen, typename... More>
    std::string show(const std::string& file, const std::vector<std::string>& ids,
                     const More&... more)
    {
        write_buttons(file, ids);
        try {
            window.app->add_child(
                std::make_shared<Screen>(window.context(), &window.app->window, &model, more...));
        } catch (const GE::GE_runtime_error& error) {
            return error.what();
        }
        return "shown";
    }

    // Releases a mouse button at (x, y), no sound playing: what the model saw, and if it went on.
    std::string click_at(float x, float y)
    {
        Mix_HaltChannel(-1);
        model.seen.clear();
        const bool went_on = send_mouse(*window.app, GE::mouse_button_up_event, x, y);
        return model.seen + (went_on ? "went on" : "stopped");
    }

    Scratch_dir scratch;
    Headless_app window;
    Noting_model model;
};

} // namespace Support
