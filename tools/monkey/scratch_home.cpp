#include "tools/monkey/scratch_home.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace Tools {

namespace {

std::filesystem::path make_folder()
{
    std::string pattern = (std::filesystem::absolute(std::filesystem::temp_directory_path()) /
                           "vossmere-monkey-XXXXXX")
                              .string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a scratch folder in " + pattern);
    setenv("HOME", pattern.c_str(), 1);
    setenv("USERPROFILE", pattern.c_str(), 1);
    return pattern;
}

} // namespace

Scratch_home::Scratch_home() : folder(make_folder()) {}

Scratch_home::~Scratch_home()
{
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

} // namespace Tools
