// vossmere-check [--catalogues PO_DIR] [--pseudo] [--sheet OUT.png] DATA_DIR: reports every
// problem of a data folder of the game, each with its file and line, and exits with 1 when there
// is one (2 when the check itself cannot run). Warnings are reported too, but leave the status 0.
// With --catalogues, also those of each translator's catalogue (*.po) in PO_DIR; with --pseudo,
// the texts that would not fit in the pseudo-language; with --sheet, it also draws every view of
// every level into one PNG.
#include "engine/core/app.h"
#include "engine/core/error_text.h"
#include "engine/core/sdl_lifetime.h"
#include "engine/core/window_settings.h"
#include "tools/check/catalogue_checker.h"
#include "tools/check/data_checker.h"
#include "tools/check/view_sheet.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string_view>

namespace {

struct Options {
    std::string data;
    std::filesystem::path catalogues; // empty: none checked
    bool pseudo = false;
    std::filesystem::path sheet; // empty: none drawn
};

// The options of the command line; none when they are not ones the command knows.
std::optional<Options> read_options(int argc, char* argv[])
{
    Options options;
    for (int at = 1; at < argc; ++at) {
        const std::string_view argument = argv[at];
        if (argument == "--catalogues" && at + 1 < argc)
            options.catalogues = std::filesystem::absolute(argv[++at]);
        else if (argument == "--pseudo")
            options.pseudo = true;
        else if (argument == "--sheet" && at + 1 < argc)
            options.sheet = std::filesystem::absolute(argv[++at]);
        else if (options.data.empty() && !argument.starts_with("-"))
            options.data = argument;
        else
            return std::nullopt;
    }
    if (options.data.empty())
        return std::nullopt;
    return options;
}

// The catalogues' problems, then the pseudo-language's.
void check_translations(const Options& options, std::vector<Tools::Problem>& problems)
{
    Tools::Catalogue_checker checker;
    std::vector<std::filesystem::path> catalogues;
    if (!options.catalogues.empty())
        for (const auto& entry : std::filesystem::directory_iterator(options.catalogues))
            if (entry.path().extension() == ".po")
                catalogues.push_back(entry.path());
    std::sort(catalogues.begin(), catalogues.end());
    for (const auto& catalogue : catalogues)
        for (auto& problem : checker.check(catalogue.string()))
            problems.push_back(std::move(problem));
    if (options.pseudo)
        for (auto& problem : checker.check_pseudo())
            problems.push_back(std::move(problem));
}

} // namespace

int main(int argc, char* argv[])
{
    const auto options = read_options(argc, argv);
    if (!options) {
        std::cerr << "usage: vossmere-check [--catalogues PO_DIR] [--pseudo] [--sheet OUT.png] "
                     "DATA_DIR\n";
        return 2;
    }
    const char* data = options->data.c_str();
    // The screens are built for real, but nothing is shown or heard.
    GE::use_headless_drivers();
    try {
        std::filesystem::current_path(data);
        const GE::SDL_lifetime sdl;
        GE::App app("vossmere-check", 0xFFFFFFFF, GE::Window_settings{});
        Tools::Data_checker checker(&app.render_context, &app.window);
        auto problems = checker.check();
        check_translations(*options, problems);
        if (!options->sheet.empty())
            try {
                Tools::View_sheet(&app.render_context, &app.window).write(options->sheet.string());
                std::cout << options->sheet.string() << ": every view of every level\n";
            } catch (const std::exception& error) {
                problems.push_back({options->sheet.string(), 0, GE::error_text(error)});
            }
        for (const auto& problem : problems)
            std::cerr << Tools::to_string(problem) << '\n';
        const auto warnings =
            std::count_if(problems.begin(), problems.end(),
                          [](const Tools::Problem& problem) { return problem.warning; });
        const auto errors = static_cast<std::ptrdiff_t>(problems.size()) - warnings;
        if (errors > 0) {
            std::cerr << data << ": " << errors << " problem(s), " << warnings << " warning(s)\n";
            return 1;
        }
        if (warnings > 0)
            std::cerr << data << ": " << warnings << " warning(s)\n";
        else
            std::cout << data << ": levels 1 to " << checker.levels
                      << " played in a row; every screen, level, sound and translation is in "
                         "order\n";
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "vossmere-check: " << GE::error_text(error) << '\n';
        return 2;
    }
}
