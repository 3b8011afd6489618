// The font list, rectangle and colour conversion and the reset behaviour of
// font managers, over the null device.

#include <gtest/gtest.h>

#include "engine/render/cNullFontManager.h"
#include "engine/render/eTextFormat.h"
#include "tests/engine/render/RenderFixture.h"

namespace {

using namespace Engine;

class FontManagerTest : public RenderFixture {
protected:
    cNullFontManager fonts;
};

TEST_F(FontManagerTest, TheDefaultFontIsHelveticaBoldAtIndexZero) {
    ASSERT_EQ(fonts.GetFontCount(), 1);
    EXPECT_EQ(fonts.Font(0).face, "helvetica");
    EXPECT_TRUE(fonts.Font(0).bold);
    EXPECT_FALSE(fonts.Font(0).italic);
    EXPECT_EQ(fonts.DeviceFontCount(), 1);
    EXPECT_EQ(fonts.CreateFont("arial", false, true), 1);
    EXPECT_EQ(fonts.CreateFont("arial", true, false), 2);
}

TEST_F(FontManagerTest, RectanglesTurnToATopLeftOriginWithTheWindowHeight) {
    fonts.DrawTextInRect("score", Vector4(10.6f, 20.7f, 200.9f, 100.2f), TF_Center | TF_VCenter,
                         ColorRGBA(1.2f, -0.1f, 0.5f, 1.0f), 0);
    const cNullFontManager::DrawRecord& draw = fonts.LastDraw();
    EXPECT_EQ(draw.text, "score");
    EXPECT_EQ(draw.rect.left, 10);
    EXPECT_EQ(draw.rect.top, 379) << "480 - 100.2 truncated";
    EXPECT_EQ(draw.rect.right, 200);
    EXPECT_EQ(draw.rect.bottom, 459) << "480 - 20.7 truncated";
    EXPECT_EQ(draw.format, TF_Center | TF_VCenter);
    EXPECT_EQ(draw.colour, 0xFFFF0080u) << "text colours pack as clear colours do";
}

TEST_F(FontManagerTest, TextAtAPointIsDrawnUnclipped) {
    fonts.DrawTextAt("fps 60", 5, 7, ColorRGBA(1, 1, 1, 1), 0);
    const cNullFontManager::DrawRecord& draw = fonts.LastDraw();
    EXPECT_EQ(draw.rect.left, 5);
    EXPECT_EQ(draw.rect.top, 7);
    EXPECT_EQ(draw.rect.right, 0);
    EXPECT_EQ(draw.rect.bottom, 0);
    EXPECT_EQ(draw.format, TF_NoClip);
}

TEST_F(FontManagerTest, AFontThatDoesNotExistIsLoggedAndNothingIsDrawn) {
    fonts.DrawTextAt("lost", 0, 0, ColorRGBA(), 1);
    fonts.DrawTextAt("lost", 0, 0, ColorRGBA(), -1);
    EXPECT_EQ(fonts.DrawCount(), 0u);
    EXPECT_TRUE(Logged("font 1, which does not exist")) << EngineLog();
    fonts.DrawTextInRect("measured", Vector4(0, 0, 10, 10), TF_CalcRect, ColorRGBA(), 0);
    EXPECT_EQ(fonts.DrawCount(), 0u) << "measuring draws nothing";
}

TEST_F(FontManagerTest, AResetMakesEveryFontAgainFontsMadeMeanwhileIncluded) {
    fonts.CreateFont("arial", false, false);
    cDeviceResetOrder::Instance().ReleaseAll();
    EXPECT_EQ(fonts.DeviceFontCount(), 0);
    EXPECT_FALSE(fonts.DeviceFontsLive());
    fonts.DrawTextAt("while lost", 0, 0, ColorRGBA(), 0);
    EXPECT_EQ(fonts.CreateFont("verdana", true, true), 2) << "listed now, made with the others";
    cDeviceResetOrder::Instance().RestoreAll();
    EXPECT_EQ(fonts.DeviceFontCount(), 3);
    EXPECT_EQ(fonts.Font(1).face, "arial");
    fonts.DrawTextAt("back", 0, 0, ColorRGBA(), 2);
    EXPECT_EQ(fonts.DrawCount(), 1u);
    EXPECT_EQ(fonts.LastDraw().font, 2);
}

}  // namespace
