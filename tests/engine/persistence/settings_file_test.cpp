#include "engine/persistence/game_folder.h"
#include "engine/persistence/settings_file.h"
#include "tests/support/fixtures.h"

#include <dlfcn.h>

namespace fs = std::filesystem;

namespace {

// Each file this program flushed to disk, with what it held then.
std::vector<std::pair<std::string, std::string>> synced;

} // namespace

// Every fsync of the program comes here first, then goes on to the C library's.
extern "C" int fsync(int fd)
{
    std::error_code error;
    const auto file = fs::read_symlink("/proc/self/fd/" + std::to_string(fd), error);
    synced.emplace_back(file.filename().string(), Support::read_file(file));
    static const auto next = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    return next(fd);
}

namespace {

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

TEST_F(Settings_file, loads_exactly_a_width_x_a_height_and_keeps_the_settings_otherwise)
{
    using namespace std::string_view_literals;
    // The settings after loading `content` over 640x480, fullscreen.
    const auto load = [&](std::string_view content) {
        fs::create_directories(folder);
        Support::write_file(settings_file.string(), std::string(content));
        auto settings = Support::settings_of("640x480", true);
        GE::load_settings(settings);
        return std::pair(settings.resolution->text, settings.fullscreen);
    };
    for (const auto& [content, resolution, fullscreen] :
         {std::tuple{"1280x720\r\n1"sv, "1280x720", true},
          std::tuple{"1280x720\n1"sv, "1280x720", true}, std::tuple{"800x600"sv, "800x600", false},
          std::tuple{"1024x768 7"sv, "1024x768", false},
          std::tuple{"16384x1\n0"sv, "16384x1", false}})
        EXPECT_EQ(load(content), std::pair(std::string(resolution), fullscreen)) << content;
    // Anything but digits, "x", digits, each side 1 to 16384 without a leading zero.
    for (const auto broken :
         {""sv, "abc\r\n0"sv, "0x600\n0"sv, "16385x600\n0"sv, "99999999999x768\n0"sv,
          "1024x768junk\n0"sv, "+800x+600\n0"sv, " 800x600\0\n0"sv, "0800x0600\n0"sv,
          "1e3x768\n0"sv, "800x600x2\n0"sv, "800\n0"sv, "\x89PNG\x01\xff"sv})
        EXPECT_EQ(load(broken), std::pair(std::string("640x480"), true)) << broken;
    fs::remove(settings_file);
    auto settings = Support::settings_of("640x480");
    GE::load_settings(settings); // no file
    EXPECT_EQ(settings.resolution->text, "640x480");
}

TEST_F(Settings_file, saving_makes_the_games_folder_and_never_leaves_half_a_file)
{
    fs::create_directories(scratch.path / "Documents" / "My Games");
    synced.clear();
    EXPECT_EQ(save("800x600"), "800x600\r\n0");
    // The whole new file was on the disk before it took the old one's name.
    EXPECT_EQ(synced, (decltype(synced){{"settings.data.new", "800x600\r\n0"}}));
    EXPECT_EQ(save("1920x1080", true), "1920x1080\r\n1");
    EXPECT_EQ(fs::directory_iterator(folder)->path(), settings_file); // nothing else left behind
    fs::create_directories(folder / "settings.data.new" / "in the way");
    EXPECT_EQ(save("640x480"), "Can not write the settings file");
    EXPECT_EQ(saved(), "1920x1080\r\n1"); // the old file was kept whole
    fs::remove_all(folder);
    fs::create_directories(settings_file / "in the way");
    EXPECT_EQ(save("640x480"), "Can not write the settings file");
    EXPECT_FALSE(fs::exists(folder / "settings.data.new")); // the unrenamed file is removed

    // An empty USERPROFILE counts as unset: the file goes under HOME, wherever the game runs.
    setenv("USERPROFILE", "", 1);
    setenv("HOME", (scratch.path / "home").c_str(), 1);
    EXPECT_EQ(save("800x600"), "Can not make a directory"); // HOME itself is never made
    fs::create_directory(scratch.path / "home");
    save("800x600");
    EXPECT_EQ(Support::read_file(scratch.path / "home" / "Documents" / "My Games" / "Vossmere" /
                                 "settings.data"),
              "800x600\r\n0");
    setenv("HOME", scratch.path.c_str(), 1);
    fs::remove_all(scratch.path / "Documents");
    Support::write_file((scratch.path / "Documents").string(), "a file, not a folder");
    EXPECT_EQ(save("800x600"), "Can not make a directory");
    unsetenv("USERPROFILE");
    unsetenv("HOME");
    EXPECT_NE(save("800x600").find("neither USERPROFILE nor HOME"), std::string::npos);
}

} // namespace
