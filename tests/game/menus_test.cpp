#include "engine/core/game_model.h"
#include "engine/core/ge_runtime_error.h"
#include "engine/resources/audio.h"
#include "engine/resources/chunk.h"
#include "engine/resources/resources.h"
#include "game/complete_ui.h"
#include "game/confirmation.h"
#include "game/main_menu.h"
#include "game/play_ui.h"
#include "tests/support/game_data.h"

#include <SDL_mixer.h>

namespace {

// A scratch folder with a "click" sound, a window to show screens in and a model to watch.
class Menus_test : public Support::Headless_test {
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

    Menus_test()
    {
        Support::write_sound("click.ogg");
        Support::write_png("button.png", 20, 5, {90, 90, 90, 255});
        GE::register_sound("click", "click.ogg");
    }
    ~Menus_test() override { Mix_HaltChannel(-1); }

    // Shows a screen built from `file`, written with a 200 by 50 button per id from the top;
    // answers why it could not.
    template <typename Screen, typename... More>
    std::string show(const std::string& file, const std::vector<std::string>& ids,
                     const More&... more)
    {
        Support::write_buttons(file, ids);
        try {
            app->add_child(std::make_shared<Screen>(context(), &app->window, &model, more...));
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
        const bool went_on = Support::send_mouse(*app, GE::mouse_button_up_event, x, y);
        return model.seen + (went_on ? "went on" : "stopped");
    }

    Noting_model model;
};

TEST_F(Menus_test, main_menu_buttons_change_the_screen_or_exit_and_let_the_click_go_on)
{
    EXPECT_EQ(show<Game::Main_menu>("main_menu.xml", {"play", "settings", "Exit", "exit "}),
              "main_menu.xml has no button with id \"exit\"");
    // The first "play" is shadowed by the later button of the same id.
    ASSERT_EQ(show<Game::Main_menu>("main_menu.xml", {"play", "settings", "exit", "play"}),
              "shown");
    EXPECT_EQ(click_at(100, 25), "went on");
    EXPECT_EQ(click_at(100, 75), "screen_changed_event settings_menu (sound), went on");
    EXPECT_EQ(click_at(100, 125), "exit_game settings_menu (sound), went on");
    EXPECT_EQ(click_at(100, 175), "screen_changed_event play (sound), went on");
}

TEST_F(Menus_test, dialogs_answer_by_their_name_and_stop_the_click)
{
    ASSERT_EQ(show<Game::Confirmation>("retry_confirmation.xml", {"yes", "no"}, "retry"), "shown");
    EXPECT_EQ(click_at(100, 25), "retry_hit_yes (sound), stopped");
    EXPECT_EQ(click_at(100, 75), "retry_hit_no (sound), stopped");
    EXPECT_EQ(click_at(300, 25), "went on");

    app->clear_children();
    ASSERT_EQ(show<Game::Complete_ui>("complete_ui.xml", {"exit_to_main_menu"}), "shown");
    EXPECT_EQ(click_at(100, 25), "exit_to_main_menu (sound), stopped");
}

TEST_F(Menus_test, the_overlay_turns_with_switch_and_leaves_for_the_menu_with_click)
{
    Support::write_sound("switch.ogg");
    GE::register_sound("switch", "switch.ogg");
    ASSERT_EQ(show<Game::Play_ui>("play_ui.xml", {"menu", "go_left", "go_right"}), "shown");
    const auto sound = [] { // the file playing on the first channel
        for (const auto& [file, chunk] : GE::Resources::instance().chunks)
            if (chunk->chunk == Mix_GetChunk(0))
                return file;
        return std::string("none");
    };
    EXPECT_EQ(click_at(100, 25), "screen_changed_event main_menu (sound), stopped");
    EXPECT_EQ(sound(), "click.ogg");
    EXPECT_EQ(click_at(100, 75), "go_left main_menu (sound), went on");
    EXPECT_EQ(sound(), "switch.ogg");
    EXPECT_EQ(click_at(100, 125), "go_right main_menu (sound), went on");
    EXPECT_EQ(sound(), "switch.ogg");
}

} // namespace
