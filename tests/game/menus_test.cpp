#include "engine/core/ge_runtime_error.h"
#include "engine/widgets/button.h"
#include "game/complete_ui.h"
#include "game/confirmation.h"
#include "game/main_menu.h"
#include "tests/support/screen_fixture.h"
#include "tests/support/test_objects.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

class Menus_test : public Support::Screen_fixture {
protected:
    // A target under the screen that records whether a click got past it.
    void add_backdrop()
    {
        auto backdrop = std::make_shared<Support::Box>(0, 0, 1440, 1080, "backdrop");
        backdrop->add_event_listener(GE::mouse_button_up_event,
                                     [this](GE::Event&) { ++backdrop_clicks; });
        window.app->add_child(backdrop);
    }

    int backdrop_clicks = 0;
};

TEST_F(Menus_test, main_menu_buttons_change_the_screen_or_exit_and_let_the_click_go_on)
{
    write_file("main_menu.xml", Support::buttons_file({"play", "settings", "exit"}));
    add_backdrop();
    auto menu = std::make_shared<Game::Main_menu>(window.context(), &window.app->window, &model);
    window.app->add_child(menu);
    watch("screen_changed_event");
    watch("exit_game");

    EXPECT_TRUE(click_at(100, 25));
    EXPECT_EQ(model.screen, "play");
    EXPECT_TRUE(click_at(100, 75));
    EXPECT_EQ(model.screen, "settings_menu");
    EXPECT_TRUE(click_at(100, 125));
    EXPECT_EQ(seen, (Strings{"screen_changed_event", "screen_changed_event", "exit_game"}));
    EXPECT_EQ(sound_playing_when_seen, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(backdrop_clicks, 3);
}

TEST_F(Menus_test, the_later_of_two_equal_ids_gets_the_handler)
{
    write_file("main_menu.xml", Support::buttons_file({"play", "settings", "exit", "play"}));
    auto menu = std::make_shared<Game::Main_menu>(window.context(), &window.app->window, &model);
    window.app->add_child(menu);
    watch("screen_changed_event");
    click_at(100, 25);
    EXPECT_TRUE(seen.empty());
    click_at(100, 175);
    EXPECT_EQ(model.screen, "play");
}

TEST_F(Menus_test, a_confirmation_answers_once_by_its_name_and_stops_the_click)
{
    write_file("retry_confirmation.xml", Support::buttons_file({"yes", "no"}));
    add_backdrop();
    auto dialog = std::make_shared<Game::Confirmation>(window.context(), &window.app->window,
                                                       &model, "retry");
    window.app->add_child(dialog);
    for (const auto* name : {"retry_hit_yes", "retry_hit_no", "enter_hit_yes"})
        watch(name);

    EXPECT_FALSE(click_at(100, 25));
    EXPECT_EQ(seen, (Strings{"retry_hit_yes"}));
    EXPECT_EQ(sound_playing_when_seen, (std::vector<bool>{true}));
    EXPECT_FALSE(click_at(100, 75));
    EXPECT_EQ(seen, (Strings{"retry_hit_yes", "retry_hit_no"}));
    EXPECT_EQ(backdrop_clicks, 0);

    // A click beside the buttons is not the dialog's business.
    EXPECT_TRUE(click_at(300, 25));
    EXPECT_EQ(backdrop_clicks, 1);
}

TEST_F(Menus_test, the_complete_screen_leads_back_to_the_main_menu)
{
    write_file("complete_ui.xml", Support::buttons_file({"exit_to_main_menu"}));
    add_backdrop();
    auto screen =
        std::make_shared<Game::Complete_ui>(window.context(), &window.app->window, &model);
    window.app->add_child(screen);
    watch("exit_to_main_menu");
    EXPECT_FALSE(click_at(10, 10));
    EXPECT_EQ(seen, (Strings{"exit_to_main_menu"}));
    EXPECT_EQ(backdrop_clicks, 0);
}

TEST_F(Menus_test, a_screen_fails_when_built_if_its_file_or_a_button_is_missing)
{
    auto build_menu = [this] {
        return std::make_shared<Game::Main_menu>(window.context(), &window.app->window, &model);
    };
    try {
        build_menu();
        ADD_FAILURE() << "a missing file went unnoticed";
    } catch (const GE::GE_runtime_error& error) {
        EXPECT_STREQ(error.what(), "Can not load a file with UI");
    }

    write_file("main_menu.xml", Support::buttons_file({"play", "settings"}));
    try {
        build_menu();
        ADD_FAILURE() << "a missing button went unnoticed";
    } catch (const GE::GE_runtime_error& error) {
        EXPECT_STREQ(error.what(), "main_menu.xml has no button with id \"exit\"");
    }

    write_file("enter_confirmation.xml", Support::buttons_file({"yes", "Yes", "no "}));
    EXPECT_THROW(std::make_shared<Game::Confirmation>(window.context(), &window.app->window, &model,
                                                      "enter"),
                 GE::GE_runtime_error);
}

} // namespace
