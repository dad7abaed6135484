#include "tools/monkey/screen_tally.h"

#include "game/complete_ui.h"
#include "game/confirmation.h"
#include "game/display_confirmation.h"
#include "game/level.h"
#include "game/main_menu.h"
#include "game/play_ui.h"
#include "game/settings_menu.h"
#include "game/vossmere.h"

#include <algorithm>

namespace Tools {

namespace {

const std::vector<std::string> fixed_screens{
    "main menu", "settings", "play", "door dialog", "retry dialog", "completion", "display dialog"};

std::string level_name(int level) { return "level " + std::to_string(level); }

} // namespace

void Screen_tally::sample(const Game::Vossmere& app)
{
    const auto shown = [&app](const auto& screen) { return screen && app.has_child(screen); };
    const auto note = [this](bool showing, const std::string& name) {
        if (showing)
            ++seen[name];
    };
    note(shown(app.main_menu), "main menu");
    note(shown(app.settings_menu), "settings");
    const bool playing = shown(app.current_level);
    note(playing, "play");
    note(playing, level_name(app.level_number));
    note(shown(app.enter_confirmation), "door dialog");
    note(shown(app.retry_confirmation), "retry dialog");
    note(shown(app.complete_ui), "completion");
    note(app.display.asking(), "display dialog");
}

std::vector<std::string> Screen_tally::screens(int last_level)
{
    std::vector<std::string> names = fixed_screens;
    for (int level = 1; level <= last_level; ++level)
        names.insert(names.begin() + 2 + level, level_name(level));
    return names;
}

std::vector<std::string> Screen_tally::missing(int last_level) const
{
    std::vector<std::string> never;
    for (const auto& name : screens(last_level))
        if (!seen.contains(name))
            never.push_back(name);
    return never;
}

} // namespace Tools
