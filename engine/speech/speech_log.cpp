#include "engine/speech/speech_log.h"

#include "engine/core/ge_runtime_error.h"

#include <algorithm>
#include <filesystem>

namespace GE {

Speech_log::Speech_log(const std::string& path)
    : file(std::filesystem::u8path(path), std::ios::app | std::ios::binary)
{
    if (!file)
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
