#pragma once

#include <map>
#include <string>
#include <vector>

namespace Game {
class Vossmere;
}

namespace Tools {

// Counts, screen by screen, how often a soak found the game showing it: the main menu, the
// settings, play and each level, the door's question, the retry dialog, the completion screen and
// the question whether to keep a display mode.
class Screen_tally {
public:
    // Notes every screen `app` shows now.
    void sample(const Game::Vossmere& app);
    // Every screen a game of `last_level` levels has, in the order a player meets them.
    static std::vector<std::string> screens(int last_level);
    // Those of `screens(last_level)` never seen.
    std::vector<std::string> missing(int last_level) const;

    std::map<std::string, long> seen;
};

} // namespace Tools
