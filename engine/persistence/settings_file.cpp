#include "engine/persistence/settings_file.h"

#include "engine/core/ge_runtime_error.h"
#include "engine/core/window_settings.h"
#include "engine/persistence/game_folder.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
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

// A choice kept as a "name=value" line after the window's two. Only a value other than the
// default is written, so that a file of an older game, or of a player who changed nothing, stays
// as it was.
struct Named_number {
    const char* name;
    int lowest, highest;
    int (*get)(const Window_settings&);
    void (*set)(Window_settings&, int);
};

const Named_number named_numbers[]{
    {"music_volume", 0, 100, [](const Window_settings& s) { return s.music_volume; },
     [](Window_settings& s, int value) { s.music_volume = value; }},
    {"effects_volume", 0, 100, [](const Window_settings& s) { return s.effects_volume; },
     [](Window_settings& s, int value) { s.effects_volume = value; }},
    {"captions", 0, 1, [](const Window_settings& s) { return s.captions ? 1 : 0; },
     [](Window_settings& s, int value) { s.captions = value == 1; }},
    {"speech", 0, 1, [](const Window_settings& s) { return s.speech ? 1 : 0; },
     [](Window_settings& s, int value) { s.speech = value == 1; }},
    {"background_mute", 0, 1, [](const Window_settings& s) { return s.background_mute ? 1 : 0; },
     [](Window_settings& s, int value) { s.background_mute = value == 1; }},
};

// The number a value of the file writes: decimal digits, a minus sign allowed before them;
// none for anything else.
std::optional<long> number_of(std::string_view text)
{
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view digits = text.substr(negative ? 1 : 0);
    if (digits.empty() || digits.size() > 9 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    long number = 0;
    for (const char digit : digits)
        number = number * 10 + (digit - '0');
    return negative ? -number : number;
}

// Whether `code` can name a language: 1 to 16 letters, digits, '-' and '_' ("de", "pt_BR").
bool is_language_code(std::string_view code)
{
    return !code.empty() && code.size() <= 16 && std::all_of(code.begin(), code.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '-' || c == '_';
    });
}

// Takes one line after the window's two: a known name with a number sets its choice (clamped
// into its range), the language its code, another name is kept for the next save, anything else
// is passed over.
void read_named_line(Window_settings& settings, std::string line)
{
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    const auto equals = line.find('=');
    if (equals == std::string::npos || equals == 0)
        return;
    const std::string_view name = std::string_view(line).substr(0, equals);
    const std::string_view value = std::string_view(line).substr(equals + 1);
    if (name == "language") {
        if (is_language_code(value))
            settings.language = value;
        return;
    }
    const auto known = std::find_if(std::begin(named_numbers), std::end(named_numbers),
                                    [&](const Named_number& entry) { return name == entry.name; });
    if (known == std::end(named_numbers)) {
        settings.other_lines.push_back(line);
        return;
    }
    if (const auto number = number_of(value))
        known->set(settings,
                   static_cast<int>(std::clamp<long>(*number, known->lowest, known->highest)));
}

// The lines after the window's two, each ended by CR LF.
std::string named_lines(const Window_settings& settings)
{
    const Window_settings defaults;
    std::string text;
    for (const auto& entry : named_numbers)
        if (entry.get(settings) != entry.get(defaults))
            text += "\r\n" + std::string(entry.name) + '=' + std::to_string(entry.get(settings));
    if (!settings.language.empty())
        text += "\r\nlanguage=" + settings.language;
    for (const auto& line : settings.other_lines)
        text += "\r\n" + line;
    return text;
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
    in >> fullscreen_word;
    if (resolution) {
        settings.resolution = std::move(resolution);
        settings.fullscreen = fullscreen_word == "1";
    }
    // The rest of the second line, then the named lines, which count even below a broken
    // resolution.
    std::string line;
    std::getline(in, line);
    settings.other_lines.clear();
    while (std::getline(in, line))
        read_named_line(settings, line);
}

void save_settings(const Window_settings& settings)
{
    const auto path = prepare_data_file_path(file_name);
    auto temporary = path;
    temporary += ".new";
    // The same bytes on every platform: CR LF is written, not left to the stream.
    const bool written =
        write_to_disk(temporary, settings.resolution->text + "\r\n" +
                                     (settings.fullscreen ? '1' : '0') + named_lines(settings));
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
