#include "tests/support/game_data.h"
#include "tools/check/catalogue_checker.h"

#include <regex>

namespace {

using Strings = std::vector<std::string>;
using Catalogue_checker = Support::Headless_test;

// The problems as the command prints them, the measured sizes left out ("is 123 wide").
Strings printed(const std::vector<Tools::Problem>& problems)
{
    Strings lines;
    for (const auto& problem : problems)
        lines.push_back(
            std::regex_replace(Tools::to_string(problem), std::regex(" is \\d+ "), " is N "));
    return lines;
}

TEST_F(Catalogue_checker, reads_a_translators_catalogue_and_finds_what_would_go_wrong_on_screen)
{
    std::filesystem::copy_file(Support::font_file, "OpenSans-SemiBold.ttf");
    Support::write_file("menu.xml",
                        "<ui><font id=\"f\" file=\"OpenSans-SemiBold.ttf\" size=\"20\"/>\n"
                        "<button id=\"go\" width=\"100\"><label font_id=\"f\" text=\"Play\"/>\n"
                        "<label font_id=\"f\" text=\"Play\" state=\"over\"/></button>\n"
                        "<rect width=\"70\"><label font_id=\"f\" text=\"Volume\"/></rect>\n"
                        "<label font_id=\"f\" text=\"?\"/><label font_id=\"f\" y=\"1000\" "
                        "wrap=\"200\" text=\"Count the doors\"/></ui>");
    Support::write_file("captions.xml",
                        "<captions><caption sound=\"click\" text=\"[a bell]\"/></captions>");
    Support::write_file("de.po", R"(# A translator's comment
msgid ""
msgstr "Language: de\n"

msgid "Play"
msgstr "Spielen Sie jetzt"

#, fuzzy
msgid "Volume"
msgstr "Lautstärke"

msgctxt "the name of this language in itself"
msgid "English"
msgstr ""
"Deutsch"

msgid "{name}, button"
msgstr "{nom}, Schalter"

msgid "Count the doors"
msgstr "Zähle die Türen, eine nach der anderen, bis du an der dritten stehst und noch "
"immer nicht weißt, wohin, und zähle weiter, Tür um Tür, bis keine mehr bleibt"

msgid "[a bell]"
msgstr "[eine Glocke 一]"

msgid "Apply"
msgstr ""

#~ msgid "Old"
#~ msgstr "Alt"
)");
    Tools::Catalogue_checker checker;
    EXPECT_EQ(printed(checker.check("de.po")),
              (Strings{
                  R"(de.po:5: de: "Spielen Sie jetzt" is N wide, more than the 100 of the button)"
                  R"( "go" (menu.xml:2))",
                  R"(de.po:9: warning: de: fuzzy, and so not used: "Volume")",
                  R"(de.po:17: de: "{nom}, Schalter" has other placeholders than "{name}, button")",
                  R"(de.po:20: de: "Zähle die Türen, eine nach der anderen, bis du an der dritten)"
                  R"( stehst und noch immer nicht weißt, wohin, und zähle weiter, Tür um Tür, bis)"
                  R"( keine mehr bleibt" is N high, more than the 80 of the canvas below)"
                  R"( menu.xml:5)",
                  R"(de.po:24: de: "[eine Glocke 一]" has a letter the font lacks: U+4E00)",
                  R"(de.po:27: warning: de: untranslated: "Apply")",
              }));

    Support::write_file("fr.po", "msgid \"Play\"\nmsgstr \"Jouer\"\nmsgstr \"encore\"\n\"x\n");
    EXPECT_EQ(printed(checker.check("fr.po")), Strings{"fr.po:0: fr.po:4: a string that continues "
                                                       "no field"});
    EXPECT_EQ(printed(checker.check("none.po")), Strings{"none.po:0: Can not read none.po"});

    // A third longer, "Volume" no longer fits its box.
    EXPECT_EQ(printed(checker.check_pseudo()),
              (Strings{R"(menu.xml:4: pseudo: "[Vöĺüméŵ]" is N wide, more than the 70 of its box)"
                       R"( (menu.xml:4))"}));
}

} // namespace
