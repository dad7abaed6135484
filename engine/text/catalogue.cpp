#include "engine/text/catalogue.h"

#include "engine/core/ge_runtime_error.h"
#include "engine/resources/regular_file.h"

#include <algorithm>
#include <cstdint>

namespace GE {

namespace {

constexpr std::uint32_t magic = 0x950412de;
constexpr std::size_t header_size = 28;

// Reads the catalogue's 32-bit numbers in the byte order its magic number shows.
class Reader {
public:
    Reader(std::string_view bytes, const std::string& name) : bytes(bytes), name(name)
    {
        if (bytes.size() < header_size)
            fail("shorter than its header");
        if (number(0) != magic) {
            swapped = true;
            if (number(0) != magic)
                fail("no magic number");
        }
        if (number(4) >> 16 > 1)
            fail("revision " + std::to_string(number(4) >> 16) + " is not one the game reads");
    }

    std::uint32_t number(std::size_t at) const
    {
        if (at > bytes.size() || bytes.size() - at < 4)
            fail("a table runs past the end of the file");
        std::uint32_t value = 0;
        for (std::size_t byte = 0; byte < 4; ++byte) {
            const std::size_t place = swapped ? 3 - byte : byte;
            value |= std::uint32_t{static_cast<unsigned char>(bytes[at + byte])} << (8 * place);
        }
        return value;
    }

    // The string the table entry at `at` (its length, then its offset) describes.
    std::string_view string(std::size_t at) const
    {
        const std::size_t length = number(at);
        const std::size_t offset = number(at + 4);
        if (offset > bytes.size() || bytes.size() - offset <= length ||
            bytes[offset + length] != '\0')
            fail("a string runs past the end of the file");
        return bytes.substr(offset, length);
    }

    [[noreturn]] void fail(const std::string& why) const
    {
        throw GE_runtime_error(name + " is not a gettext catalogue: " + why);
    }

private:
    std::string_view bytes;
    const std::string& name;
    bool swapped = false;
};

} // namespace

Catalogue Catalogue::parse(std::string_view bytes, const std::string& name)
{
    const Reader reader(bytes, name);
    const std::uint32_t count = reader.number(8);
    const std::size_t originals = reader.number(12);
    const std::size_t translations = reader.number(16);
    // Each entry of the two tables takes 8 bytes: more than the file holds cannot be.
    if (count > bytes.size() / 8)
        reader.fail("it counts " + std::to_string(count) + " strings");
    Catalogue catalogue;
    catalogue.entries.reserve(count);
    for (std::size_t index = 0; index < count; ++index) {
        const std::string_view original = reader.string(originals + 8 * index);
        const std::string_view translation = reader.string(translations + 8 * index);
        // A plural entry keeps its singular as the key and its first form as the text.
        const std::string_view key = original.substr(0, original.find('\0'));
        const std::string_view text = translation.substr(0, translation.find('\0'));
        catalogue.entries.emplace(key, text);
    }
    return catalogue;
}

Catalogue Catalogue::load(const std::string& file)
{
    const auto bytes = read_regular_file(file);
    if (!bytes)
        throw GE_runtime_error("Can not read " + file);
    return parse(*bytes, file);
}

const std::string& Catalogue::translate(const std::string& text, std::string_view context) const
{
    if (text.empty())
        return text; // the empty key is the catalogue's header
    const auto found =
        entries.find(context.empty() ? text : std::string(context) + context_separator + text);
    return found == entries.end() || found->second.empty() ? text : found->second;
}

std::string Catalogue::header(std::string_view field) const
{
    const auto found = entries.find("");
    if (found == entries.end())
        return {};
    const std::string& header = found->second;
    const std::string start = std::string(field) + ":";
    for (std::size_t line = 0; line < header.size();) {
        const std::size_t end = std::min(header.find('\n', line), header.size());
        if (header.compare(line, start.size(), start) == 0) {
            std::string value = header.substr(line + start.size(), end - line - start.size());
            value.erase(0, value.find_first_not_of(' '));
            return value;
        }
        line = end + 1;
    }
    return {};
}

} // namespace GE
