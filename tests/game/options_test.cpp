#include "game/options.h"
#include "tests/support/fixtures.h"

namespace {

using Arguments = std::vector<const char*>;

TEST(Options, read_a_level_a_view_and_the_watch_and_refuse_anything_else_with_the_usage_line)
{
    for (const auto& [arguments, level, view, watch] :
         {std::tuple{Arguments{}, 0, 1, false}, std::tuple{Arguments{"--level", "2"}, 2, 1, false},
          std::tuple{Arguments{"--watch", "--view", "3", "--level", "12"}, 12, 3, true},
          std::tuple{Arguments{"--watch"}, 0, 1, true}}) {
        const auto options = Game::Options::read(arguments);
        EXPECT_EQ(std::tuple(options.level, options.view, options.watch),
                  std::tuple(level, view, watch));
    }
    const std::string usage = std::string("\n") + Game::Options::usage;
    for (const auto& [arguments, why] : std::vector<std::pair<Arguments, std::string>>{
             {{"--lvel", "2"}, "Unknown option --lvel"},
             {{"level"}, "Unknown option level"},
             {{"--level"}, "--level takes a number from 1 up, not \"\""},
             {{"--level", "0"}, "--level takes a number from 1 up, not \"0\""},
             {{"--level", "-2"}, "--level takes a number from 1 up, not \"-2\""},
             {{"--level", "02"}, "--level takes a number from 1 up, not \"02\""},
             {{"--level", "2x"}, "--level takes a number from 1 up, not \"2x\""},
             {{"--level", "1234567"}, "--level takes a number from 1 up, not \"1234567\""},
             {{"--view", "2"}, "--view goes with --level"}})
        EXPECT_EQ(Support::error_of([&] { Game::Options::read(arguments); }), why + usage);
}

} // namespace
