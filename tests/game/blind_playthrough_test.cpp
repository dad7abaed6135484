#include "engine/speech/speech.h"
#include "tests/support/game_data.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <regex>

namespace {

using Lines = std::vector<std::string>;

// Sends the game's speech to a log file, before the game starts.
struct Speech_to_log {
    Speech_to_log() { Support::set_environment(GE::Speech::log_variable, path.string().c_str()); }
    ~Speech_to_log()
    {
        Support::set_environment(GE::Speech::log_variable, nullptr);
        std::filesystem::remove(path);
    }
    Speech_to_log(const Speech_to_log&) = delete;

    const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("vossmere-speech-" + std::to_string(std::random_device{}()) + ".txt");
};

// The shipped game played by a player who cannot see it: the test presses keys and knows only
// what the speech log says, never the level's objects.
class Blind_playthrough : private Speech_to_log, public Support::Game_flow {
protected:
    Blind_playthrough() : Game_flow(VOSSMERE_RUN_DIR) {}

    // Presses `key` and answers what the game said meanwhile.
    Lines hear(SDL_Keycode key)
    {
        press(key);
        std::ifstream log(path);
        Lines lines;
        for (std::string line; std::getline(log, line);)
            lines.push_back(line);
        Lines said(lines.begin() + static_cast<std::ptrdiff_t>(read), lines.end());
        read = lines.size();
        transcript.insert(transcript.end(), said.begin(), said.end());
        return said;
    }

    // Presses `key` until the game says `words` last, unless it just did; at most `times` times.
    bool press_until(SDL_Keycode key, const std::string& words, int times = 8)
    {
        if (!transcript.empty() && transcript.back() == words)
            return true;
        for (int pressed = 0; pressed < times; ++pressed)
            if (const Lines said = hear(key); !said.empty() && said.back() == words)
                return true;
        return false;
    }

    // Turns right around the level from the view it starts in, `first`, and answers every view's
    // description in the order of the ring.
    Lines look_around(const std::string& first)
    {
        Lines views{first};
        for (int turned = 0; turned < 12; ++turned) {
            const Lines said = hear(SDLK_RIGHT);
            if (said.empty() || said.front() == first)
                break;
            views.push_back(said.front());
        }
        return views;
    }

    // The door a player reasons out from the views' descriptions: the painting's Roman numeral
    // or letter, or the clocks' count of doors the way the hands turn.
    static std::string reason_out(const Lines& views)
    {
        static const std::regex door("A door marked (\\w+),"),
            numeral("Roman numeral: ([IVX ]+)\\."), letter("a single letter: ([A-Z])\\.");
        std::vector<std::string> doors;
        std::smatch found;
        for (const auto& view : views) {
            if (std::regex_search(view, found, door))
                doors.push_back(found[1]);
            else if (std::regex_search(view, found, numeral))
                return std::to_string(roman(found[1]));
            else if (std::regex_search(view, found, letter))
                return std::to_string(found[1].str()[0] - 'A' + 1);
        }
        for (const auto& view : views)
            if (view.find("Count the doors the way the hands turn") != std::string::npos &&
                doors.size() >= 3)
                return doors[2];
        return "";
    }

    static int roman(const std::string& letters)
    {
        const std::string numeral = std::regex_replace(letters, std::regex(" "), "");
        static const Lines numerals{"I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX"};
        const auto found = std::find(numerals.begin(), numerals.end(), numeral);
        return found == numerals.end() ? 0 : static_cast<int>(found - numerals.begin()) + 1;
    }

    // Plays a level announced by `said` (its name, then its first view): looks around, turns to
    // the door the hints name, and goes through it. Answers what the game said then.
    Lines escape_level(const Lines& said)
    {
        EXPECT_GE(said.size(), 2u);
        const std::string first = said.size() >= 2 ? said[1] : "";
        const std::string door = reason_out(look_around(first));
        EXPECT_NE(door, "") << "no hint understood";
        const std::string view = "A door marked " + door + ",";
        for (int turned = 0; turned < 12 && !hear(SDLK_RIGHT).front().starts_with(view);)
            ++turned;
        EXPECT_TRUE(press_until(SDLK_TAB, "The door marked " + door)) << door;
        EXPECT_TRUE(hear(SDLK_RETURN).front().starts_with("Go through this door?"));
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

    std::size_t read = 0;
    Lines transcript;
};

TEST_F(Blind_playthrough, finishes_the_game_by_ear_again_and_again_whatever_doors_are_drawn)
{
    EXPECT_EQ(hear(SDLK_TAB), (Lines{"Vossmere. Main menu", "Play, button"}));
    for (int round = 0; round < 4; ++round) {
        Lines said = hear(SDLK_RETURN);
        for (const char* level : {"Level 1 of 3", "Level 2 of 3", "Level 3 of 3"}) {
            ASSERT_FALSE(said.empty());
            ASSERT_TRUE(said.front().starts_with(level)) << heard();
            said = escape_level(said);
        }
        ASSERT_FALSE(said.empty());
        ASSERT_TRUE(said.front().starts_with("The way out.")) << heard();
        ASSERT_TRUE(press_until(SDLK_TAB, "Main menu, button")) << heard();
        EXPECT_EQ(hear(SDLK_RETURN).front(), "Vossmere. Main menu");
        ASSERT_TRUE(press_until(SDLK_TAB, "Play, button"));
    }
}

} // namespace
