#include "engine/persistence/game_folder.h"

#include "engine/core/ge_runtime_error.h"

#include <array>
#include <cstdlib>
#include <optional>
#include <system_error>

#ifdef _WIN32
#include <direct.h>
#include <windows.h>
#endif

namespace GE {

namespace {

std::string game_folder = "Default Game";

#ifdef _WIN32
// Windows keeps the profile folder's name in UTF-16; read that way, a name outside the ANSI code
// page survives. An empty value counts as unset.
std::optional<std::filesystem::path> profile_folder()
{
    const DWORD size = GetEnvironmentVariableW(L"USERPROFILE", nullptr, 0);
    if (size <= 1)
        return std::nullopt;
    std::wstring value(size, L'\0');
    value.resize(GetEnvironmentVariableW(L"USERPROFILE", value.data(), size));
    return value;
}

bool is_folder(const std::filesystem::path& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool make_folder(const std::filesystem::path& path) { return _wmkdir(path.c_str()) == 0; }
#else
std::optional<std::filesystem::path> profile_folder()
{
    const char* value = std::getenv("USERPROFILE");
    if (value == nullptr || *value == '\0')
        return std::nullopt;
    return value;
}

bool is_folder(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

bool make_folder(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::create_directory(path, error);
}
#endif

std::filesystem::path user_folder()
{
    if (auto profile = profile_folder())
        return *std::move(profile);
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return home;
    throw GE_runtime_error("Can not find the user's folder: neither USERPROFILE nor HOME is set");
}

std::array<std::string, 3> folders() { return {"Documents", "My Games", game_folder}; }

} // namespace

void set_game_folder(const std::string& title) { game_folder = title; }

std::filesystem::path data_file_path(const std::string& file_name)
{
    std::filesystem::path path = user_folder();
    for (const auto& folder : folders())
        path /= folder;
    return path / file_name;
}

std::filesystem::path prepare_data_file_path(const std::string& file_name)
{
    // The user's own folder is taken as it is; only the game's folders are made.
    std::filesystem::path path = user_folder();
    for (const auto& folder : folders()) {
        path /= folder;
        if (!is_folder(path) && !make_folder(path))
            throw GE_runtime_error("Can not make a directory");
    }
    return path / file_name;
}

} // namespace GE
