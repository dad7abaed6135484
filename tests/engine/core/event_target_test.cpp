#include "engine/core/event_target.h"
#include "engine/core/game_model.h"
#include "engine/core/screen_changed_event.h"
#include "tests/support/fixtures.h"

namespace {

using Strings = std::vector<std::string>;

TEST(Event_target, calls_listeners_in_order_and_removes_every_one_of_a_callable_type)
{
    GE::Event_target target;
    Strings log;
    const GE::Event_listener recorder = Support::record(target, "go", "a", log);
    target.add_event_listener("go", [&](GE::Event& event) {
        for (int i = 0; i < 8; ++i) // grows the list being walked; none of these runs now
            Support::record(target, "go", "late", log);
        log.push_back("stopper"); // the flag is not consulted between listeners
        event.propagating = false;
    });
    Support::record(target, "go", "b", log);
    target.add_event_listener("other", GE::Event_listener{});
    Support::record(target, "other", "other", log);
    target.dispatch_event("go");
    target.remove_event_listener("go", [](GE::Event&) {}); // another type removes nothing
    target.remove_event_listener("go", recorder); // "a", "b" and the late ones, only under "go"
    target.remove_event_listener("other", GE::Event_listener{}); // only the empty entry
    target.dispatch_event("go");
    target.dispatch_event("other");
    EXPECT_EQ(log, (Strings{"a", "stopper", "b", "stopper", "other"}));
}

TEST(Game_model, set_screen_stores_the_name_before_announcing_it_every_time)
{
    GE::Game_model model;
    Strings seen;
    model.add_event_listener("screen_changed_event", [&](GE::Event& event) {
        seen.push_back(model.screen + "/" + dynamic_cast<GE::Screen_changed_event&>(event).screen);
    });
    model.set_screen("main_menu");
    model.set_screen("play");
    model.set_screen(model.screen); // the field itself, announced again
    EXPECT_EQ(seen, (Strings{"main_menu/main_menu", "play/play", "play/play"}));
}

} // namespace
