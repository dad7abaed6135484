#include "tests/support/game_data.h"
#include "tools/check/data_checker.h"

#include <cstring>

namespace {

using Strings = std::vector<std::string>;
using Data_checker = Support::Headless_test;

TEST_F(Data_checker, passes_a_whole_folder_and_reports_every_problem_of_a_broken_one)
{
    Support::write_game_data();
    int levels = 0; // the run of levels the last check found
    const auto check = [&] {
        Strings found;
        Tools::Data_checker checker(context(), &app->window);
        for (const auto& problem : checker.check())
            found.push_back(Tools::to_string(problem));
        levels = checker.levels;
        return found;
    };
    Support::write_level("level_4.xml", {"6", "7", "8", "clocks"});
    EXPECT_EQ(std::pair(check(), levels), std::pair(Strings{}, 4));
    std::filesystem::remove("level_4.xml");
    // A prop under the turn arrows, which the test data stacks at the top left, is only a warning:
    // the level is built and played all the same.
    Support::write_file("clocks.xml",
                        R"(<scene description="Clocks"><sprite image="button.png" width="1440")"
                        R"( height="200"/></scene>)");
    EXPECT_EQ(check(), (Strings{
                           R"(clocks.xml:0: warning: "button.png" at 0,0 (1440x200) lies under)"
                           " the left turn arrow",
                           R"(clocks.xml:0: warning: "button.png" at 0,0 (1440x200) lies under)"
                           " the right turn arrow",
                       }));

    std::filesystem::copy_file("level_2.xml", "level_5.xml"); // after a gap: never played
    std::filesystem::remove("metalClick.ogg");
    const std::string outside = (std::filesystem::current_path() / "button.png").string();
    std::filesystem::create_directory("sub");
    Support::write_file("play_ui.xml", "<ui>\n<sprite image=\"" + outside +
                                           "\"/>\n<sprite image=\"sub/../button.png\"/>\n"
                                           R"(<button id="menu" description="a"/><button)"
                                           R"( id="go_left" description="b"/><button)"
                                           R"( id="go_right" description="c"/></ui>)");
    std::string deep;
    for (int depth = 0; depth < 65; ++depth)
        deep = "<border>" + deep + "</border>";
    Support::write_file("enter_confirmation.xml",
                        "<ui><button id=\"yes\" description=\"Yes\"/><button id=\"no\"/>\n" + deep +
                            "</ui>");
    std::string settings = Support::read_file("settings_menu.xml");
    settings.replace(settings.find("<checkbox"), 9, "<rect");
    settings.erase(settings.find(R"(description="Music")"), 19);
    Support::write_file("settings_menu.xml", settings);
    Support::write_level("level_1.xml", {"1", "2", R"(type="clocks" file="room.xml")", "3"});
    Support::write_file("complete_ui.xml", "<ui description=\"End\">\n<button id=\"exit\" "
                                           "description=\"Exit\" file=\"none.png\"/>\n"
                                           "<label font_id=\"none\" text=\"\"/>\n<Label/>\n</ui>");
    Support::write_file("clocks.xml", "<scene>\n<rect width=\"10\">\n</scene>");
    Support::write_level("level_3.xml", {"picture", "1", "clocks"});
    // Nothing to say of a level, a view or a door.
    for (const auto& [file, description] :
         {std::pair{"level_1.xml", R"( description="level_1.xml")"},
          {"picture.xml", R"( description="Picture {hint}")"},
          {"room.xml", R"( description="{door}")"}}) {
        std::string xml = Support::read_file(file);
        Support::write_file(file, xml.erase(xml.find(description), std::strlen(description)));
    }
    Support::write_file("triangle_over.png", "not a picture");
    std::string captions = "<captions>\n";
    for (const auto& [name, file] : Game::game_sounds)
        if (std::string_view(name) != "death_music")
            captions += "<caption sound=\"" + std::string(name) + "\" text=\"[a]\"/>\n";
    Support::write_file("captions.xml", captions + "<caption sound=\"click\" text=\"[b]\"/>\n"
                                                   "<caption sound=\"whisper\" text=\"[c]\"/>\n"
                                                   "<caption sound=\"game_over\"/></captions>");
    EXPECT_EQ(check(), (Strings{
                           "play_ui.xml:2: image \"" + outside + "\" lies outside the data folder",
                           "play_ui.xml:3: image \"sub/../button.png\" lies outside the data "
                           "folder",
                           "enter_confirmation.xml:1: <button> takes the focus but has no "
                           "description to be said",
                           "enter_confirmation.xml:2: elements nested more than 64 deep are "
                           "refused",
                           "enter_confirmation.xml:1: the screen has no description, said to a "
                           "player who cannot see it",
                           "complete_ui.xml:2: file names a missing file \"none.png\"",
                           "complete_ui.xml:3: font_id \"none\" names no <font>",
                           "complete_ui.xml:3: a label without text cannot be drawn",
                           "complete_ui.xml:4: unknown element <Label>",
                           "complete_ui.xml:1: has no button with id \"exit_to_main_menu\"",
                           "settings_menu.xml:1: the list's arrow \"triangle_over.png\" cannot be "
                           "decoded: Unsupported image format",
                           "settings_menu.xml:1: the list's arrow \"triangle_over.png\" cannot be "
                           "decoded: Unsupported image format",
                           "settings_menu.xml:1: <slider> takes the focus but has no description "
                           "to be said",
                           "settings_menu.xml:1: needs checkbox \"fullscreen_checkbox\" directly "
                           "inside fullscreen_panel",
                           "level_1.xml:1: the level has no description, said to a player who "
                           "cannot see it",
                           "room.xml:1: the door takes the focus but has no description to be "
                           "said",
                           "level_1.xml:1: clocks need three rooms with a door_label before them",
                           "picture.xml:1: the view has no description, said to a player who "
                           "cannot see it",
                           "level_3.xml:1: a picture needs a room with a door_label before it",
                           "level_3.xml:1: a picture's hint is written only in levels 1 and 2",
                           "clocks.xml:3: is not well-formed XML: Start-end tags mismatch",
                           "level_3.xml:1: scene \"clocks.xml\" cannot be built",
                           "level_3.xml:1: has more than one picture or clocks: only the last "
                           "chooses the right door",
                           "level_5.xml:0: follows no level_4.xml: the game ends after "
                           "level_3.xml and never comes to it",
                           "metalClick.ogg:0: is missing: the game plays it as \"switch\"",
                           "captions.xml:9: a second caption for \"click\"",
                           "captions.xml:11: a caption needs a sound and a text",
                           "captions.xml:0: has no caption for \"death_music\": a player who "
                           "cannot hear it would not know",
                           "captions.xml:10: a caption for \"whisper\", which the game never plays",
                       }));
    EXPECT_EQ(levels, 3) << "level_5.xml, after a gap, is not one of them";
}

} // namespace
