#include "engine/widgets/captions.h"
#include "tests/support/fixtures.h"

namespace {

using Captions_test = Support::Headless_test;

TEST_F(Captions_test, keep_the_two_newest_each_for_its_sounds_time_and_nothing_while_off)
{
    std::filesystem::copy_file(Support::font_file, "OpenSans-SemiBold.ttf");
    Uint64 now = 0;
    GE::Captions captions(context(), [&now] { return now; });
    captions.texts = {{"bell", "[a bell]"}, {"latch", "[a latch]"}, {"wind", "[wind]"}};
    EXPECT_FALSE(captions.heard("bell", 5000)) << "off";
    captions.set_enabled(true);
    EXPECT_FALSE(captions.heard("whisper", 100)) << "no caption";
    EXPECT_EQ(captions.ms_until_change(), -1);
    // A long effect for its length, a short one 3 s, a music 4 s; the oldest of three goes.
    const struct {
        Uint64 at;
        const char* sound;
        int length_ms;
        int next_change_ms;
    } steps[] = {{0, "bell", 5000, 5000}, {1000, "latch", 200, 3000}, {2000, "wind", -1, 2000}};
    for (const auto& [at, sound, length, next] : steps) {
        now = at;
        EXPECT_TRUE(captions.heard(sound, length));
        EXPECT_EQ(captions.ms_until_change(), next) << sound;
    }
    EXPECT_EQ(captions.shown(), 2u);
    now = 4000;
    EXPECT_TRUE(captions.expire());
    EXPECT_EQ(std::pair(captions.shown(), captions.ms_until_change()),
              std::pair(std::size_t{1}, 2000));
    now = 5999;
    EXPECT_FALSE(captions.expire()) << "the bell went with the third sound";
    now = 6000;
    EXPECT_TRUE(captions.expire());
    EXPECT_EQ(captions.ms_until_change(), -1);
    captions.heard("bell", 0);
    captions.set_enabled(false);
    EXPECT_EQ(captions.shown(), 0u);
}

} // namespace
