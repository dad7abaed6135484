#include "engine/persistence/game_folder.h"
#include "engine/persistence/settings_file.h"
#include "tests/support/fixtures.h"

namespace {

namespace fs = std::filesystem;

class Settings_file : public Support::Home_test {
protected:
    Settings_file() { GE::set_game_folder("Vossmere"); }

    // Saves the settings and answers the file or the error.
    std::string save(const char* resolution, bool fullscreen = false)
    {
        const std::string error = Support::error_of(
            [&] { GE::save_settings(Support::settings_of(resolution, fullscreen)); });
        return error.empty() ? saved() : error;
    }
};

TEST_F(Settings_file, loads_what_it_can_read_and_keeps_the_settings_otherwise)
{
    for (const auto& [content, resolution, fullscreen] :
         {std::tuple{"", "640x480", true}, std::tuple{"1280x720\r\n1", "1280x720", true},
          std::tuple{"1280x720\n1", "1280x720", true}, std::tuple{"800x600", "800x600", false},
          std::tuple{"1024x768 7", "1024x768", false}, std::tuple{"abc\r\n0", "640x480", true},
          std::tuple{"0x600\n0", "640x480", true}, std::tuple{"20000x600\n0", "640x480", true},
          std::tuple{"\x89PNG\x01\xff", "640x480", true}, std::tuple{"800\n1", "800", true}}) {
        fs::create_directories(folder);
        Support::write_file(settings_file.string(), content);
        auto settings = Support::settings_of("640x480", true);
        GE::load_settings(settings);
        EXPECT_EQ(std::pair(settings.resolution->text, settings.fullscreen),
                  std::pair(std::string(resolution), fullscreen))
            << content;
    }
    fs::remove(settings_file);
    auto settings = Support::settings_of("640x480");
    GE::load_settings(settings); // no file
    EXPECT_EQ(settings.resolution->text, "640x480");
}

TEST_F(Settings_file, saving_makes_the_games_folder_and_never_leaves_half_a_file)
{
    fs::create_directories(scratch.path / "Documents" / "My Games");
    EXPECT_EQ(save("800x600"), "800x600\r\n0");
    EXPECT_EQ(save("1920x1080", true), "1920x1080\r\n1");
    EXPECT_EQ(fs::directory_iterator(folder)->path(), settings_file); // nothing else left behind
    fs::create_directories(folder / "settings.data.new" / "in the way");
    EXPECT_EQ(save("640x480"), "Can not write the settings file");
    EXPECT_EQ(saved(), "1920x1080\r\n1"); // the old file was kept whole
    fs::remove_all(folder);
    fs::create_directories(settings_file / "in the way");
    EXPECT_EQ(save("640x480"), "Can not write the settings file");
    EXPECT_FALSE(fs::exists(folder / "settings.data.new")); // the unrenamed file is removed

    // An empty USERPROFILE counts as unset.
    const std::string home = std::getenv("HOME");
    setenv("USERPROFILE", "", 1);
    setenv("HOME", scratch.path.c_str(), 1);
    fs::remove_all(folder);
    EXPECT_EQ(save("800x600"), "800x600\r\n0");
    fs::remove_all(scratch.path / "Documents");
    Support::write_file((scratch.path / "Documents").string(), "a file, not a folder");
    EXPECT_EQ(save("800x600"), "Can not make a directory");
    unsetenv("USERPROFILE");
    unsetenv("HOME");
    EXPECT_NE(save("800x600").find("neither USERPROFILE nor HOME"), std::string::npos);
    setenv("HOME", home.c_str(), 1);
}

} // namespace
