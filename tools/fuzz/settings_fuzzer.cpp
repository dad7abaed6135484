// libFuzzer target: the bytes are the settings file. A load takes only a resolution as the game
// writes it; whatever it makes of them, saving it and loading again must give exactly that.
#include "engine/core/window_settings.h"
#include "engine/persistence/game_folder.h"
#include "engine/persistence/settings_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

namespace fs = std::filesystem;

// The game's folder inside a fresh user folder under the system's temporary folder (TMPDIR).
const fs::path& game_folder()
{
    static const fs::path folder = [] {
        std::string pattern =
            (fs::absolute(fs::temp_directory_path()) / "vossmere-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot make a scratch folder in " + pattern);
        setenv("USERPROFILE", pattern.c_str(), 1);
        GE::set_game_folder("Vossmere");
        const fs::path path = fs::path(pattern) / "Documents" / "My Games" / "Vossmere";
        fs::create_directories(path);
        return path;
    }();
    return folder;
}

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// Settings that differ from `other` in every field, so that a load that reads nothing shows.
GE::Window_settings unlike(const GE::Window_settings& other)
{
    GE::Window_settings settings;
    const char* text = other.resolution->text == "7x7" ? "9x9" : "7x7";
    settings.resolution = std::make_unique<GE::Resolution>(text);
    settings.fullscreen = !other.fullscreen;
    settings.language = other.language.empty() ? "" : "xx";
    return settings;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    game_folder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    {
        std::ofstream out(game_folder() / "settings.data", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        require(static_cast<bool>(out));
    }
    GE::Window_settings loaded;
    GE::load_settings(loaded);
    // Only a resolution written exactly as the game writes it is taken.
    const auto& resolution = *loaded.resolution;
    require(resolution.text ==
            std::to_string(resolution.width) + "x" + std::to_string(resolution.height));
    GE::save_settings(loaded);
    GE::Window_settings again = unlike(loaded);
    GE::load_settings(again);
    require(again.resolution->text == loaded.resolution->text);
    require(again.resolution->width == loaded.resolution->width);
    require(again.resolution->height == loaded.resolution->height);
    require(again.fullscreen == loaded.fullscreen);
    require(again.language == loaded.language);
    return 0;
}
