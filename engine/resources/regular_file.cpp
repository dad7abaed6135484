#include "engine/resources/regular_file.h"

#include "engine/core/sdl_runtime_error.h"

#include <SDL_error.h>

#include <filesystem>
#include <system_error>

namespace GE {

bool is_regular_file(const std::string& file)
{
    std::error_code error;
    return std::filesystem::is_regular_file(file, error);
}

void require_regular_file(const std::string& file)
{
    if (is_regular_file(file))
        return;
    SDL_SetError("Couldn't open %s", file.c_str());
    throw SDL_runtime_error::from_sdl();
}

} // namespace GE
