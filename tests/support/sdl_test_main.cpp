#include "engine/core/sdl_lifetime.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

int main(int argc, char** argv)
{
    GE::use_headless_drivers();
    // No test, not even a failing one, may touch the player's own settings: for the whole run
    // the user's folder is a scratch folder.
    std::string home = (std::filesystem::temp_directory_path() / "vossmere-home-XXXXXX").string();
    if (mkdtemp(home.data()) == nullptr)
        return 1;
    setenv("HOME", home.c_str(), 1);
    setenv("USERPROFILE", home.c_str(), 1);
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
