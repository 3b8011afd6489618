// The test program's environment: SDL's dummy video driver unless a test asks
// for another, so no test opens a real window by accident, and SDL shut down
// once at the end.

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>  // setenv

namespace {

class PlatformEnvironment : public ::testing::Environment {
public:
    void SetUp() override { setenv("SDL_VIDEODRIVER", "dummy", 1); }
    void TearDown() override { SDL_Quit(); }
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new PlatformEnvironment);

}  // namespace
