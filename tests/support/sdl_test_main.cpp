#include "engine/core/sdl_lifetime.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <optional>

namespace {

// SDL comes up once per test program, headless, and goes down after the last test.
class Sdl_environment : public testing::Environment {
public:
    void SetUp() override { sdl.emplace(); }
    void TearDown() override { sdl.reset(); }

private:
    std::optional<GE::SDL_lifetime> sdl;
};

} // namespace

int main(int argc, char** argv)
{
    // CTest sets these; the defaults let a test binary also run on its own.
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("SDL_RENDER_DRIVER", "software", 0);
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(
        std::make_unique<Sdl_environment>().release()); // gtest owns it
    return RUN_ALL_TESTS();
}
