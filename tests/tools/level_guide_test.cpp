#include "engine/core/game_model.h"
#include "engine/widgets/label.h"
#include "game/level.h"
#include "game/level_loader.h"
#include "game/room_scene.h"
#include "tests/support/fixtures.h"
#include "tools/check/data_checker.h"

#include <map>

namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

// The checker's own window, so that it reports what vossmere-check prints.
struct Level_guide : Support::Headless_test {
    Level_guide() : Headless_test("1024x768") {}

    Strings check()
    {
        Strings found;
        for (const auto& problem : Tools::Data_checker(context(), &app->window).check())
            found.push_back(Tools::to_string(problem));
        return found;
    }
    // Level 1 as the game loads it, its draw seeded with `seed`.
    std::shared_ptr<Game::Level> level_1(std::uint64_t seed = 0)
    {
        auto level = std::make_shared<Game::Level>(context(), &app->window, &model);
        Game::Level_loader(context(), seed).load(*level, "level_1.xml");
        return level;
    }

    GE::Game_model model; // outlives the levels
};

// docs/making-levels.md adds a fifth room to level 1 and shows what the checker says of the usual
// mistakes: the example passes, the painting may name the new door, and each message is the one
// the guide prints.
TEST_F(Level_guide, the_fifth_room_of_level_1_passes_the_checker_and_its_mistakes_read_as_shown)
{
    const fs::path source = VOSSMERE_SOURCE_DIR;
    fs::copy(VOSSMERE_RUN_DIR, ".", fs::copy_options::recursive);
    for (const auto& file : fs::directory_iterator(source / "docs/examples/fifth-room"))
        fs::copy_file(file.path(), file.path().filename(), fs::copy_options::overwrite_existing);
    EXPECT_EQ(check(), Strings{});

    std::map<std::string, std::string> hints; // the door drawn, and the painting's numeral
    for (std::uint64_t seed = 0; seed < 30; ++seed) {
        const auto level = level_1(seed);
        Strings doors;
        for (const auto& scene : level->scenes)
            if (const auto room = std::dynamic_pointer_cast<Game::Room_scene>(scene))
                doors.push_back(room->door_label + "=" +
                                dynamic_cast<GE::Label&>(*room->find_child("door_label")).text);
        ASSERT_EQ(doors, (Strings{"2=2", "7=7", "4=4", "9=9", "5=5"}));
        hints[level->correct_door_label] =
            dynamic_cast<GE::Label&>(*level->scenes.back()->find_child("picture_label")).text;
    }
    EXPECT_EQ(hints, (std::map<std::string, std::string>{
                         {"2", "II"}, {"4", "IV"}, {"5", "V"}, {"7", "VII"}, {"9", "IX"}}));

    const std::string guide = Support::read_file(source / "docs/making-levels.md");
    const std::string study = Support::read_file("l1_study.xml");
    const struct {
        std::string from, to, checker, game;
    } mistakes[]{
        {R"( id="door_hit")", "",
         R"(level_1.xml:9: scene "l1_study.xml" has no object with id "door_hit")",
         R"(level_1.xml: scene "l1_study.xml" has no object with id "door_hit")"},
        {R"("portrait.png")", R"("portait.png")",
         R"(l1_study.xml:7: image names a missing file "portait.png")",
         R"(level_1.xml: scene "l1_study.xml": Couldn't open portait.png)"},
        {R"(x="260")", R"(x="100")",
         R"(l1_study.xml:0: warning: "portrait.png" at 100,280 (200x260) lies under the left )"
         "turn arrow",
         ""},
    };
    for (const auto& [from, to, checker, game] : mistakes) {
        std::string broken = study;
        ASSERT_NE(broken.find(from), std::string::npos) << from;
        Support::write_file("l1_study.xml", broken.replace(broken.find(from), from.size(), to));
        EXPECT_EQ(check(), Strings{checker});
        EXPECT_NE(guide.find(checker), std::string::npos) << "the guide does not show: " << checker;
        EXPECT_EQ(Support::error_of([&] { level_1(); }), game);
    }
}

} // namespace
