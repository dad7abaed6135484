#include "engine/core/ge_runtime_error.h"
#include "engine/widgets/button.h"
#include "engine/widgets/stack_panel.h"
#include "game/for_each_button.h"
#include "tests/support/test_objects.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::shared_ptr<GE::Button> button(const std::string& id)
{
    return std::make_shared<GE::Button>(id, SDL_FRect{0, 0, 10, 10});
}

TEST(For_each_button, finds_nested_buttons_depth_first_but_not_inside_a_button)
{
    auto root = Support::make_root();
    auto panel = std::make_shared<GE::Stack_panel>(GE::Orientation::vertical, 0, "panel");
    auto outer = button("outer");
    root->add_child(button("first"));
    root->add_child(panel);
    panel->add_child(button("nested"));
    panel->add_child(std::make_shared<Support::Box>(0, 0, 5, 5, "not a button"));
    root->add_child(outer);
    outer->add_child(button("inside a button"));
    root->add_child(button("last"));

    std::vector<std::string> found;
    Game::for_each_button(*root, [&found](GE::Button* visited) { found.push_back(visited->id); });
    EXPECT_EQ(found, (std::vector<std::string>{"first", "nested", "outer", "last"}));
}

TEST(For_each_button, a_missing_button_is_named_with_its_file)
{
    auto found = button("exit");
    EXPECT_EQ(&Game::require_button(found.get(), "main_menu.xml", "exit"), found.get());
    try {
        Game::require_button(nullptr, "main_menu.xml", "exit");
        ADD_FAILURE() << "a missing button went unnoticed";
    } catch (const GE::GE_runtime_error& error) {
        EXPECT_STREQ(error.what(), "main_menu.xml has no button with id \"exit\"");
    }
}

} // namespace
