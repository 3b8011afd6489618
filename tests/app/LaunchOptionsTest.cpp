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
        {"--input"}, {"--record"},
    };
    for (const auto& arguments : bad) {
        cLaunchOptions options;
        std::string error;
        EXPECT_FALSE(options.Parse(arguments, error)) << arguments[0];
        EXPECT_FALSE(error.empty());
    }
}

}  // namespace
}  // namespace Game
