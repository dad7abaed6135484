#include "engine/core/event_target.h"
#include "engine/core/game_model.h"
#include "engine/core/screen_changed_event.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Listeners made by one lambda expression share a type, whatever they capture.
GE::Event_listener recorder(std::vector<std::string>& log, std::string tag)
{
    return [&log, tag](GE::Event&) { log.push_back(tag); };
}

TEST(Event_target, calls_listeners_in_order_added_and_ignores_propagating)
{
    GE::Event_target target;
    std::vector<std::string> log;
    target.add_event_listener("go_left", [&log](GE::Event& event) {
        log.push_back("first");
        event.propagating = false;
    });
    target.add_event_listener("go_left", recorder(log, "second"));
    target.add_event_listener("go_right", recorder(log, "other name"));

    target.dispatch_event("go_left");
    EXPECT_EQ(log, (std::vector<std::string>{"first", "second"}));

    target.dispatch_event("never registered");
    EXPECT_EQ(log.size(), 2u);
}

TEST(Event_target, removes_every_listener_of_the_callable_type)
{
    GE::Event_target target;
    std::vector<std::string> log;
    const GE::Event_listener first = recorder(log, "a");
    target.add_event_listener("go_left", first);
    target.add_event_listener("go_left", recorder(log, "b"));
    target.add_event_listener("go_left", [&log](GE::Event&) { log.push_back("kept"); });
    target.add_event_listener("go_right", recorder(log, "other name"));

    // Another lambda type removes nothing; an unknown name is no error.
    target.remove_event_listener("go_left", [](GE::Event&) {});
    target.remove_event_listener("unknown", first);
    target.dispatch_event("go_left");
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b", "kept"}));

    log.clear();
    target.remove_event_listener("go_left", first);
    target.dispatch_event("go_left");
    target.dispatch_event("go_right");
    EXPECT_EQ(log, (std::vector<std::string>{"kept", "other name"}));
}

TEST(Event_target, an_empty_function_removes_only_empty_entries)
{
    GE::Event_target target;
    std::vector<std::string> log;
    target.add_event_listener("name", GE::Event_listener{});
    target.add_event_listener("name", recorder(log, "kept"));
    EXPECT_THROW(target.dispatch_event("name"), std::bad_function_call);

    target.remove_event_listener("name", GE::Event_listener{});
    target.dispatch_event("name");
    EXPECT_EQ(log, (std::vector<std::string>{"kept"}));
}

TEST(Event_target, listeners_that_change_the_list_being_walked_are_safe)
{
    GE::Event_target target;
    std::vector<std::string> log;
    // Each call appends to the very list that is being walked, forcing reallocations; only the
    // listeners present when the dispatch started run.
    target.add_event_listener("grow", [&](GE::Event&) {
        log.push_back("grower");
        for (int i = 0; i < 64; ++i)
            target.add_event_listener("grow", recorder(log, "added"));
    });
    target.dispatch_event("grow");
    EXPECT_EQ(log, (std::vector<std::string>{"grower"}));

    GE::Event_target shrinking;
    log.clear();
    const GE::Event_listener tail = recorder(log, "tail");
    shrinking.add_event_listener("shrink", [&](GE::Event&) {
        log.push_back("remover");
        shrinking.remove_event_listener("shrink", tail);
    });
    shrinking.add_event_listener("shrink", tail);
    shrinking.dispatch_event("shrink");
    EXPECT_EQ(log, (std::vector<std::string>{"remover"}));
}

TEST(Game_model, set_screen_updates_the_field_before_announcing_even_for_the_same_name)
{
    GE::Game_model model;
    EXPECT_EQ(model.screen, "");
    std::vector<std::string> seen;
    model.add_event_listener("screen_changed_event", [&](GE::Event& event) {
        const auto& changed = dynamic_cast<GE::Screen_changed_event&>(event);
        seen.push_back(model.screen + "/" + changed.screen);
    });

    model.set_screen("main_menu");
    model.set_screen("play");
    model.set_screen("play");
    model.set_screen(model.screen);
    EXPECT_EQ(seen, (std::vector<std::string>{"main_menu/main_menu", "play/play", "play/play",
                                              "play/play"}));
}

} // namespace
