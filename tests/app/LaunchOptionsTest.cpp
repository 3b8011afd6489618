#include <gtest/gtest.h>

#include "app/cLaunchOptions.h"

namespace Game {
namespace {

TEST(LaunchOptions, NoArgumentsChangeNothing) {
    cLaunchOptions options;
    std::string error;
    ASSERT_TRUE(options.Parse({}, error));
    EXPECT_FALSE(options.headless);
    EXPECT_FALSE(options.fixed_dt);
    EXPECT_FALSE(options.seed);
    EXPECT_EQ(options.frames, 0u);
    EXPECT_TRUE(options.input_path.empty());
    EXPECT_TRUE(options.record_path.empty());
}

TEST(LaunchOptions, ReadsEveryOption) {
    cLaunchOptions options;
    std::string error;
    ASSERT_TRUE(options.Parse({"--headless", "--fixed-dt", "0.016", "--seed", "42", "--frames", "120", "--input",
                               "script.txt", "--record", "run.txt"},
                              error))
        << error;
    EXPECT_TRUE(options.headless);
    EXPECT_FLOAT_EQ(*options.fixed_dt, 0.016f);
    EXPECT_EQ(*options.seed, 42u);
    EXPECT_EQ(options.frames, 120u);
    EXPECT_EQ(options.input_path, "script.txt");
    EXPECT_EQ(options.record_path, "run.txt");
}

TEST(LaunchOptions, RefusesBadInput) {
    const std::vector<std::vector<std::string>> bad = {
        {"--fullscreen"}, {"--frames"},          {"--frames", "ten"}, {"--frames", "0"},
        {"--frames", "-3"}, {"--fixed-dt", "0"}, {"--fixed-dt", "nan"}, {"--seed", "4x"},
        {"--input"}, {"--record"}, {"--level-preview"}, {"--level-preview", "Level0"},
        {"--level-preview", "", "out.png"},
    };
    for (const auto& arguments : bad) {
        cLaunchOptions options;
        std::string error;
        EXPECT_FALSE(options.Parse(arguments, error)) << arguments[0];
        EXPECT_FALSE(error.empty());
    }
}

// A preview run is a tool: it shows the level, keeps one frame as a picture and quits.
TEST(LaunchOptions, ALevelPreviewSavesOneFrameAndQuits) {
    cLaunchOptions options;
    std::string error;
    ASSERT_TRUE(options.Parse({"--level-preview", "Level3", "shots/level3.png"}, error)) << error;
    EXPECT_EQ(options.preview_level, "Level3");
    EXPECT_EQ(options.screenshot_path, "shots/level3.png");
    EXPECT_EQ(options.screenshot_frame, cLaunchOptions::kPreviewFrame);
    EXPECT_EQ(options.frames, cLaunchOptions::kPreviewFrame) << "the frame kept is the last one run";
}

}  // namespace
}  // namespace Game
