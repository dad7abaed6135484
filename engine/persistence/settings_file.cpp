#include "engine/persistence/settings_file.h"

#include "engine/core/ge_runtime_error.h"
#include "engine/core/window_settings.h"
#include "engine/persistence/game_folder.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <optional>
#include <string_view>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif
#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

namespace GE {

namespace {

const std::string file_name = "settings.data";
constexpr int largest_side = 16384;

// Whether the text is one side of a resolution as the file writes it: decimal digits without
// sign or leading zero, 1 to `largest_side`.
bool is_side(std::string_view digits)
{
    if (digits.empty() || digits.size() > 5 || digits.front() == '0' ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    int side = 0;
    for (const char digit : digits)
        side = side * 10 + (digit - '0');
    return side <= largest_side;
}

// The resolution a word of the file names, exactly "<width>x<height>", if it names a sensible
// one. Anything else (a sign, a leading zero, trailing bytes) is a broken file: the settings
// screen could not show it and "Apply" would silently pick another.
std::unique_ptr<Resolution> resolution_of(const std::string& word)
{
    const auto separator = word.find('x');
    if (separator == std::string::npos)
        return nullptr;
    const std::string_view text = word;
    if (!is_side(text.substr(0, separator)) || !is_side(text.substr(separator + 1)))
        return nullptr;
    return std::make_unique<Resolution>(word);
}

// In a browser the folder is a copy in memory of one kept in IndexedDB: store the copy there, so
// that it outlives the page. The browser finishes it a moment later.
void keep_in_browser_storage()
{
#ifdef __EMSCRIPTEN__
    EM_ASM(FS.syncfs(
        false, function(error) {
            if (error)
                err('Vossmere: the settings could not be stored: ' + error);
        }););
#endif
}

// Writes `bytes` as the whole file and waits until they are on the disk, so that a power cut
// after a rename over the old file cannot leave an empty one.
bool write_to_disk(const std::filesystem::path& path, const std::string& bytes)
{
#ifdef _WIN32
    std::FILE* file = _wfopen(path.c_str(), L"wb");
#else
    std::FILE* file = std::fopen(path.c_str(), "wb");
#endif
    if (file == nullptr)
        return false;
    // Nothing here throws: the file is closed on every path below.
    const bool written =
        std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
#ifdef _WIN32
    const bool on_disk = written && _commit(_fileno(file)) == 0;
#else
    const bool on_disk = written && fsync(fileno(file)) == 0;
#endif
    return std::fclose(file) == 0 && on_disk;
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
    // The same bytes on every platform: CR LF is written, not left to the stream.
    const bool written = write_to_disk(temporary, settings.resolution->text + "\r\n" +
                                                      (settings.fullscreen ? '1' : '0'));
    // Renaming a complete file over the old one never leaves half a file behind.
    std::error_code error;
    if (written)
        std::filesystem::rename(temporary, path, error);
    if (written && !error) {
        keep_in_browser_storage();
        return;
    }
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    throw GE_runtime_error("Can not write the settings file");
}

} // namespace GE
