#include "tests/support/game_data.h"

#include "game/create_application.h"
#include "tests/support/fixtures.h"

#include <filesystem>

namespace Support {

void write_level(const std::string& file, const std::vector<std::string>& scenes)
{
    std::string xml = "<level>";
    for (const auto& scene : scenes) {
        if (scene.find('=') != std::string::npos)
            xml += "<scene " + scene + "/>";
        else if (scene == "picture" || scene == "clocks")
            xml += "<scene type=\"" + scene + "\" file=\"" + scene + ".xml\"/>";
        else if (scene == "view")
            xml += R"(<scene file="clocks.xml"/>)";
        else
            xml += R"(<scene type="room" file="room.xml" door_label=")" + scene + "\"/>";
    }
    write_file(file, xml + "</level>");
}

void write_buttons(const std::string& file, const std::vector<std::string>& ids, int x, int y)
{
    std::string xml = "<ui><stack_panel orientation=\"vertical\" x=\"" + std::to_string(x) +
                      "\" y=\"" + std::to_string(y) + "\">";
    for (const auto& id : ids)
        xml += "<button id=\"" + id + "\" file=\"button.png\" width=\"200\" height=\"50\"/>";
    write_file(file, xml + "</stack_panel></ui>");
}

void write_game_data()
{
    write_png("button.png", 20, 5, {90, 90, 90, 255});
    write_buttons("main_menu.xml", {"play", "settings", "exit"});
    write_buttons("play_ui.xml", {"menu", "go_left", "go_right"});
    write_buttons("enter_confirmation.xml", {"yes", "no"}, 1000, 800);
    write_buttons("retry_confirmation.xml", {"yes", "no"}, 1000, 800);
    write_buttons("complete_ui.xml", {"exit_to_main_menu"});
    write_png("triangle.png", 16, 9, {200, 200, 200, 255});
    write_png("triangle_over.png", 16, 9, {200, 0, 0, 255});
    std::filesystem::copy_file(font_file, "OpenSans-SemiBold.ttf");
    write_file(
        "settings_menu.xml",
        R"(<ui><color id="ink" r="20" g="20" b="20" a="255"/>)"
        R"(<stack_panel id="main_panel" x="400" y="200"><stack_panel id="settings_panel">)"
        R"(<stack_panel id="resolution_panel"><drop_down_list id="resolution_list" )"
        R"(width="300" height="50" color_id="ink"/></stack_panel>)"
        R"(<stack_panel id="fullscreen_panel"><checkbox id="fullscreen_checkbox" )"
        R"(width="50" height="50" color_id="ink"/></stack_panel></stack_panel></stack_panel>)"
        R"(<stack_panel y="900"><button id="back" file="button.png" width="200" )"
        R"(height="50"/><button id="apply" file="button.png" width="200" height="50"/>)"
        "</stack_panel></ui>");

    const std::string font = "<font id=\"f\" file=\"" + font_file + "\" size=\"30\"/>";
    write_file(
        "room.xml",
        "<scene>" + font +
            R"(<rect id="door_hit" x="300" y="300" width="200" height="400"/>)"
            R"(<label id="door_label" font_id="f" text="?" y="250" horizontal_align="center"/>)"
            "</scene>");
    write_file("picture.xml", "<scene>" + font +
                                  R"(<label id="picture_label" font_id="f" text="?" x="9" y="300" )"
                                  R"(horizontal_align="right"/></scene>)");
    write_file("clocks.xml", R"(<scene><rect width="400" height="400"/></scene>)");
    write_level("level_1.xml", {"1", "2", "3", "clocks"});
    write_level("level_2.xml", {"4", "5", "picture"});
    write_level("level_3.xml", {"1", "2", "view", "3", "4", "clocks"});
}

void write_game_sounds()
{
    for (const auto& [name, file] : Game::game_sounds)
        write_sound(file, 0.5);
}

} // namespace Support
