#pragma once

#include <filesystem>
#include <string>
#include <vector>

// What the tests need from the operating system, the same on Linux and Windows.
namespace Support {

// Sets an environment variable of this process, or removes it when `value` is null.
void set_environment(const char* name, const char* value);

// A new, empty folder in the system's temporary folder, its name starting with `prefix`.
std::filesystem::path make_temporary_folder(const std::string& prefix);

// Makes, in the working directory, things that have a name but are not regular files, and
// answers their names: a folder, and where the system has them a FIFO and a device. A loader
// must refuse each as it refuses a missing file.
std::vector<std::string> make_special_files();

} // namespace Support
