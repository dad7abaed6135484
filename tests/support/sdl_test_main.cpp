#include "engine/core/sdl_lifetime.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    // CTest sets these; the defaults let a test binary also run on its own.
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("SDL_RENDER_DRIVER", "software", 0);
    testing::InitGoogleTest(&argc, argv);
    // SDL comes up once per test program, headless, and goes down after the last test.
    const GE::SDL_lifetime sdl;
    return RUN_ALL_TESTS();
}
