#include "tools/check/xml_file.h"

#include "engine/resources/regular_file.h"

#include <algorithm>
#include <optional>

namespace Tools {

Xml_file::Xml_file(std::string name) : name(std::move(name))
{
    std::optional<std::string> bytes = GE::read_regular_file(this->name);
    if (!bytes) {
        failure = "is missing or cannot be read";
        return;
    }
    content = *std::move(bytes);
    const pugi::xml_parse_result result = document.load_buffer(
        content.data(), content.size(), pugi::parse_default, pugi::encoding_auto);
    if (!result) {
        failure = std::string("is not well-formed XML: ") + result.description();
        failure_line = line_at(result.offset);
    }
}

int Xml_file::line_of(const pugi::xml_node& node) const
{
    return node ? line_at(node.offset_debug()) : 0;
}

int Xml_file::line_at(std::ptrdiff_t offset) const
{
    if (offset < 0)
        return 0;
    const auto end = content.begin() + std::min<std::ptrdiff_t>(offset, std::ssize(content));
    return 1 + static_cast<int>(std::count(content.begin(), end, '\n'));
}

} // namespace Tools
