#include "engine/speech/speech_log.h"

#include "engine/core/ge_runtime_error.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace GE {

Speech_log::Speech_log(const std::string& path)
{
    // Named in UTF-8 on every system, the Windows ANSI code page's or not.
    try {
        file.open(std::filesystem::path(std::u8string(path.begin(), path.end())),
                  std::ios::app | std::ios::binary);
    } catch (const std::system_error&) {
        // not UTF-8: it names no file
    }
    if (!file.is_open())
        throw GE_runtime_error("Can not open the speech log " + path);
}

void Speech_log::speak(const std::string& text, bool /*interrupt*/)
{
    std::string line = text;
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    file << line << '\n' << std::flush;
}

} // namespace GE
