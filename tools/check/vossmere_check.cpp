// vossmere-check DATA_DIR: reports every problem of a data folder of the game, each with its
// file and line, and exits with 1 when there is one (2 when the check itself cannot run).
// Warnings are reported too, but leave the status 0.
#include "engine/core/app.h"
#include "engine/core/error_text.h"
#include "engine/core/sdl_lifetime.h"
#include "engine/core/window_settings.h"
#include "tools/check/data_checker.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <iostream>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::cerr << "usage: vossmere-check DATA_DIR\n";
        return 2;
    }
    // The screens are built for real, but nothing is shown or heard.
    GE::use_headless_drivers();
    try {
        std::filesystem::current_path(argv[1]);
        const GE::SDL_lifetime sdl;
        GE::App app("vossmere-check", 0xFFFFFFFF, GE::Window_settings{});
        const auto problems = Tools::Data_checker(&app.render_context, &app.window).check();
        for (const auto& problem : problems)
            std::cerr << Tools::to_string(problem) << '\n';
        const auto warnings =
            std::count_if(problems.begin(), problems.end(),
                          [](const Tools::Problem& problem) { return problem.warning; });
        const auto errors = static_cast<std::ptrdiff_t>(problems.size()) - warnings;
        if (errors > 0) {
            std::cerr << argv[1] << ": " << errors << " problem(s), " << warnings
                      << " warning(s)\n";
            return 1;
        }
        if (warnings > 0)
            std::cerr << argv[1] << ": " << warnings << " warning(s)\n";
        else
            std::cout << argv[1] << ": every screen, level and sound is in order\n";
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "vossmere-check: " << GE::error_text(error) << '\n';
        return 2;
    }
}
