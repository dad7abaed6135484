#include "engine/core/controllers.h"
#include "tests/support/fixtures.h"
#include "tools/driver/virtual_pad.h"

#include <SDL_hints.h>

#include <algorithm>
#include <optional>

namespace {

bool auto_updating() { return SDL_GetHintBoolean(SDL_HINT_AUTO_UPDATE_JOYSTICKS, SDL_TRUE); }

// A button event as the game sees it: its type, controller and button.
using Press = std::tuple<Uint32, SDL_JoystickID, int>;

Press down(SDL_JoystickID pad, int button) { return {SDL_CONTROLLERBUTTONDOWN, pad, button}; }
Press up(SDL_JoystickID pad, int button) { return {SDL_CONTROLLERBUTTONUP, pad, button}; }

// The controllers on a clock the test steps, with the loop's part played by hand.
class Controllers_test : public testing::Test {
protected:
    Controllers_test() { SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT); }

    // Handles the queued events as the loop does, to the last; answers those the game would see.
    std::vector<Press> handle_queue()
    {
        std::vector<Press> seen;
        SDL_Event event;
        // A press queued while handling comes after the mark where SDL ends a poll.
        while (SDL_PollEvent(&event) == 1 || SDL_PollEvent(&event) == 1) {
            if (controllers.handle(event))
                continue;
            const bool button =
                event.type == SDL_CONTROLLERBUTTONDOWN || event.type == SDL_CONTROLLERBUTTONUP;
            seen.emplace_back(event.type, button ? event.cbutton.which : -1,
                              button ? event.cbutton.button : -1);
        }
        return seen;
    }

    // Runs the loop's schedule for `ms` milliseconds; answers when the game saw presses, as times
    // since the start.
    std::vector<Uint64> run_for(Uint64 ms)
    {
        std::vector<Uint64> times;
        const Uint64 start = now;
        for (; now < start + ms; ++now) {
            if (controllers.ms_until_update() == 0)
                controllers.update();
            for (std::size_t i = handle_queue().size(); i > 0; --i)
                times.push_back(now - start);
        }
        return times;
    }

    Uint64 now = 1000;
    GE::Controllers controllers{"missing.txt", [this] { return now; }};
};

TEST_F(Controllers_test, opens_each_pad_passes_its_buttons_on_and_closes_it_when_it_goes)
{
    EXPECT_EQ(controllers.ms_until_update(), -1);
    std::optional<Tools::Virtual_pad> first(std::in_place), second(std::in_place);
    EXPECT_EQ(handle_queue(), std::vector<Press>{}) << "the devices are the controllers' own";
    EXPECT_EQ(controllers.open_count(), 2u);
    EXPECT_FALSE(auto_updating()) << "SDL's wait would poll every millisecond";
    EXPECT_EQ(controllers.ms_until_update(), 0) << "read at once";
    controllers.update();
    EXPECT_EQ(controllers.ms_until_update(), GE::Controllers::update_interval_ms);

    second->press(SDL_CONTROLLER_BUTTON_A);
    first->press(SDL_CONTROLLER_BUTTON_B);
    const SDL_JoystickID first_id = first->id(), second_id = second->id();
    EXPECT_EQ(handle_queue(), (std::vector{down(second_id, SDL_CONTROLLER_BUTTON_A),
                                           up(second_id, SDL_CONTROLLER_BUTTON_A),
                                           down(first_id, SDL_CONTROLLER_BUTTON_B),
                                           up(first_id, SDL_CONTROLLER_BUTTON_B)}));

    first.reset();
    handle_queue();
    EXPECT_EQ(controllers.open_count(), 1u);
    second->press(SDL_CONTROLLER_BUTTON_START);
    EXPECT_EQ(handle_queue(), (std::vector{down(second_id, SDL_CONTROLLER_BUTTON_START),
                                           up(second_id, SDL_CONTROLLER_BUTTON_START)}));
    EXPECT_FALSE(auto_updating());

    second.reset();
    handle_queue();
    EXPECT_EQ(controllers.open_count(), 0u);
    EXPECT_TRUE(auto_updating());
    EXPECT_EQ(controllers.ms_until_update(), -1);
}

TEST_F(Controllers_test, a_joystick_that_is_no_controller_stays_closed_but_is_read_by_the_loop)
{
    SDL_VirtualJoystickDesc stick{};
    stick.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    stick.type = SDL_JOYSTICK_TYPE_FLIGHT_STICK;
    stick.naxes = 2;
    const int device = SDL_JoystickAttachVirtualEx(&stick);
    ASSERT_GE(device, 0) << SDL_GetError();
    handle_queue();
    EXPECT_EQ(controllers.open_count(), 0u);
    EXPECT_FALSE(auto_updating());
    EXPECT_GE(controllers.ms_until_update(), 0);
    SDL_JoystickDetachVirtual(device);
    handle_queue();
    EXPECT_TRUE(auto_updating());
}

