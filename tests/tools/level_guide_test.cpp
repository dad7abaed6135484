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

// In the window of vossmere-check, so that the checker reports what the command prints.
struct Level_guide : Support::Headless_test {
    Level_guide() : Headless_test("1024x768") {}
};

// docs/making-levels.md adds a fifth room to level 1, then shows what the checker and the game say
// of three usual mistakes in it.
TEST_F(Level_guide, the_fifth_room_of_level_1_passes_the_checker_and_its_mistakes_read_as_shown)
{
    const fs::path source = VOSSMERE_SOURCE_DIR;
    // The shipped data, then the example's files over it (both folders are flat but for the
    // languages, which the checker does not read). What is replaced goes first: MinGW's
    // copy_file refuses to overwrite.
    for (const fs::path& folder : {fs::path(VOSSMERE_RUN_DIR), source / "docs/examples/fifth-room"})
        for (const auto& file : fs::directory_iterator(folder)) {
            if (file.is_directory())
                continue;
            fs::remove(file.path().filename());
            fs::copy_file(file.path(), file.path().filename());
        }
    const auto check = [&] {
        Strings found;
        for (const auto& problem : Tools::Data_checker(context(), &app->window).check())
            found.push_back(Tools::to_string(problem));
        return found;
    };
    GE::Game_model model; // outlives the levels
    const auto level_1 = [&](std::uint64_t seed) {
        auto level = std::make_shared<Game::Level>(context(), &app->window, &model);
        Game::Level_loader(context(), seed).load(*level, "level_1.xml");
        return level;
    };
    const auto text = [](Game::Scene& scene, const std::string& id) {
        const auto label = std::dynamic_pointer_cast<GE::Label>(scene.find_child(id));
        return label ? label->text : "no label " + id;
    };
    EXPECT_EQ(check(), Strings{});
    // Five doors, each showing its label; the painting names any of them, the new one too.
    std::map<std::string, std::string> hints;
    for (std::uint64_t seed = 0; seed < 30; ++seed) {
        const auto level = level_1(seed);
        Strings doors;
        for (const auto& scene : level->scenes)
            if (const auto room = std::dynamic_pointer_cast<Game::Room_scene>(scene))
                doors.push_back(room->door_label + "=" + text(*room, "door_label"));
        ASSERT_EQ(doors, (Strings{"2=2", "7=7", "4=4", "9=9", "5=5"}));
        hints[level->correct_door_label] = text(*level->scenes.back(), "picture_label");
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
        for (const std::string& shown : {checker, game})
            EXPECT_NE(guide.find(shown), std::string::npos) << "the guide does not show " << shown;
        EXPECT_EQ(Support::error_of([&] { level_1(0); }), game);
    }
}

} // namespace
