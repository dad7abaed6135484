#pragma once

#include "engine/resources/audio.h"
#include "engine/widgets/button.h"
#include "engine/widgets/drop_down_list.h"
#include "game/confirmation.h"
#include "game/create_application.h"
#include "game/main_menu.h"
#include "game/settings_menu.h"
#include "game/vossmere.h"
#include "game/vossmere_model.h"
#include "tests/support/fixtures.h"
#include "tools/driver/game_driver.h"

// A small but complete data folder for the game, written into the working directory, and the game
// started on it.
namespace Support {

// A UI file with one button 200 by 50 units per id, stacked from (x, y); the file's name and the
// ids are their descriptions.
inline void write_buttons(const std::string& file, const std::vector<std::string>& ids, int x = 0,
                          int y = 0, const std::vector<std::string>& labels = {})
{
    std::string xml = "<ui description=\"" + file +
                      "\"><font id=\"f\" file=\"OpenSans-SemiBold.ttf\" size=\"20\"/>";
    for (const auto& id : labels)
        xml += "<label id=\"" + id + "\" font_id=\"f\" text=\"" + id + "\" y=\"1000\"/>";
    xml += "<stack_panel orientation=\"vertical\" x=\"" + std::to_string(x) + "\" y=\"" +
           std::to_string(y) + "\">";
    for (const auto& id : ids)
        xml += "<button id=\"" + id + "\" description=\"" + id +
               "\" file=\"button.png\" width=\"200\" height=\"50\"/>";
    write_file(file, xml + "</stack_panel></ui>");
}

// A level file from short codes: "picture", "clocks" and "view" are those scenes, a code with '='
// in it is taken as a scene element's attributes, and any other is a room with that door label.
inline void write_level(const std::string& file, const std::vector<std::string>& scenes)
{
    std::string xml = "<level description=\"" + file + "\">";
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

// Screens (buttons stacked from the top left, the dialogs' from the lower right; the settings
// screen's list below the top left, its checkbox, the sliders and the captions' checkbox to the
// right of the list, and the spoken descriptions' and the background mute's too, back and apply at
// the bottom), scenes and levels. Levels: 1 has doors 1, 2, 3 and clocks (the right door is 3); 2
// has doors 4 and 5 and a picture (either may be right); 3 has doors 1 to 4, a plain view and
// clocks (3 is right). With `sounds`, the eight sound and music files the game registers.
inline void write_game_data(bool sounds = true)
{
    write_png("button.png", 20, 5, {90, 90, 90, 255});
    write_png("muted.png", 10, 10, {0, 0, 255, 255});
    // Every screen but the settings (written below) is its buttons and labels, as its contract
    // lists them.
    for (const Game::Screen_contract& screen : Game::Run_screens::contracts()) {
        std::vector<std::string> buttons, labels;
        for (const auto& [id, kind, inside] : screen.objects)
            (kind == Game::Object_kind::button ? buttons : labels).emplace_back(id);
        const bool dialog = screen.file.ends_with(Game::Confirmation::suffix);
        write_buttons(screen.file, buttons, dialog ? 1000 : 0, dialog ? 800 : 0, labels);
    }
    write_png("triangle.png", 16, 9, {200, 200, 200, 255});
    write_png("triangle_over.png", 16, 9, {200, 0, 0, 255});
    std::filesystem::copy_file(font_file, "OpenSans-SemiBold.ttf");
    write_file(
        "settings_menu.xml",
        R"(<ui description="Settings"><font id="f" file="OpenSans-SemiBold.ttf" size="30"/>)"
        R"(<stack_panel id="main_panel" x="400" y="200"><stack_panel id="settings_panel">)"
        R"(<stack_panel id="language_panel"><drop_down_list id="language_list")"
        R"( description="Language" width="50" height="50"/></stack_panel>)"
        R"(<stack_panel id="resolution_panel"><drop_down_list id="resolution_list")"
        R"( description="Resolution" width="300" height="50"/></stack_panel><stack_panel)"
        R"( id="fullscreen_panel"><checkbox id="fullscreen_checkbox" description="Fullscreen")"
        R"( width="50" height="50"/></stack_panel><stack_panel id="music_panel"><slider)"
        R"( id="music_volume" description="Music" font_id="f" width="200" height="50"/>)"
        R"(</stack_panel><stack_panel id="effects_panel"><slider id="effects_volume")"
        R"( description="Effects" font_id="f" width="200" height="50"/></stack_panel>)"
        R"(<stack_panel id="captions_panel"><checkbox id="captions_checkbox")"
        R"( description="Captions" width="50" height="50"/></stack_panel><stack_panel)"
        R"( id="speech_panel"><checkbox id="speech_checkbox")"
        R"( description="Spoken descriptions" width="50" height="50"/></stack_panel>)"
        R"(<stack_panel id="background_mute_panel"><checkbox id="background_mute_checkbox")"
        R"( description="Mute in background" width="50" height="50"/>)"
        R"(</stack_panel></stack_panel></stack_panel><stack_panel y="900"><button id="back")"
        R"( description="Back" file="button.png" width="200" height="50"/><button id="apply")"
        R"( description="Apply" file="button.png" width="200" height="50"/>)"
        "</stack_panel></ui>");

    std::string captions = "<captions>";
    for (const auto& [name, file] : Game::game_sounds)
        captions += "<caption sound=\"" + std::string(name) + "\" text=\"[" + name + "]\"/>";
    write_file("captions.xml", captions + "</captions>");

    const std::string font = R"(<font id="f" file="OpenSans-SemiBold.ttf" size="30"/>)";
    write_file(
        "room.xml",
        R"(<scene description="Door {door}">)" + font +
            R"(<rect id="door_hit" description="{door}" x="300" y="300" width="200" height="400"/>)"
            R"(<label id="door_label" font_id="f" text="?" y="250" horizontal_align="center"/>)"
            "</scene>");
    write_file("picture.xml", R"(<scene description="Picture {hint}">)" + font +
                                  R"(<label id="picture_label" font_id="f" text="?" x="9" y="300" )"
                                  R"(horizontal_align="right"/></scene>)");
    write_file("clocks.xml",
               R"(<scene description="Clocks"><rect width="400" height="400"/></scene>)");
    write_level("level_1.xml", {"1", "2", "3", "clocks"});
    write_level("level_2.xml", {"4", "5", "picture"});
    write_level("level_3.xml", {"1", "2", "view", "3", "4", "clocks"});
    if (sounds)
        for (const auto& [name, file] : Game::game_sounds)
            write_sound(file);
}

// The user's folder, which holds the data above or, when `data` names one, the shipped data's
// working folder instead; and a model for the game.
class Game_test : public Home_test {
protected:
    explicit Game_test(const char* data = nullptr)
    {
        if (data != nullptr)
            std::filesystem::current_path(data);
        else
            write_game_data();
    }

    // Starts the game as `main` does, its settings file asking for a window of `resolution`,
    // then holding `lines` ("\r\nlanguage=de").
    std::shared_ptr<Game::Vossmere> start(const std::string& resolution = "1024x768",
                                          const std::string& lines = "")
    {
        std::filesystem::create_directories(folder);
        write_file(settings_file.string(), resolution + "\r\n0" + lines);
        GE::current_music.clear();
        GE::window_settings = GE::Window_settings{}; // as a new run starts
        return Game::start_application(model);
    }

    Game::Vossmere_model model;
};

// The game started and drawn, played with the mouse aimed at the objects on screen.
class Game_flow : public Game_test {
protected:
    explicit Game_flow(const char* data = nullptr, const std::string& resolution = "1024x768",
                       const std::string& settings_lines = "")
        : Game_test(data), app(start(resolution, settings_lines)), play(*app)
    {
        app->render();
    }

    // Queues a key press (with its modifiers, or as the repeat of a held key) and a quit, runs
    // the game over them, and answers whether it drew a frame.
    bool press(SDL_Keycode key, Uint16 modifiers = KMOD_NONE, Uint8 repeat = 0)
    {
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key.keysym.sym = key;
        event.key.keysym.mod = modifiers;
        event.key.repeat = repeat;
        return drew_after(event);
    }

    // Queues `event` and a quit, runs the game over them, and answers whether it drew a frame.
    bool drew_after(SDL_Event event)
    {
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        push_sdl_event(SDL_QUIT); // first draws the frame a click may have asked for
        app->run();
        app->render_context.fill_rect({0, 0, 1, 1}, 0xFF0000FF);
        SDL_PushEvent(&event);
        push_sdl_event(SDL_QUIT);
        app->run();
        return !region_is(app->render_context.renderer, {0, 0, 1, 1}, red);
    }

    // Queues `event` `count` times (a timer's ticks), then a quit, and runs the game over them.
    void run_over(SDL_Event event, int count)
    {
        for (int queued = 0; queued < count; ++queued)
            SDL_PushEvent(&event);
        push_sdl_event(SDL_QUIT);
        app->run();
    }

    std::shared_ptr<Game::Vossmere> app;
    Tools::Game_driver play;
};

using Modes = std::vector<SDL_DisplayMode>;
inline const SDL_DisplayMode wide{0, 1280, 720, 60, nullptr}, usual{0, 1024, 768, 60, nullptr},
    small{0, 800, 600, 60, nullptr}, huge{0, 4000, 3000, 60, nullptr};

// The game with its settings screen opened from the main menu, listing the given modes of one
// display, or of several with the window on the display `window_on`.
class Settings_flow : public Game_flow {
protected:
    using Game_flow::Game_flow;

    void open_settings(const Modes& modes) { open_settings_on({modes}); }
    void open_settings_on(const std::vector<Modes>& screens, int window_on = 0)
    {
        displays = displays_of(screens, window_on);
        app->displays = &displays;
        play.click(*app->main_menu->settings_button);
    }

    // Opens the list and picks the entry `row`.
    void choose(int row)
    {
        auto& list = *app->settings_menu->resolution_list;
        play.click(list);
        const auto rect = list.row_rect(row);
        play.click_at(rect.x + rect.w / 2, rect.y + rect.h / 2);
    }

    GE::Display_source displays;
};

} // namespace Support