TEST_F(Controllers_test, the_left_stick_presses_the_d_pad_once_per_push_with_hysteresis)
{
    Tools::Virtual_pad pad;
    handle_queue();
    const auto dpad = [&](int button) { return std::vector{down(pad.id(), button)}; };
    const std::vector<Press> none;
    const struct {
        SDL_GameControllerAxis axis;
        Sint16 value;
        std::vector<Press> seen;
    } steps[] = {
        {SDL_CONTROLLER_AXIS_LEFTX, 12000, none}, // inside the dead zone
        {SDL_CONTROLLER_AXIS_LEFTX, 16000, dpad(SDL_CONTROLLER_BUTTON_DPAD_RIGHT)},
        {SDL_CONTROLLER_AXIS_LEFTX, 11000, none}, // eased back, still held
        {SDL_CONTROLLER_AXIS_LEFTX, 16000, none},
        {SDL_CONTROLLER_AXIS_LEFTX, 8000, none}, // released
        {SDL_CONTROLLER_AXIS_LEFTX, 16000, dpad(SDL_CONTROLLER_BUTTON_DPAD_RIGHT)},
        {SDL_CONTROLLER_AXIS_LEFTY, -17000, none}, // on the diagonal, right keeps it
        {SDL_CONTROLLER_AXIS_LEFTY, -20000, dpad(SDL_CONTROLLER_BUTTON_DPAD_UP)},
        {SDL_CONTROLLER_AXIS_LEFTY, -17000, none}, // up keeps it now
        {SDL_CONTROLLER_AXIS_LEFTX, 0, none},
        {SDL_CONTROLLER_AXIS_LEFTY, 0, none},
        {SDL_CONTROLLER_AXIS_LEFTX, -32768, dpad(SDL_CONTROLLER_BUTTON_DPAD_LEFT)},
        {SDL_CONTROLLER_AXIS_LEFTX, 0, none},
        {SDL_CONTROLLER_AXIS_RIGHTY, 32767, none}, // only the left stick steers
        {SDL_CONTROLLER_AXIS_LEFTY, 32767, dpad(SDL_CONTROLLER_BUTTON_DPAD_DOWN)},
    };
    for (const auto& step : steps) {
        pad.tilt(step.axis, step.value);
        EXPECT_EQ(handle_queue(), step.seen) << "axis " << step.axis << " at " << step.value;
    }
}

TEST_F(Controllers_test, a_held_stick_repeats_after_400_ms_then_every_150_ms_until_centred)
{
    Tools::Virtual_pad pad;
    handle_queue();
    EXPECT_EQ(run_for(100), std::vector<Uint64>{}) << "no press for a pad at rest";
    pad.tilt(SDL_CONTROLLER_AXIS_LEFTY, 30000);
    EXPECT_EQ(run_for(1001), (std::vector<Uint64>{0, 400, 550, 700, 850, 1000}));
    pad.tilt(SDL_CONTROLLER_AXIS_LEFTY, 0);
    EXPECT_EQ(run_for(1000), std::vector<Uint64>{});
}

TEST(Controllers, add_the_mapping_file_when_there_is_one_and_report_one_that_cannot_be_read)
{
    const Support::Scratch_dir scratch;
    const std::string guid = "03000000d0ca0000fe0a000000000000";
    const std::string mapping = guid + ",Vossmere test pad,a:b0,b:b1,platform:" + SDL_GetPlatform();
    const struct {
        std::optional<std::string> content;
        bool reported;
    } cases[] = {{std::nullopt, false}, {"", true}, {mapping + ",\n", false}};
    for (const auto& [content, reported] : cases) {
        std::filesystem::remove("gamecontrollerdb.txt");
        if (content)
            Support::write_file("gamecontrollerdb.txt", *content);
        testing::internal::CaptureStderr();
        const GE::Controllers controllers;
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_EQ(errors.find("gamecontrollerdb.txt") != std::string::npos, reported) << errors;
        EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), reported ? 1 : 0) << errors;
    }
    const std::unique_ptr<char, decltype(&SDL_free)> added(
        SDL_GameControllerMappingForGUID(SDL_JoystickGetGUIDFromString(guid.c_str())), SDL_free);
    ASSERT_NE(added, nullptr);
    EXPECT_NE(std::string(added.get()).find("Vossmere test pad"), std::string::npos);
}

} // namespace
