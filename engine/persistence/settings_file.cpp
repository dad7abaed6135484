#include "engine/persistence/settings_file.h"

#include "engine/core/ge_runtime_error.h"
#include "engine/core/window_settings.h"
#include "engine/persistence/game_folder.h"

#include <fstream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <system_error>

namespace GE {

namespace {

const std::string file_name = "settings.data";
constexpr int largest_side = 16384;

// The resolution a word of the file names, if it names a sensible one.
std::unique_ptr<Resolution> resolution_of(const std::string& word)
{
    try {
        auto resolution = std::make_unique<Resolution>(word);
        const auto sensible = [](int side) { return side > 0 && side <= largest_side; };
        if (sensible(resolution->width) && sensible(resolution->height))
            return resolution;
    } catch (const std::logic_error&) {
        // Not a number (invalid_argument) or far too large (out_of_range): a broken file.
    }
    return nullptr;
}

std::optional<std::filesystem::path> existing_path()
{
    try {
        return data_file_path(file_name);
    } catch (const GE_runtime_error&) {
        return std::nullopt; // no user folder: nothing was ever saved
    }
}

} // namespace

void load_settings(Window_settings& settings)
{
    const auto path = existing_path();
    if (!path)
        return;
    std::ifstream in(*path, std::ios::binary);
    std::string resolution_word, fullscreen_word;
    if (!(in >> resolution_word))
        return;
    auto resolution = resolution_of(resolution_word);
    if (!resolution)
        return;
    in >> fullscreen_word;
    settings.resolution = std::move(resolution);
    settings.fullscreen = fullscreen_word == "1";
}

void save_settings(const Window_settings& settings)
{
    const auto path = prepare_data_file_path(file_name);
    auto temporary = path;
    temporary += ".new";
    bool written = false;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        // The same bytes on every platform: CR LF is written, not left to the stream.
        out << settings.resolution->text << "\r\n" << (settings.fullscreen ? '1' : '0');
        out.close();
        written = !out.fail();
    }
    // Renaming a complete file over the old one never leaves half a file behind.
    std::error_code error;
    if (written)
        std::filesystem::rename(temporary, path, error);
    if (written && !error)
        return;
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    throw GE_runtime_error("Can not write the settings file");
}

} // namespace GE
