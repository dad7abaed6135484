#include "engine/core/game_model.h"
#include "engine/widgets/label.h"
#include "game/level.h"
#include "game/level_loader.h"
#include "game/room_scene.h"
#include "tests/support/game_data.h"

#include <map>

namespace {

using Codes = std::vector<std::string>;

// Levels written from the codes of Support::write_level, over the scenes of the game data.
class Level_test : public Support::Headless_test {
protected:
    Level_test() : Headless_test("1440x1080") { Support::write_game_data(false); }

    std::shared_ptr<Game::Level> load(const Codes& scenes, const std::string& file = "l.xml",
                                      int seed = 0)
    {
        Support::write_level(file, scenes);
        auto level = std::make_shared<Game::Level>(context(), &app->window, &model);
        Game::Level_loader(context(), seed).load(*level, file);
        return level;
    }

    GE::Game_model model; // outlives the levels
};

TEST_F(Level_test, turns_through_its_views_in_a_ring_and_an_empty_level_not_at_all)
{
    const auto level = load({"1", "view", "2"});
    const auto empty = load({});
    for (const char* turn : {"go_left", "go_right", "go_left"})
        model.dispatch_event(turn);
    EXPECT_EQ(std::pair(level->current_scene, level->children),
              std::pair(2, Support::Children{level->scenes[2]}));
    EXPECT_EQ(std::pair(empty->current_scene, empty->children), std::pair(0, Support::Children{}));
}

TEST_F(Level_test, a_door_click_is_reported_before_it_is_recorded_and_the_last_door_counts)
{
    const auto level = load({"1", "2", "2"});
    std::vector<std::string> seen_at_hit;
    model.add_event_listener("hit_door", [&](GE::Event&) {
        seen_at_hit.push_back(level->selected_door_label ? *level->selected_door_label : "none");
    });
    for (const auto& turn : {"", "go_right", "", "go_right"}) {
        model.dispatch_event(turn);
        const auto view = std::dynamic_pointer_cast<Game::Scene>(level->children[0]);
        const auto door = view->find_child("door_hit")->get_screen_rect();
        EXPECT_TRUE(Support::send_mouse(*level, GE::mouse_button_up_event, door.x + door.w / 2,
                                        door.y + door.h / 2));
    }
    EXPECT_EQ(seen_at_hit, (Codes{"none", "1", "2", "2"}));
    auto& last_room = dynamic_cast<Game::Room_scene&>(*level->scenes[2]);
    EXPECT_EQ(level->selected_door_label, &last_room.door_label);
}

TEST_F(Level_test, a_picture_draws_among_the_doors_before_it_and_shows_the_hint)
{
    // Level 1 writes each digit as a roman numeral, level 2 shifts it to a letter ('0' to '@').
    using Hints = std::map<std::string, std::string>;
    for (const auto& [file, hints] :
         {std::pair{"level_1.xml", Hints{{"4", "IV"}, {"1 2", "I II"}, {" 09", "  IX"}}},
          std::pair{"level_2.xml", Hints{{"4", "D"}, {"1 2", "A B"}, {" 09", " @I"}}}}) {
        Hints drawn;
        for (int seed = 0; seed < 40; ++seed) {
            const auto level = load({"4", "1 2", " 09", "view", "picture", "5"}, file, seed);
            const auto& picture = level->scenes[4]->children;
            ASSERT_EQ(picture.size(), 1u);
            const auto label = std::dynamic_pointer_cast<GE::Label>(picture.back());
            drawn[level->correct_door_label] = label->text;
            // The new label keeps the old one's id, height and alignment; its x starts over.
            EXPECT_EQ(label->id, "picture_label");
            EXPECT_EQ(std::tuple(label->x, label->y, label->horizontal_align),
                      std::tuple(0.0f, 300.0f, GE::Horizontal_align::right));
        }
        EXPECT_EQ(drawn, hints) << file;
    }
}

TEST_F(Level_test, clocks_point_at_the_third_door_and_only_labelled_rooms_are_doors)
{
    const auto level = load({"7", "8", R"(type="Room" door_label="5" file="room.xml")",
                             R"(type="room" file="room.xml")", "9", "clocks", "1"});
    EXPECT_EQ(level->correct_door_label, "9");
    Codes doors;
    for (const auto& scene : level->scenes) {
        if (const auto room = std::dynamic_pointer_cast<Game::Room_scene>(scene)) {
            doors.push_back(room->door_label);
            const auto label = std::dynamic_pointer_cast<GE::Label>(room->children.back());
            EXPECT_EQ(label->text + label->id, room->door_label + "door_label");
        }
        EXPECT_EQ(scene->horizontal_align, GE::Horizontal_align::center);
    }
    EXPECT_EQ(doors, (Codes{"7", "8", "9", "1"}));
    Support::write_file("none.xml", R"(<levels><scene file="clocks.xml"/></levels>)");
    Game::Level empty(context(), &app->window, &model);
    Game::Level_loader(context()).load(empty, "none.xml");
    EXPECT_TRUE(empty.scenes.empty());
}

TEST_F(Level_test, broken_level_data_fails_with_a_message_naming_the_files)
{
    Support::write_file("rect_label.xml",
                        R"(<scene><rect id="door_hit"/><rect id="door_label"/></scene>)");
    const std::string in = "level_2.xml: scene \"";
    for (const auto& [scenes, message] : std::vector<std::pair<Codes, std::string>>{
             {{"view", "picture", "1"},
              in + "picture.xml\" is a picture, but no room with a door_label comes before it"},
             {{"1", "2", "clocks", "3"},
              in + "clocks.xml\" shows clocks, but fewer than three "
                   "rooms with a door_label come before it"},
             {{R"(type="room" door_label="1" file="clocks.xml")"},
              in + R"(clocks.xml" has no object with id "door_hit")"},
             {{R"(type="room" door_label="1" file="rect_label.xml")"},
              in + R"(rect_label.xml" has no label with id "door_label")"},
             {{"1", R"(type="picture" file="room.xml")"},
              in + R"(room.xml" has no label with id "picture_label")"},
             {{R"(type="room" door_label="2")"}, in + "\": Can not load a file with Scene"}}) {
        EXPECT_EQ(Support::error_of([&] { load(scenes, "level_2.xml"); }), message);
    }
}

TEST_F(Level_test, releasing_a_level_removes_every_levels_turn_handlers)
{
    auto first = load({"1", "2"});
    auto second = load({"1", "2"});
    first.reset();
    model.dispatch_event("go_right");
    EXPECT_EQ(second->current_scene, 0);
    second.reset();
    auto third = load({"1", "2"}); // built after the old ones were released
    model.dispatch_event("go_right");
    EXPECT_EQ(third->current_scene, 1);
    // A level that stopped listening before the next was built leaves the next one's handlers.
    third->stop_listening();
    const auto fourth = load({"1", "2"});
    third.reset();
    model.dispatch_event("go_right");
    EXPECT_EQ(fourth->current_scene, 1);
}

} // namespace
