#include "tests/support/system.h"

#include <cstdlib>
#include <random>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace Support {

void set_environment(const char* name, const char* value)
{
#ifdef _WIN32
    // Both copies of the environment: the C library's and the one Windows' own calls read.
    SetEnvironmentVariableA(name, value);
    _putenv_s(name, value != nullptr ? value : "");
#else
    if (value != nullptr)
        setenv(name, value, 1);
    else
        unsetenv(name);
#endif
}

std::filesystem::path make_temporary_folder(const std::string& prefix)
{
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto folder =
            std::filesystem::temp_directory_path() / (prefix + std::to_string(random()));
        if (std::filesystem::create_directory(folder))
            return folder;
    }
    throw std::runtime_error("cannot make a temporary folder");
}

std::vector<std::string> make_special_files()
{
    std::filesystem::create_directory("folder");
#ifdef _WIN32
    return {"folder", "NUL"};
#else
    if (mkfifo("fifo", 0600) != 0)
        throw std::runtime_error("cannot make a FIFO");
    return {"folder", "fifo", "/dev/zero"};
#endif
}

} // namespace Support
