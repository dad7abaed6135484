#include "engine/resources/regular_file.h"

#include "engine/core/sdl_runtime_error.h"

#include <SDL_error.h>
#include <SDL_rwops.h>
#include <SDL_stdinc.h>

#include <filesystem>
#include <memory>
#include <system_error>

namespace GE {

bool is_regular_file(const std::string& file)
{
    // A path made from chars is read in Windows' ANSI code page, which cannot spell every name;
    // made from char8_t it is read as UTF-8 everywhere.
    std::error_code error;
    try {
        return std::filesystem::is_regular_file(std::u8string(file.begin(), file.end()), error);
    } catch (const std::system_error&) {
        return false; // not UTF-8, so on Windows it can name no file
    }
}

void require_regular_file(const std::string& file)
{
    if (is_regular_file(file))
        return;
    SDL_SetError("Couldn't open %s", file.c_str());
    throw SDL_runtime_error::from_sdl();
}

std::optional<std::string> read_regular_file(const std::string& file)
{
    if (!is_regular_file(file))
        return std::nullopt;
    std::size_t size = 0;
    const std::unique_ptr<void, decltype(&SDL_free)> bytes(SDL_LoadFile(file.c_str(), &size),
                                                           SDL_free);
    if (!bytes)
        return std::nullopt;
    return std::string(static_cast<const char*>(bytes.get()), size);
}

} // namespace GE
