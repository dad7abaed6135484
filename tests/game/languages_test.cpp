#include "engine/text/language.h"
#include "engine/widgets/button.h"
#include "engine/widgets/drop_down_list.h"
#include "engine/widgets/label.h"
#include "engine/widgets/rect.h"
#include "game/complete_ui.h"
#include "game/confirmation.h"
#include "game/display_confirmation.h"
#include "game/level.h"
#include "game/main_menu.h"
#include "game/play_ui.h"
#include "game/problem_line.h"
#include "game/settings_menu.h"
#include "tests/support/game_data.h"
#include "tests/support/speech_recorder.h"

namespace {

using Lines = std::vector<std::string>;
using Support::Children;

// The shipped game of a player who chose German, on a system that speaks English, its speech
// written to a log.
class German_player : protected Support::Speech_to_log, public Support::Game_flow {
protected:
    German_player() : Game_flow(VOSSMERE_RUN_DIR, "1024x768", "\r\nlanguage=de") {}
    ~German_player() override { GE::Language::current().use("en"); }

    Lines hear(SDL_Keycode key)
    {
        press(key);
        return new_lines();
    }
};

TEST_F(German_player, plays_in_german_and_chooses_french_which_lasts)
{
    EXPECT_EQ(hear(SDLK_TAB), (Lines{"Vossmere. Hauptmenü", "Spielen, Schalter"}));
    EXPECT_TRUE(hear(SDLK_RETURN).at(0).starts_with("Ebene 1 von 3: die Halle."));
    for (int level = 1; level <= 3; ++level)
        play.win_level();
    ASSERT_EQ(app->children, Children{app->complete_ui});
    EXPECT_EQ(hear(SDLK_F12).at(0), "Der Ausweg. Du entkamst Vossmere. Der Morgen findet dich auf "
                                    "der Straße. Hinter dir ist jede Tür zu.");
    play.click(*app->complete_ui->exit_to_main_menu_button);

    // The languages by their own names; French chosen by keys, and every screen built anew.
    play.click(*app->main_menu->settings_button);
    const auto& list = *app->settings_menu->language_list;
    Lines names;
    for (const auto& row : list.items.at(0))
        names.push_back(row->text);
    EXPECT_EQ(names, (Lines{"English", "Deutsch", "Español", "Français"}));
    EXPECT_EQ(list.selected_index, 1);
    EXPECT_EQ(hear(SDLK_TAB), (Lines{"Einstellungen", "Sprache, Deutsch, Liste, 2 von 4"}));
    EXPECT_EQ(hear(SDLK_RETURN), Lines{"Deutsch, 2 von 4"});
    EXPECT_EQ(hear(SDLK_DOWN), Lines{"Español, 3 von 4"});
    EXPECT_EQ(hear(SDLK_DOWN), Lines{"Français, 4 von 4"});
    EXPECT_EQ(hear(SDLK_RETURN).at(0), "Paramètres");
    EXPECT_EQ(saved(), "1024x768\r\n0\r\nlanguage=fr");
    EXPECT_EQ(app->settings_menu->language_list->spoken(), "Langue, Français, liste, 4 sur 4");
    EXPECT_EQ(app->main_menu->play_button->spoken(), "Jouer, bouton");
    EXPECT_EQ(app->enter_confirmation->yes_button->spoken(), "Oui, bouton");
}

#ifndef _WIN32
// Windows tells its language by its own settings, which Wine takes from the environment only as
// it starts: there the first start is left to the Windows leg's German screen.
using First_start = Support::Game_flow;

TEST_F(First_start, follows_the_systems_language_until_the_player_chooses_one)
{
    for (const auto& [locale, lines, play_button] :
         {std::tuple{"de_AT.UTF-8", "", "Spielen, Schalter"},
          std::tuple{"fr_FR.UTF-8", "", "Jouer, bouton"},
          std::tuple{"pt_BR.UTF-8", "", "Play, button"}, // a language the game lacks
          std::tuple{"C", "", "Play, button"},
          std::tuple{"de_DE.UTF-8", "\r\nlanguage=es", "Jugar, botón"}}) {
        Support::set_environment("LANG", locale);
        std::filesystem::current_path(VOSSMERE_RUN_DIR);
        app = start("1024x768", lines);
        EXPECT_EQ(app->main_menu->play_button->spoken(), play_button) << locale;
    }
    Support::set_environment("LANG", "C");
    GE::Language::current().use("en");
}
#endif

// The shipped game in the pseudo-language, a third longer than English, in a window of the
// design's size.
class Pseudo_language : public Support::Game_flow {
protected:
    Pseudo_language() : Game_flow(VOSSMERE_RUN_DIR, "1440x1080", "\r\nlanguage=pseudo") {}
    ~Pseudo_language() override { GE::Language::current().use("en"); }

