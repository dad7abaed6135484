#include "engine/persistence/game_folder.h"

#include "engine/core/ge_runtime_error.h"

#include <array>
#include <cstdlib>
#include <system_error>

namespace GE {

namespace {

std::string game_folder = "Default Game";

std::filesystem::path user_folder()
{
#ifdef _WIN32
    // The wide variable keeps a profile folder whose name is not in the ANSI code page.
    if (const wchar_t* profile = _wgetenv(L"USERPROFILE"); profile != nullptr && *profile != 0)
        return profile;
#endif
    for (const char* variable : {"USERPROFILE", "HOME"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return value;
    }
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
        std::error_code error;
        if (!std::filesystem::is_directory(path, error) &&
            !std::filesystem::create_directory(path, error))
            throw GE_runtime_error("Can not make a directory");
    }
    return path / file_name;
}

} // namespace GE
