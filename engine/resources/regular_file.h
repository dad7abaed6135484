#pragma once

#include <optional>
#include <string>

namespace GE {

// Whether `file` names a regular file or a link to one. A folder, a device or a FIFO named in
// the data would block or misread when opened, so the loaders treat it as missing. The name is
// UTF-8 on every platform, as SDL takes it.
bool is_regular_file(const std::string& file);

// Throws SDL_runtime_error "Couldn't open <file>", SDL's own words for a file it cannot open,
// unless `file` is a regular file.
void require_regular_file(const std::string& file);

// The bytes of `file`, read through SDL, or nothing when it is not a regular file or cannot be
// read.
std::optional<std::string> read_regular_file(const std::string& file);

// What `open` (an SDL loader such as IMG_Load) makes of `file`, once it is known to be a regular
// file.
template <typename Open>
auto open_regular_file(const std::string& file, Open open)
{
    require_regular_file(file);
    return open(file.c_str());
}

} // namespace GE
