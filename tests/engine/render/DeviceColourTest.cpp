// Colour channels to bytes and the packed device colour of Clear and text.

#include <gtest/gtest.h>

#include <cmath>  // NAN

#include "engine/render/DeviceColour.h"
#include "engine/render/eClearFlag.h"
#include "tests/engine/render/RenderFixture.h"

namespace {

using Engine::PackDeviceColour;

struct PackCase {
    float r, g, b, a;
    uint32_t packed;
};

TEST(DeviceColourTest, ChannelsPackAsAlphaRedGreenBlueWithClampingAndRounding) {
    const PackCase cases[] = {
        {1.2f, -0.1f, 0.5f, 1.0f, 0xFFFF0080u},  // over 1 -> 255, under 0 -> 0, 0.5 -> 128
        {0.0f, 0.0f, 0.0f, 0.0f, 0x00000000u},
        {1.0f, 1.0f, 1.0f, 1.0f, 0xFFFFFFFFu},
        {0.2f, 0.4f, 0.6f, 0.8f, 0xCC336699u},  // x * 255 + 0.5 truncated: 51, 102, 153, 204
        {0.999f, 0.001f, 0.998f, 0.003f, 0x01FF00FEu},  // 0.003 * 255 + 0.5 = 1.265 -> 1
        {NAN, 0.0f, 0.0f, 1.0f, 0xFF000000u},  // not a number is black, not undefined
    };
    for (const PackCase& c : cases) {
        EXPECT_EQ(PackDeviceColour(c.r, c.g, c.b, c.a), c.packed) << c.r << " " << c.g << " " << c.b << " " << c.a;
    }
}

TEST(DeviceColourTest, UnpackingGivesTheBytesOverTwoHundredFiftyFive) {
    const Engine::ColorRGBA colour = Engine::UnpackDeviceColour(0x80FF0033u);
    EXPECT_FLOAT_EQ(colour.a, 128.0f / 255.0f);
    EXPECT_FLOAT_EQ(colour.r, 1.0f);
    EXPECT_FLOAT_EQ(colour.g, 0.0f);
    EXPECT_FLOAT_EQ(colour.b, 51.0f / 255.0f);
}

using ClearTest = NullRendererFixture;

TEST_F(ClearTest, ClearPacksItsColourAndKeepsOnlyTheThreeFlagBits) {
    renderer->Clear(0xFFu, 1.2f, -0.1f, 0.5f, 1.0f, 0.25f, 3);
    EXPECT_EQ(renderer->LastClear().colour, 0xFFFF0080u);
    EXPECT_EQ(renderer->LastClear().flags, Engine::CLEAR_All);
    EXPECT_FLOAT_EQ(renderer->LastClear().depth, 0.25f);
    EXPECT_EQ(renderer->LastClear().stencil, 3u);
}

}  // namespace
