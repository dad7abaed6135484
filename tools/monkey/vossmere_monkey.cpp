// vossmere-monkey [--seconds N] [--seed S] [--quiet] [RUN_DIR]: plays the whole game headless
// through a seeded storm of input for N seconds (60 by default) and fails, naming the seed to
// replay, when an exception escaped the game, a screen was never reached or the heap kept
// growing. RUN_DIR is the game's data folder, the build's own by default.
#include "engine/core/error_text.h"
#include "engine/core/sdl_lifetime.h"
#include "tools/monkey/monkey_options.h"
#include "tools/monkey/soak.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <span>
#include <stdexcept>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// A seed short enough to type back.
std::uint64_t seed_from_clock()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
               std::chrono::duration_cast<std::chrono::microseconds>(now).count()) %
           1'000'000'000;
}

int soak(const Tools::Monkey_options& options)
{
    const std::uint64_t seed = options.seed ? *options.seed : seed_from_clock();
    // Said first: a crash prints nothing after it.
    std::cout << "monkey: seed " << seed << ", " << options.seconds << " s" << std::endl;
    try {
        std::filesystem::current_path(options.run_dir.empty() ? VOSSMERE_RUN_DIR : options.run_dir);
        Tools::Soak run(seed, options.seconds);
        run.play();
        return run.report(std::cout, options.quiet ? 10 : 1) ? 0 : 1;
    } catch (const std::exception& error) {
        // No data folder, no scratch folder or no SDL: no game was played.
        std::cout << "monkey: " << GE::error_text(error) << "\nmonkey: failed with seed " << seed
                  << " (replay: vossmere-monkey --seed " << seed << " --seconds " << options.seconds
                  << ")\n";
        return 1;
    }
}

} // namespace

int main(int argc, char* argv[])
{
#ifdef __GLIBC__
    // As the game's own main: large images in blocks of their own, given back when freed.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    Tools::Monkey_options options;
    try {
        const auto arguments = std::span<const char* const>(argv, static_cast<std::size_t>(argc));
        options = Tools::Monkey_options::read(arguments.subspan(arguments.empty() ? 0 : 1));
    } catch (const std::invalid_argument& error) {
        std::cerr << "vossmere-monkey: " << error.what() << '\n'
                  << Tools::Monkey_options::usage << '\n';
        return 2;
    }
    GE::use_headless_drivers();
    try {
        return soak(options);
    } catch (const std::exception& error) {
        std::cerr << "vossmere-monkey: " << GE::error_text(error) << '\n';
        return 1;
    }
}
