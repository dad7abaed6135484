#include "engine/widgets/button.h"
#include "engine/widgets/stack_panel.h"
#include "game/for_each_button.h"
#include "tests/support/fixtures.h"

namespace {

TEST(For_each_button, finds_nested_buttons_depth_first_but_not_inside_a_button)
{
    const auto root = std::make_shared<GE::Render_object_container>();
    const auto panel = std::make_shared<GE::Stack_panel>(GE::Orientation::vertical, 0, "panel");
    const auto outer = std::make_shared<GE::Button>("outer", SDL_FRect{0, 0, 10, 10});
    root->add_child(std::make_shared<GE::Button>("first", SDL_FRect{0, 0, 10, 10}));
    root->add_child(panel);
    panel->add_child(std::make_shared<GE::Button>("nested", SDL_FRect{0, 0, 10, 10}));
    panel->add_child(std::make_shared<Support::Box>(0, 0, 5, 5, "not a button"));
    root->add_child(outer);
    outer->add_child(std::make_shared<GE::Button>("inside a button", SDL_FRect{0, 0, 10, 10}));
    root->add_child(std::make_shared<GE::Button>("last", SDL_FRect{0, 0, 10, 10}));
    std::vector<std::string> found;
    Game::for_each_button(*root, [&found](GE::Button* visited) { found.push_back(visited->id); });
    EXPECT_EQ(found, (std::vector<std::string>{"first", "nested", "outer", "last"}));
}

} // namespace
