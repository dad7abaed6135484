#include "engine/widgets/button.h"
#include "engine/widgets/checkbox.h"
#include "engine/widgets/label.h"
#include "game/display_confirmation.h"
#include "game/main_menu.h"
#include "game/problem_line.h"
#include "game/settings_menu.h"
#include "tests/support/game_data.h"
#include "tests/support/speech_recorder.h"

namespace {

using Lines = std::vector<std::string>;

// The game heard by a player who cannot see it, pressing keys.
class Narration : public Support::Game_flow {
protected:
    explicit Narration(const char* data = VOSSMERE_RUN_DIR) : Game_flow(data)
    {
        app->speech.use(std::make_unique<Support::Speech_recorder>(heard));
    }

    // What the game said while `key` was pressed.
    Lines after(SDL_Keycode key, Uint16 modifiers = KMOD_NONE)
    {
        heard.clear();
        press(key, modifiers);
        return heard;
    }

    Lines heard;
};

// The views of the first level, as they are said.
const std::string door_2 = "A door marked 2, between two burning sconces. The hall's wallpaper "
                           "peels in long strips.",
                  door_7 = "A door marked 7, beside a table where two candles gutter.",
                  window = "A tall window, and no door. Two candles burn on the sill; outside, "
                           "only the night.",
                  level_1 = "Level 1 of 3: the hall. You wake in a hall of many doors; only one "
                            "leads on. Turn left and right to look around.";

TEST_F(Narration, says_each_screen_view_and_focus_as_it_changes_and_a_new_one_cuts_the_last_short)
{
    EXPECT_EQ(after(SDLK_TAB), Lines{}) << "off until asked for";
    EXPECT_EQ(after(SDLK_v),
              (Lines{"!Spoken descriptions on", "Vossmere. Main menu", "Play, button"}));
    EXPECT_EQ(saved(), "1024x768\r\n0\r\nspeech=1");
    EXPECT_EQ(after(SDLK_DOWN), Lines{"!Settings, button"});
    const Lines settings = after(SDLK_RETURN);
    ASSERT_EQ(settings.size(), 2u);
    EXPECT_EQ(settings, (Lines{"!Settings", "Language, English, list, 1 of 4"}));
    EXPECT_TRUE(after(SDLK_DOWN).at(0).starts_with("!Resolution, 1024 by 768, list, "));
    EXPECT_EQ(after(SDLK_DOWN), Lines{"!Fullscreen, checkbox, not checked"});
    EXPECT_EQ(after(SDLK_SPACE), Lines{"!Fullscreen, checkbox, checked"});
    EXPECT_EQ(after(SDLK_DOWN), Lines{"!Music volume, 100 percent, slider"});
    EXPECT_EQ(after(SDLK_LEFT), Lines{"!Music volume, 90 percent, slider"});
    EXPECT_EQ(after(SDLK_ESCAPE), (Lines{"!Vossmere. Main menu", "Play, button"}));

    // A level: its name, the view, the door with the focus; turning says the next view.
    EXPECT_EQ(after(SDLK_RETURN), (Lines{"!" + level_1, door_2, "The door marked 2"}));
    EXPECT_EQ(after(SDLK_RIGHT), (Lines{"!" + door_7, "The door marked 7"}));
    EXPECT_EQ(after(SDLK_RIGHT), (Lines{"!" + window, "Turn left, button"}));
    EXPECT_EQ(after(SDLK_r), Lines{"!" + window});
    EXPECT_EQ(after(SDLK_LEFT), (Lines{"!" + door_7, "The door marked 7"})) << "the door's again";
    EXPECT_EQ(after(SDLK_RETURN), (Lines{"!Go through this door? There is no way back. Yes, "
                                         "button. No, button.",
                                         "Yes, button"}));
    EXPECT_EQ(after(SDLK_n), (Lines{"!" + level_1, door_7, "The door marked 7"}));

    // The display's dialog, its countdown said at 10 and 5 seconds.
    const Lines asked = after(SDLK_RETURN, KMOD_ALT);
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked[0], "!Keep this display setting? Reverting in 15 seconds. Keep, button. "
                        "Revert, button.");
    heard.clear();
    run_over(app->display.countdown->tick(), 11);
    EXPECT_EQ(heard, (Lines{"!Reverting in 10 seconds.", "!Reverting in 5 seconds."}));
    after(SDLK_ESCAPE);

    EXPECT_EQ(after(SDLK_v), Lines{"!Spoken descriptions off"});
    EXPECT_EQ(after(SDLK_RIGHT), Lines{});
    EXPECT_EQ(saved(), "1024x768\r\n0\r\nmusic_volume=90");
}

// On the tests' own data, which F5 may find broken.
class Narration_of_problems : public Narration {
protected:
    Narration_of_problems() : Narration(nullptr) {}
};

TEST_F(Narration_of_problems, says_a_problem_written_at_the_bottom_and_captions_after_the_rest)
{
    app->settings->captions = true;
    app->show_captions();
    after(SDLK_v);
    Support::write_file("main_menu.xml", "<ui><broken");
    const Lines reloaded = after(SDLK_F5);
    ASSERT_FALSE(reloaded.empty());
    EXPECT_EQ("!" + app->problems.label->text, reloaded.back());
    // Captions follow what the screen shows (the click's too, when a channel was free for it).
    const Lines level = after(SDLK_RETURN);
    ASSERT_GE(level.size(), 3u);
    EXPECT_EQ(Lines(level.begin(), level.begin() + 2), (Lines{"!level_1.xml", "Door 1"}));
    EXPECT_EQ(level.back(), "[game_music]");
}

TEST_F(Narration_of_problems, the_settings_say_when_there_is_no_voice_and_keep_the_choice)
{
    const auto open_settings = [this] {
        play.click(*app->main_menu->settings_button);
        return app->settings_menu->speech_note == nullptr;
    };
    EXPECT_TRUE(open_settings()) << "a voice";
    play.click(*app->settings_menu->back_button);
    app->speech.use(nullptr);
    EXPECT_FALSE(open_settings());
    EXPECT_EQ(app->settings_menu->speech_checkbox->spoken(),
              "Spoken descriptions, not available on this computer, checkbox, not checked");
    play.click(*app->settings_menu->speech_checkbox);
    EXPECT_TRUE(app->speech.enabled);
    play.click(*app->settings_menu->back_button);
    EXPECT_EQ(saved(), "1024x768\r\n0\r\nspeech=1");
}

} // namespace
