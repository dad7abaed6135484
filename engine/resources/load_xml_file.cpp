#include "engine/resources/load_xml_file.h"

#include "engine/resources/regular_file.h"

#include <pugixml.hpp>

#include <optional>

namespace GE {

pugi::xml_parse_result load_xml_file(pugi::xml_document& document, const std::string& file)
{
    const std::optional<std::string> bytes = read_regular_file(file);
    if (!bytes) {
        // pugixml's own load_file leaves an empty document behind a file it cannot open.
        document.reset();
        pugi::xml_parse_result missing;
        missing.status = pugi::status_file_not_found;
        return missing;
    }
    return document.load_buffer(bytes->data(), bytes->size(), pugi::parse_default,
                                pugi::encoding_auto);
}

} // namespace GE