    // Expects every label in `object` to lie within the canvas and within the button or box
    // holding it; `screen` names it in a failure.
    void expect_fits(GE::Render_object& object, const std::string& screen,
                     GE::Screen_rect room = {0, 0, 1440, 1080})
    {
        const auto* container = dynamic_cast<GE::Render_object_container*>(&object);
        if (container == nullptr)
            return;
        for (const auto& child : container->children) {
            const GE::Screen_rect rect = child->get_screen_rect();
            if (const auto* label = dynamic_cast<const GE::Label*>(child.get())) {
                EXPECT_TRUE(rect.x >= room.x - 1 && rect.x + rect.w <= room.x + room.w + 1)
                    << screen << ": \"" << label->text << "\" is " << rect.w << " wide at "
                    << rect.x << ", in " << room.w << " at " << room.x;
            }
            const bool holds = dynamic_cast<GE::Button*>(child.get()) != nullptr ||
                               dynamic_cast<GE::Rect*>(child.get()) != nullptr;
            expect_fits(*child, screen, holds ? rect : room);
        }
    }

    // Shows `screen` over the rest while it is checked.
    void expect_fits_shown(const std::shared_ptr<GE::Render_object>& screen, const char* name)
    {
        app->add_child(screen);
        app->render();
        expect_fits(*screen, name);
        app->remove_child(screen);
    }
};

TEST_F(Pseudo_language, every_text_fits_where_it_is_drawn)
{
    EXPECT_EQ(app->main_menu->play_button->spoken(), "[[Pĺáý], büţţöñŵ]");
    expect_fits(*app, "main menu");
    app->speech.use(nullptr); // and so the settings say there is no voice
    play.click(*app->main_menu->settings_button);
    app->settings_menu->show_message(GE::tr("This display mode could not be applied."));
    app->render();
    expect_fits(*app, "settings");
    play.click(*app->settings_menu->back_button);

    play.click(*app->main_menu->play_button);
    for (int level = 1; level <= 3; ++level) {
        const auto& scenes = app->current_level->scenes;
        for (std::size_t view = 0; view < scenes.size(); ++view) {
            app->current_level->show_view(static_cast<std::int32_t>(view));
            app->render();
            expect_fits(*app,
                        "level " + std::to_string(level) + ", view " + std::to_string(view + 1));
        }
        play.win_level();
    }
    expect_fits(*app, "completion");
    expect_fits_shown(app->enter_confirmation, "door dialog");
    expect_fits_shown(app->retry_confirmation, "retry dialog");
    app->display.dialog->restart();
    expect_fits_shown(app->display.dialog, "display dialog");
}

// The tests' own data, to which a test adds catalogues.
using Test_data_languages = Support::Game_flow;

TEST_F(Test_data_languages, a_broken_catalogue_leaves_the_game_in_english_and_says_why)
{
    std::filesystem::create_directory("languages");
    Support::write_file("languages/de.mo", "not a catalogue");
    app = start("1024x768", "\r\nlanguage=de");
    EXPECT_EQ(app->main_menu->play_button->spoken(), "play, button");
    ASSERT_NE(app->problems.label, nullptr);
    EXPECT_EQ(app->problems.label->text, "languages/de.mo is not a gettext catalogue: shorter "
                                         "than its header");
}

} // namespace
