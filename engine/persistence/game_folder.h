#pragma once

#include <filesystem>
#include <string>

// Where the game keeps its own files: <user folder>/Documents/My Games/<game folder>/. The user
// folder is USERPROFILE when it is set and not empty, else HOME.
namespace GE {

// Names the game's folder; "Default Game" until it is called.
void set_game_folder(const std::string& title);

// The path of `file_name` in the game's folder; touches nothing on disk. Throws GE_runtime_error
// when there is no user folder to start from.
std::filesystem::path data_file_path(const std::string& file_name);

// The same path, after the folders on the way have been made one level at a time. Throws
// GE_runtime_error "Can not make a directory" when one can be neither found nor made.
std::filesystem::path prepare_data_file_path(const std::string& file_name);

} // namespace GE
