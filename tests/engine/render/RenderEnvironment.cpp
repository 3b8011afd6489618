// The test program's environment: SDL's dummy video driver, so the window the
// renderer tests need never reaches a display, and SDL shut down at the end.

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>  // setenv

namespace {

class RenderEnvironment : public ::testing::Environment {
public:
    void SetUp() override { setenv("SDL_VIDEODRIVER", "dummy", 1); }
    void TearDown() override { SDL_Quit(); }
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new RenderEnvironment);

}  // namespace
