#include "engine/core/ge_runtime_error.h"
#include "engine/text/catalogue.h"
#include "engine/text/language.h"
#include "tests/support/fixtures.h"

#include <cstdint>

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

// A .mo file of `entries`, sorted as msgfmt sorts them, in little-endian order or, with
// `big_endian`, the other.
std::string mo_file(Entries entries, bool big_endian = false)
{
    std::sort(entries.begin(), entries.end());
    std::string file;
    const auto put = [&](std::uint32_t value) {
        for (int byte = 0; byte < 4; ++byte)
            file += static_cast<char>(value >> (8 * (big_endian ? 3 - byte : byte)));
    };
    const auto count = static_cast<std::uint32_t>(entries.size());
    const std::uint32_t tables = 28;
    std::uint32_t strings = tables + 16 * count;
    for (const std::uint32_t value : {0x950412deu, 0u, count, tables, tables + 8 * count, 0u, 0u})
        put(value);
    std::string text;
    for (const bool translated : {false, true})
        for (const auto& entry : entries) {
            const std::string& string = translated ? entry.second : entry.first;
            put(static_cast<std::uint32_t>(string.size()));
            put(strings + static_cast<std::uint32_t>(text.size()));
            text += string + '\0';
        }
    return file + text;
}

TEST(Catalogue, translates_by_context_falls_back_to_the_source_and_refuses_a_broken_file)
{
    const Entries entries{{"", "Language: de\nPlural-Forms: nplurals=2; plural=(n != 1);\n"},
                          {"Play", "Spielen"},
                          {"Back", ""}, // untranslated, as msgfmt keeps it
                          {std::string("door\x04") + "Open", "\xc3\x96"
                                                             "ffnen"},
                          {std::string("Reverting in %d s\0Reverting in %d s", 35),
                           std::string("Zur\xc3\xbc"
                                       "ck in %d s\0Zur\xc3\xbc"
                                       "ck in %d s",
                                       28)}};
    for (const bool big_endian : {false, true}) {
        const auto catalogue = GE::Catalogue::parse(mo_file(entries, big_endian), "de.mo");
        EXPECT_EQ(catalogue.size(), 5u);
        EXPECT_EQ(catalogue.translate("Play"), "Spielen");
        EXPECT_EQ(catalogue.translate("Back"), "Back");
        EXPECT_EQ(catalogue.translate("Exit"), "Exit");
        EXPECT_EQ(catalogue.translate(""), "");
        EXPECT_EQ(catalogue.translate("Open"), "Open") << "only in its context";
        EXPECT_EQ(catalogue.translate("Open", "door"), "\xc3\x96"
                                                       "ffnen");
        EXPECT_EQ(catalogue.translate("Reverting in %d s"), "Zur\xc3\xbc"
                                                            "ck in %d s");
        EXPECT_EQ(catalogue.header("Language"), "de");
        EXPECT_EQ(catalogue.header("Plural-Forms"), "nplurals=2; plural=(n != 1);");
        EXPECT_EQ(catalogue.header("Project-Id-Version"), "");
    }

    const std::string good = mo_file({{"Play", "Spielen"}});
    std::string no_end = good;
    no_end.pop_back(); // the last string loses its terminating zero
    std::string table_far = good;
    table_far[17] = '\x7f'; // the translations' table moved past the end
    std::string string_far = good;
    string_far[33] = '\x7f'; // the first original string moved past the end
    std::string many = good;
    many[8] = '\xff'; // a count larger than the file could hold
    std::string revision = good;
    revision[6] = 2;
    for (const auto& [bytes, why] : std::vector<std::pair<std::string, std::string>>{
             {"", "shorter than its header"},
             {std::string(40, 'x'), "no magic number"},
             {revision, "revision 2 is not one the game reads"},
             {many, "it counts 255 strings"},
             {table_far, "a table runs past the end of the file"},
             {string_far, "a string runs past the end of the file"},
             {no_end, "a string runs past the end of the file"},
             {good.substr(0, 30), "a table runs past the end of the file"}})
        EXPECT_EQ(Support::error_of([&] { GE::Catalogue::parse(bytes, "de.mo"); }),
                  "de.mo is not a gettext catalogue: " + why);
    EXPECT_EQ(Support::error_of([] { GE::Catalogue::load("nowhere.mo"); }),
              "Can not read nowhere.mo");
}

TEST(Language, translates_fills_placeholders_and_makes_the_pseudo_language_longer)
{
    auto& language = GE::Language::current();
    language.use("de", GE::Catalogue::parse(
                           mo_file({{"Reverting in {seconds} s", "Noch {seconds} s"}}), "de.mo"));
    EXPECT_EQ(GE::fill(GE::tr("Reverting in {seconds} s"), {{"seconds", "9"}}), "Noch 9 s");
    // Each placeholder filled wherever it stands, a value never filled in again, another kept.
    EXPECT_EQ(GE::fill("{a} {b} {a} {c}", {{"a", "{b}"}, {"b", "2"}}), "{b} 2 {b} {c}");

    language.use(std::string(GE::Language::pseudo_code));
    const std::string pseudo = GE::tr("Play, {name} 10%");
    EXPECT_EQ(pseudo, "[Pĺáý, {name} 10%ŵ~]");
    const std::string longer = GE::tr("Keep this display setting?");
    EXPECT_EQ(longer, "[Ķéép ţĥíš ďíšpĺáý šéţţíñğ?ŵ~ŵ~ŵ~ŵ~]") << "a third longer";
    EXPECT_EQ(GE::tr(""), "");
    language.use("en");
    EXPECT_EQ(GE::tr("Play"), "Play");
}

} // namespace
