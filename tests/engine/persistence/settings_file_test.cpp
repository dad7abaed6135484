#include "engine/persistence/game_folder.h"
#include "engine/persistence/settings_file.h"
#include "tests/support/fixtures.h"

#include <sstream>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace fs = std::filesystem;

namespace {

// Each file this program flushed to disk, with what it held then.
std::vector<std::pair<std::string, std::string>> synced;

} // namespace

#ifndef _WIN32
// Every fsync of the program comes here first, then goes on to the C library's.
extern "C" int fsync(int fd)
{
    std::error_code error;
    const auto file = fs::read_symlink("/proc/self/fd/" + std::to_string(fd), error);
    synced.emplace_back(file.filename().string(), Support::read_file(file));
    static const auto next = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    return next(fd);
}
#endif

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
#ifndef _WIN32
    // The whole new file was on the disk before it took the old one's name.
    EXPECT_EQ(synced, (decltype(synced){{"settings.data.new", "800x600\r\n0"}}));
#endif
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
    Support::set_environment("USERPROFILE", "");
    Support::set_environment("HOME", (scratch.path / "home").string().c_str());
    EXPECT_EQ(save("800x600"), "Can not make a directory"); // HOME itself is never made
    fs::create_directory(scratch.path / "home");
    save("800x600");
    EXPECT_EQ(Support::read_file(scratch.path / "home" / "Documents" / "My Games" / "Vossmere" /
                                 "settings.data"),
              "800x600\r\n0");
    Support::set_environment("HOME", scratch.path.string().c_str());
    fs::remove_all(scratch.path / "Documents");
    Support::write_file((scratch.path / "Documents").string(), "a file, not a folder");
    EXPECT_EQ(save("800x600"), "Can not make a directory");
    Support::set_environment("USERPROFILE", nullptr);
    Support::set_environment("HOME", nullptr);
    EXPECT_NE(save("800x600").find("neither USERPROFILE nor HOME"), std::string::npos);
}

TEST_F(Settings_file, keeps_the_other_choices_in_named_lines_that_a_two_word_reader_passes_over)
{
    auto settings = Support::settings_of("800x600", true);
    settings.music_volume = 70;
    settings.effects_volume = 0;
    settings.captions = true;
    settings.speech = true;
    settings.background_mute = true;
    settings.language = "de";
    settings.other_lines = {"text_size=2"};
    GE::save_settings(settings);
    const std::string file = saved();
    EXPECT_EQ(file,
              "800x600\r\n1\r\nmusic_volume=70\r\neffects_volume=0\r\ncaptions=1\r\nspeech=1\r\n"
              "background_mute=1\r\nlanguage=de\r\ntext_size=2");
    std::istringstream older(file); // how the game read its file before the named lines
    std::string resolution, fullscreen;
    older >> resolution >> fullscreen;
    EXPECT_EQ(std::pair(resolution, fullscreen),
              std::pair(std::string("800x600"), std::string("1")));

    // What loading a file over the defaults gives: the mode, the volumes, captions (and spoken
    // descriptions and the background's mute, all on or all off in these files), the language,
    // lines kept.
    const auto load = [&](const std::string& content) {
        Support::write_file(settings_file.string(), content);
        auto loaded = Support::settings_of("640x480");
        GE::load_settings(loaded);
        EXPECT_EQ(loaded.captions, loaded.speech) << content;
        EXPECT_EQ(loaded.captions, loaded.background_mute) << content;
        return std::tuple(loaded.resolution->text, loaded.music_volume, loaded.effects_volume,
                          loaded.captions, loaded.language, loaded.other_lines);
    };
    using Lines = std::vector<std::string>;
    EXPECT_EQ(load(file), std::tuple("800x600", 70, 0, true, "de", Lines{"text_size=2"}));
    for (const auto& [content, music, effects, captions, language, others] :
         {std::tuple{"1024x768\r\n1", 100, 100, false, "", Lines{}}, // a file of an older game
          std::tuple{"1024x768\r\n0\r\nmusic_volume=150\r\neffects_volume=-5\r\ncaptions=2\r\n"
                     "speech=7\r\nbackground_mute=3\r\nlanguage=pt_BR",
                     100, 0, true, "pt_BR", Lines{}},
          std::tuple{"1024x768\r\n0\nmusic_volume=\r\n=5\r\nmusic_volume=7x\r\nno equals\n"
                     "effects_volume=40\r\ntext_size=2\r\ncaptions=-0\r\nlanguage=../de",
                     100, 40, false, "", Lines{"text_size=2"}},
          std::tuple{"1024x768\r\n0\r\nmusic_volume=30\r\nmusic_volume=60\r\nlanguage=\r\n", 60,
                     100, false, "", Lines{}},
          std::tuple{"1024x768\r\n0\r\nmusic_volume=9999999999\r\neffects_volume=0050", 100, 50,
                     false, "", Lines{}}})
        EXPECT_EQ(load(content),
                  std::tuple("1024x768", music, effects, captions, std::string(language), others))
            << content;
    // Below a broken resolution the named lines still count.
    EXPECT_EQ(load("garbage\r\n1\r\nmusic_volume=30"),
              std::tuple("640x480", 30, 100, false, "", Lines{}));
}

#ifdef _WIN32
TEST_F(Settings_file, lives_under_a_profile_folder_named_outside_the_ansi_code_page)
{
    const fs::path profile = scratch.path / L"\u0104\u0119 \u03a9\u03bc \u7528\u6237";
    fs::create_directory(profile);
    SetEnvironmentVariableW(L"USERPROFILE", profile.c_str());
    save("1280x720", true);
    const fs::path file = profile / "Documents" / "My Games" / "Vossmere" / "settings.data";
    EXPECT_EQ(Support::read_file(file), "1280x720\r\n1");
    auto settings = Support::settings_of("640x480");
    GE::load_settings(settings);
    EXPECT_EQ(std::pair(settings.resolution->text, settings.fullscreen),
              std::pair(std::string("1280x720"), true));
}
#endif

} // namespace
