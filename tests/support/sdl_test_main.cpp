#include "engine/core/sdl_lifetime.h"
#include "tests/support/system.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

int main(int argc, char** argv)
{
    GE::use_headless_drivers();
    // No test, not even a failing one, may touch the player's own settings: for the whole run
    // the user's folder is a scratch folder.
    const auto home = Support::make_temporary_folder("vossmere-home-");
    Support::set_environment("HOME", home.string().c_str());
    Support::set_environment("USERPROFILE", home.string().c_str());
    // The game starts in the system's language: in the tests, English, unless a test says other.
    Support::set_environment("LANGUAGE", nullptr);
    Support::set_environment("LANG", "C");
    testing::InitGoogleTest(&argc, argv);
    int result = 0;
    {
        // SDL comes up once per test program, headless, and goes down after the last test.
        const GE::SDL_lifetime sdl;
        GE::open_audio();
        result = RUN_ALL_TESTS();
    }
    std::filesystem::remove_all(home);
    return result;
}
