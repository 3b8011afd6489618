#include <gtest/gtest.h>

#include "engine/core/Letterbox.h"

namespace Engine {
namespace {

struct LetterboxCase {
    const char* name;
    bool fullscreen;
    float screen_w, screen_h, settings_w, settings_h;
    bool enforce_res;
    bool bars;
    ScreenRect viewport, bar_a, bar_b;
};

class LetterboxTest : public ::testing::TestWithParam<LetterboxCase> {};

void ExpectRectNear(const ScreenRect& actual, const ScreenRect& expected, const char* what) {
    EXPECT_NEAR(actual.left, expected.left, 0.01f) << what;
    EXPECT_NEAR(actual.top, expected.top, 0.01f) << what;
    EXPECT_NEAR(actual.right, expected.right, 0.01f) << what;
    EXPECT_NEAR(actual.bottom, expected.bottom, 0.01f) << what;
}

TEST_P(LetterboxTest, FitsThePicture) {
    const LetterboxCase& c = GetParam();
    const Letterbox box = ComputeLetterbox(c.fullscreen, c.screen_w, c.screen_h, c.settings_w, c.settings_h,
                                           c.enforce_res);
    EXPECT_EQ(box.bars, c.bars);
    ExpectRectNear(box.viewport, c.viewport, "viewport");
    if (c.bars) {
        ExpectRectNear(box.bar_a, c.bar_a, "first bar");
        ExpectRectNear(box.bar_b, c.bar_b, "second bar");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LetterboxTest,
    ::testing::Values(
        LetterboxCase{"WindowedUsesTheClientArea", false, 1920, 1200, 1280, 720, true, false, {0, 0, 1280, 720}, {}, {}},
        LetterboxCase{"Wide16by10WithEnforceRes", true, 1920, 1200, 1280, 720, true, true,
                      {0, 60, 1920, 1140}, {0, 0, 1920, 60}, {0, 1140, 1920, 1200}},
        LetterboxCase{"Exact16by9NeedsNoBars", true, 1920, 1080, 1024, 768, true, false, {0, 0, 1920, 1080}, {}, {}},
        LetterboxCase{"FourByThreeOnFiveByFour", true, 1280, 1024, 1024, 768, false, true,
                      {0, 32, 1280, 992}, {0, 0, 1280, 32}, {0, 992, 1280, 1024}},
        LetterboxCase{"SixteenByNineOnFourByThreeBarsTopAndBottom", true, 1024, 768, 1280, 720, false, true,
                      {0, 96, 1024, 672}, {0, 0, 1024, 96}, {0, 672, 1024, 768}},
        LetterboxCase{"FourByThreeOnWideBarsLeftAndRight", true, 1920, 1080, 1024, 768, false, true,
                      {240, 0, 1680, 1080}, {0, 0, 240, 1080}, {1680, 0, 1920, 1080}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace Engine
