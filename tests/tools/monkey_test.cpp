#include "tests/support/fixtures.h"
#include "tools/monkey/memory_curve.h"
#include "tools/monkey/monkey_options.h"
#include "tools/monkey/screen_tally.h"

namespace {

using Arguments = std::vector<const char*>;
using Tools::Memory_curve;
using Tools::Monkey_options;

TEST(Monkey_options, read_the_seconds_the_seed_quiet_and_a_folder_and_refuse_anything_else)
{
    for (const auto& [arguments, seconds, seed, quiet, folder] :
         {std::tuple{Arguments{}, 60, std::optional<std::uint64_t>{}, false, ""},
          std::tuple{Arguments{"--seed", "0", "--seconds", "10"}, 10,
                     std::optional<std::uint64_t>{0}, false, ""},
          std::tuple{Arguments{"run", "--quiet", "--seed", "9999999999999999999"}, 60,
                     std::optional<std::uint64_t>{9'999'999'999'999'999'999ULL}, true, "run"}}) {
        const auto options = Monkey_options::read(arguments);
        EXPECT_EQ(std::tuple(options.seconds, options.seed, options.quiet, options.run_dir),
                  std::tuple(seconds, seed, quiet, std::string(folder)));
    }
    for (const auto& [arguments, why] : std::vector<std::pair<Arguments, std::string>>{
             {{"--second", "2"}, "unknown argument --second"},
             {{"run", "again"}, "unknown argument again"},
             {{"--seconds"}, "--seconds takes a number up to 86400, not \"\""},
             {{"--seconds", "0"}, "--seconds takes a number from 1 up"},
             {{"--seconds", "86401"}, "--seconds takes a number up to 86400, not \"86401\""},
             {{"--seed", "-1"}, "--seed takes a number up to 9999999999999999999, not \"-1\""},
             {{"--seed", "10000000000000000000"},
              "--seed takes a number up to 9999999999999999999, not \"10000000000000000000\""}})
        EXPECT_EQ(Support::error_of([&] { Monkey_options::read(arguments); }), why);
}

TEST(Memory_curve, is_flat_while_the_last_windows_peak_stays_within_five_percent_of_the_firsts)
{
    // 90 s: windows of 30 s, the first up to 30 s in, the last from 60 s.
    for (const auto& [first, middle, last, flat] :
         {std::tuple{1000, 5000, 1050, true}, std::tuple{1000, 900, 1051, false},
          std::tuple{1000, 1000, 400, true}, std::tuple{0, 1000, 1000, false}}) {
        Memory_curve curve;
        curve.add(0, 10);
        curve.add(30, static_cast<std::size_t>(first));
        curve.add(45, static_cast<std::size_t>(middle));
        curve.add(60, static_cast<std::size_t>(last));
        curve.add(90, 10);
        EXPECT_EQ(curve.flat(90), flat) << first << ", " << middle << ", " << last;
    }
    EXPECT_EQ(Memory_curve::window_for(600), 60);
    EXPECT_EQ(Memory_curve::window_for(30), 10);
    EXPECT_GT(Memory_curve::live_heap_bytes(), 0U);
}

TEST(Screen_tally, lists_each_level_after_play_and_misses_what_was_never_seen)
{
    Tools::Screen_tally tally;
    tally.seen = {{"main menu", 3}, {"play", 1}, {"level 2", 1}};
    EXPECT_EQ(
        Tools::Screen_tally::screens(2),
        (std::vector<std::string>{"main menu", "settings", "play", "level 1", "level 2",
                                  "door dialog", "retry dialog", "completion", "display dialog"}));
    EXPECT_EQ(tally.missing(2),
              (std::vector<std::string>{"settings", "level 1", "door dialog", "retry dialog",
                                        "completion", "display dialog"}));
}

} // namespace
