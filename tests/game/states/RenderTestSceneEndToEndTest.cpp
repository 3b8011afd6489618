// The render test scene started the way a developer starts it, with
// --state: headless on the null renderer, and under OpenGL with a
// screenshot whose pixels show a moonlit scene with warm light in it.

#include <SDL.h>
#include <SDL_image.h>  // IMG_Load to read the screenshot back
#include <gtest/gtest.h>

#include <sys/wait.h>  // WIFEXITED, WEXITSTATUS of std::system's status

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>

#include "tests/game/states/ScreenshotPixels.h"
#include "tests/support/GameFolder.h"

namespace {

class RenderTestSceneEndToEndTest : public ::testing::Test {
protected:
    int Run(const std::string& arguments, const std::string& environment = "") {
        return game.Run(arguments, environment);
    }

    std::string File(const std::string& name) const { return TestSupport::ReadFile(dir.File(name)); }

    // Where the kid stands after a headless run of frames at 30 per second with the input script.
    std::array<float, 3> KidAfter(const std::string& script, int frames = 80) {
        game.dir.Write("input.txt", script);
        EXPECT_EQ(Run("--headless --state Sandbox2 --fixed-dt 0.033 --frames " + std::to_string(frames) +
                      " --input input.txt"),
                  0);
        const std::string log = File("Engine.log");
        const std::string key = "the kid ends at (";
        const auto at = log.find(key);
        std::array<float, 3> p{};
        EXPECT_NE(at, std::string::npos) << log;
        if (at != std::string::npos) std::sscanf(log.c_str() + at + key.size(), "%f, %f, %f", &p[0], &p[1], &p[2]);
        return p;
    }

    // The log's error lines but the one a machine without a sound card always has.
    std::string LoggedErrors() const {
        std::istringstream log(File("Engine.log"));
        std::string errors;
        for (std::string line; std::getline(log, line);) {
            const bool expected = line.find("No sound device") != std::string::npos;
            if (line.rfind("Error:", 0) == 0 && !expected) errors += line + "\n";
        }
        return errors;
    }

    TestSupport::GameFolder game;
    const TestSupport::TempDir& dir = game.dir;
};

struct PixelCounts {
    uint64_t total = 0;
    uint64_t cool = 0;  // blue at least red: moonlight and night
    uint64_t warm = 0;  // bright, clearly more red than blue: lantern and lamp light
    uint64_t black = 0;
};

PixelCounts CountPixels(SDL_Surface* shot) {
    PixelCounts counts;
    StateTests::ForEachPixel(shot, [&counts](uint8_t r, uint8_t g, uint8_t b) {
        ++counts.total;
        if (b >= r) ++counts.cool;
        if (r > 110 && r > b + 30) ++counts.warm;
        if (r + g + b < 6) ++counts.black;
    });
    return counts;
}

TEST_F(RenderTestSceneEndToEndTest, RunsHeadlessWithoutAnError) {
    ASSERT_EQ(Run("--headless --state Sandbox2 --fixed-dt 0.033 --frames 5"), 0) << File("out.txt");
    const std::string log = File("Engine.log");
    EXPECT_NE(log.find("Main loop ended after 5 frames"), std::string::npos) << log;
    EXPECT_EQ(LoggedErrors(), "");
}

// The camera looks from the south (+z) toward the north (-z): W walks away
// from it and A to its left, through the window's key events. The kid's
// intro ends after 1.1 s; the keys are held for a second after that.
TEST_F(RenderTestSceneEndToEndTest, TheKeysWalkTheKidRelativeToTheCamera) {
    const std::array<float, 3> still = KidAfter("");
    const std::array<float, 3> north = KidAfter("40 keydown 0x57\n70 keyup 0x57\n");
    const std::array<float, 3> west = KidAfter("40 keydown 0x41\n70 keyup 0x41\n");
    EXPECT_LT(north[2], still[2] - 2.0f) << "W walks away from the camera";
    EXPECT_NEAR(north[0], still[0], 0.5f);
    EXPECT_LT(west[0], still[0] - 2.0f) << "A walks to the camera's left";
    EXPECT_NEAR(west[2], still[2], 0.5f);
    EXPECT_EQ(LoggedErrors(), "");
}

// East of the kid, at x 9, a camera trigger starts a shot of the win point:
// three seconds of glide, three of hold, three back. Walking into it with D
// held, the kid stands still while the camera has control and walks on after.
TEST_F(RenderTestSceneEndToEndTest, TheCameraTriggersShotHoldsTheKidUntilTheCameraLetsGo) {
    const std::array<float, 3> start = KidAfter("");
    const std::array<float, 3> at_trigger = KidAfter("40 keydown 0x44\n150 keyup 0x44\n", 151);
    const std::array<float, 3> in_hold = KidAfter("40 keydown 0x44\n300 keyup 0x44\n", 301);
    const std::array<float, 3> after = KidAfter("40 keydown 0x44\n450 keyup 0x44\n", 451);
    EXPECT_GT(at_trigger[0], start[0] + 2.0f) << "she walked east";
    EXPECT_LT(at_trigger[0], 9.0f) << "and stopped where the trigger's box begins";
    EXPECT_NEAR(in_hold[0], at_trigger[0], 0.05f) << "held while the shot plays";
    EXPECT_GT(after[0], in_hold[0] + 1.0f) << "walking on once the camera lets go";
    EXPECT_EQ(LoggedErrors(), "");
}

TEST_F(RenderTestSceneEndToEndTest, AnUnknownStateNameIsRefused) {
    EXPECT_EQ(Run("--headless --state Nowhere --frames 2"), 1);
    EXPECT_NE(File("out.txt").find("no state named Nowhere"), std::string::npos) << File("out.txt");
}

TEST_F(RenderTestSceneEndToEndTest, TheScreenshotIsAMoonlitSceneWithWarmLightInIt) {
    const std::string environment = std::getenv("DISPLAY") != nullptr ? "" : "env SDL_VIDEODRIVER=offscreen";
    const int status = Run("--state Sandbox2 --fixed-dt 0.033 --frames 41 --screenshot 40 scene.png", environment);
    if (status != 0 && File("Engine.log").find("Could not create") != std::string::npos)
        GTEST_SKIP() << "no OpenGL 3.3 here";
    ASSERT_EQ(status, 0) << File("out.txt") << File("Engine.log");
    SDL_Surface* shot = IMG_Load(dir.File("scene.png").c_str());
    ASSERT_NE(shot, nullptr) << IMG_GetError();
    const PixelCounts counts = CountPixels(shot);
    SDL_FreeSurface(shot);
    EXPECT_GT(counts.cool, counts.total * 6 / 10) << "the world is moonlit";
    EXPECT_GT(counts.warm, counts.total / 500) << "the lantern and the lamp glow show";
    EXPECT_LT(counts.black, counts.total / 100) << "the sky box and the floor fill the picture";
    EXPECT_EQ(LoggedErrors(), "");
}

}  // namespace
