// The real executable, started the way a test tool starts it: headless,
// with a fixed time step, a frame limit and scripted input, in a folder of
// its own that sees the shipped GameData.

#include <gtest/gtest.h>

#include <sys/wait.h>  // WIFEXITED, WEXITSTATUS of std::system's status

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/GameFolder.h"

namespace {

class EndToEndTest : public ::testing::Test {
protected:
    int Run(const std::string& arguments, const std::string& environment = "") {
        return game.Run(arguments, environment);
    }

    std::string EngineLog() const { return TestSupport::ReadFile(dir.File("Engine.log")); }
    std::string Output() const { return TestSupport::ReadFile(dir.File("out.txt")); }

    TestSupport::GameFolder game;
    const TestSupport::TempDir& dir = game.dir;
};

TEST_F(EndToEndTest, HeadlessRunEndsAfterItsFramesAndWritesTheLog) {
    ASSERT_EQ(Run("--headless --fixed-dt 0.016 --frames 120"), 0) << Output();
    EXPECT_NE(EngineLog().find("Main loop ended after 120 frames"), std::string::npos) << EngineLog();
}

TEST_F(EndToEndTest, ScriptedWindowCloseEndsTheRunEarly) {
    dir.Write("close.txt", "# close the window in the tenth frame\n10 close\n");
    ASSERT_EQ(Run("--headless --fixed-dt 0.016 --frames 120 --input close.txt"), 0) << Output();
    EXPECT_NE(EngineLog().find("Main loop ended after 10 frames"), std::string::npos) << EngineLog();
}

TEST_F(EndToEndTest, EachRunStartsTheLogAfresh) {
    ASSERT_EQ(Run("--headless --frames 3"), 0) << Output();
    ASSERT_EQ(Run("--headless --frames 5"), 0) << Output();
    EXPECT_EQ(EngineLog().find("after 3 frames"), std::string::npos) << EngineLog();
    EXPECT_NE(EngineLog().find("after 5 frames"), std::string::npos) << EngineLog();
}

TEST_F(EndToEndTest, RunsWithDefaultsWhenTheSettingsAreMissing) {
    std::filesystem::remove(dir.Path() / "GameData");
    ASSERT_EQ(Run("--headless --frames 2"), 0) << Output();
    EXPECT_NE(EngineLog().find("Main loop ended after 2 frames"), std::string::npos) << EngineLog();
}

TEST_F(EndToEndTest, BadOptionsPrintTheUsage) {
    EXPECT_EQ(Run("--frames"), 2);
    EXPECT_NE(Output().find("usage: brambleby"), std::string::npos) << Output();
}

TEST_F(EndToEndTest, AMissingInputScriptIsReported) {
    EXPECT_EQ(Run("--headless --frames 2 --input absent.txt"), 1);
    EXPECT_NE(Output().find("absent.txt"), std::string::npos) << Output();
}

// Without --seed and --fixed-dt the record names the clock's seed the run
// drew from and the step it was given; the replay of its close ends alike.
TEST_F(EndToEndTest, ARecordNamesTheSeedAndStepTheRunReallyUsed) {
    dir.Write("close.txt", "7 keydown 0x57\n9 move 100 50\n12 close\n");
    ASSERT_EQ(Run("--headless --frames 60 --input close.txt --record run.txt"), 0) << Output();
    const std::string record = TestSupport::ReadFile(dir.File("run.txt"));
    unsigned long seed = 0;
    char step[32] = {};
    ASSERT_EQ(std::sscanf(record.c_str(), "# brambleby record: --seed %lu --fixed-dt %31s", &seed, step), 2) << record;
    EXPECT_GT(seed, 1'600'000'000ul) << "a seed from the clock";
    EXPECT_STREQ(step, "0.0166666675");
    EXPECT_NE(record.find("\n7 keydown 0x57\n9 move 100 50\n12 close\n# the run ended after 12 frames\n"),
              std::string::npos)
        << record;
    EXPECT_NE(EngineLog().find("Main loop ended after 12 frames"), std::string::npos) << EngineLog();
}

TEST_F(EndToEndTest, ARecordThatCannotBeWrittenStopsTheStart) {
    EXPECT_EQ(Run("--headless --frames 2 --record missing-folder/run.txt"), 1);
    EXPECT_NE(Output().find("cannot write the input record missing-folder/run.txt"), std::string::npos) << Output();
}

TEST_F(EndToEndTest, OnADisplayTheWindowOpensAtTheSettingsSize) {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no X display (./test runs the tests under xvfb-run)";
    ASSERT_EQ(Run("--frames 5", "SDL_VIDEODRIVER=x11"), 0) << Output();
    EXPECT_NE(EngineLog().find("[cWindow] Opened 1280 x 720 windowed on the x11 video driver"), std::string::npos)
        << EngineLog();
}

TEST_F(EndToEndTest, WithoutADisplayTheGameSuggestsHeadless) {
    EXPECT_EQ(Run("--frames 2", "env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11"), 1);
    EXPECT_NE(Output().find("--headless"), std::string::npos) << Output();
}

}  // namespace
