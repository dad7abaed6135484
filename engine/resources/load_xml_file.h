#pragma once

#include <string>

// The XML parser stays out of the headers of the loaders' users.
namespace pugi {
class xml_document;
struct xml_parse_result;
} // namespace pugi

namespace GE {

// Parses `file` into `document` as pugixml's load_file would, but reads it through SDL, so that
// the name is UTF-8 on every platform, as it is for the images and sounds the file names. A name
// that is not a regular file, or that cannot be read, fails with pugi::status_file_not_found.
pugi::xml_parse_result load_xml_file(pugi::xml_document& document, const std::string& file);

} // namespace GE
