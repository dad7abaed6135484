#include "engine/core/ge_runtime_error.h"
#include "engine/core/window_settings.h"
#include "engine/persistence/game_folder.h"
#include "engine/persistence/settings_file.h"
#include "tests/support/fixtures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

class Settings_file : public testing::Test {
protected:
    Settings_file()
    {
        setenv("USERPROFILE", scratch.path().c_str(), 1);
        GE::set_game_folder("Vossmere");
    }
    ~Settings_file() override { unsetenv("USERPROFILE"); }

    // Saves the settings (unless `resolution` is null) and answers the file or the error.
    std::string saved(const char* resolution, bool fullscreen = false)
    {
        try {
            if (resolution != nullptr)
                GE::save_settings(Support::settings_of(resolution, fullscreen));
        } catch (const GE::GE_runtime_error& error) {
            return error.what();
        }
        std::ifstream in(file, std::ios::binary);
        return (std::ostringstream() << in.rdbuf()).str();
    }

    Support::Scratch_dir scratch;
    const fs::path folder = scratch.path() / "Documents" / "My Games" / "Vossmere";
    const fs::path file = folder / "settings.data";
};

TEST_F(Settings_file, loads_what_it_can_read_and_keeps_the_settings_otherwise)
{
    EXPECT_EQ(GE::data_file_path("settings.data"), file);
    for (const auto& [content, resolution, fullscreen] :
         {std::tuple{"", "640x480", true}, std::tuple{"1280x720\r\n1", "1280x720", true},
          std::tuple{"1280x720\n1", "1280x720", true}, std::tuple{"800x600", "800x600", false},
          std::tuple{"1024x768 7", "1024x768", false}, std::tuple{"abc\r\n0", "640x480", true},
          std::tuple{"0x600\n0", "640x480", true}, std::tuple{"20000x600\n0", "640x480", true},
          std::tuple{"\x89PNG\x01\xff", "640x480", true}}) {
        fs::create_directories(folder);
        Support::write_file(file.string(), content);
        auto settings = Support::settings_of("640x480", true);
        GE::load_settings(settings);
        EXPECT_EQ(std::pair(settings.resolution->text, settings.fullscreen),
                  std::pair(std::string(resolution), fullscreen))
            << content;
    }
    fs::remove(file);
    auto settings = Support::settings_of("640x480");
    GE::load_settings(settings); // no file
    EXPECT_EQ(settings.resolution->text, "640x480");
}

TEST_F(Settings_file, saving_makes_the_games_folder_and_never_leaves_half_a_file)
{
    fs::create_directories(scratch.path() / "Documents" / "My Games");
    EXPECT_EQ(saved("800x600"), "800x600\r\n0");
    EXPECT_EQ(saved("1920x1080", true), "1920x1080\r\n1");
    EXPECT_EQ(fs::directory_iterator(folder)->path(), file); // nothing else left behind
    fs::create_directories(folder / "settings.data.new" / "in the way");
    EXPECT_EQ(saved("640x480"), "Can not write the settings file");
    EXPECT_EQ(saved(nullptr), "1920x1080\r\n1"); // the old file was kept whole

    fs::remove_all(scratch.path() / "Documents");
    Support::write_file((scratch.path() / "Documents").string(), "a file, not a folder");
    EXPECT_EQ(saved("800x600"), "Can not make a directory");
    const std::string home = std::getenv("HOME");
    unsetenv("USERPROFILE");
    unsetenv("HOME");
    EXPECT_NE(saved("800x600").find("neither USERPROFILE nor HOME"), std::string::npos);
    setenv("HOME", home.c_str(), 1);
}

} // namespace
