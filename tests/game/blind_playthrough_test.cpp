#include "engine/speech/speech.h"
#include "game/hint_text.h"
#include "tests/support/game_data.h"
#include "tests/support/speech_recorder.h"

#include <regex>

namespace {

using Lines = std::vector<std::string>;

// The shipped game played by a player who cannot see it: the test presses keys and knows only
// what the speech log says, never the level's objects.
class Blind_playthrough : private Support::Speech_to_log, public Support::Game_flow {
protected:
    Blind_playthrough() : Game_flow(VOSSMERE_RUN_DIR) {}

    // Presses `key` and answers what the game said meanwhile.
    Lines hear(SDL_Keycode key)
    {
        press(key);
        return new_lines();
    }

    // Presses `key` until the game says `words` last, unless it just did; at most 8 times.
    bool press_until(SDL_Keycode key, const std::string& words)
    {
        for (int pressed = 0; pressed <= 8; ++pressed)
            if (!transcript.empty() && transcript.back() == words)
                return true;
            else if (pressed < 8)
                hear(key);
        return false;
    }

    // The door a player reasons out from the level's views, `first` and those turning right:
    // the painting's Roman numeral or letter, or the clocks' count of the doors the way the
    // hands turn from the first.
    std::string reason_out(const std::string& first)
    {
        static const std::regex door("A door marked (\\w+),"),
            numeral("Roman numeral: ([IVX ]+)\\."), letter("a single letter: ([A-Z])\\.");
        Lines doors;
        std::string answer;
        std::smatch found;
        for (std::string view = first; answer.empty();) {
            if (std::regex_search(view, found, door))
                doors.push_back(found[1]);
            else if (std::regex_search(view, found, numeral))
                for (char digit = '1'; digit <= '9'; ++digit)
                    if (Game::spelled_text(Game::roman_numeral_text({digit})) == found[1].str())
                        answer = {digit};
            if (std::regex_search(view, found, letter))
                answer = std::to_string(found[1].str()[0] - 'A' + 1);
            if (view.find("Count the doors the way the hands turn") != std::string::npos)
                answer = doors.size() >= 3 ? doors[2] : "?";
            if (view = hear(SDLK_RIGHT).at(0); view == first && answer.empty())
                return "";
        }
        return answer;
    }

    // Plays a level announced by `said` (its name, then its first view): looks around, turns to
    // the door the hints name and goes through it. Answers what the game said then.
    Lines escape_level(const Lines& said)
    {
        const std::string door = reason_out(said.at(1));
        EXPECT_NE(door, "") << "no hint understood";
        for (int turned = 0; turned < 12; ++turned)
            if (hear(SDLK_RIGHT).at(0).starts_with("A door marked " + door + ","))
                break;
        EXPECT_TRUE(press_until(SDLK_TAB, "The door marked " + door)) << door;
        EXPECT_TRUE(hear(SDLK_RETURN).at(0).starts_with("Go through this door?"));
        EXPECT_TRUE(press_until(SDLK_TAB, "Yes, button"));
        return hear(SDLK_RETURN);
    }

    // Everything said, a line each.
    std::string heard() const
    {
        std::string text;
        for (const auto& line : transcript)
            text += line + "\n";
        return text;
    }
};

TEST_F(Blind_playthrough, finishes_the_game_by_ear_again_and_again_whatever_doors_are_drawn)
{
    EXPECT_EQ(hear(SDLK_TAB), (Lines{"Vossmere. Main menu", "Play, button"}));
    for (int round = 0; round < 4; ++round) { // the right doors are drawn anew each time
        Lines said = hear(SDLK_RETURN);
        for (const char* level : {"Level 1 of 3", "Level 2 of 3", "Level 3 of 3"}) {
            ASSERT_TRUE(!said.empty() && said.front().starts_with(level)) << heard();
            said = escape_level(said);
        }
        ASSERT_TRUE(!said.empty() && said.front().starts_with("The way out.")) << heard();
        ASSERT_TRUE(press_until(SDLK_TAB, "Main menu, button")) << heard();
        EXPECT_EQ(hear(SDLK_RETURN).at(0), "Vossmere. Main menu");
        ASSERT_TRUE(press_until(SDLK_TAB, "Play, button"));
    }
}

} // namespace
