// Text through the OpenGL font manager on real pixels.

#include "engine/render/eClearFlag.h"
#include "engine/render/eTextFormat.h"
#include "tests/engine/render/gl/GLFixture.h"

namespace {

using namespace Engine;

using GLFontManagerTest = GLFixture;

// Pixels darker than mid-grey inside and outside a top-left-origin rectangle.
void CountDark(const Frame& frame, int32_t left, int32_t top, int32_t right, int32_t bottom, int& inside,
               int& outside) {
    inside = outside = 0;
    for (int32_t y = 0; y < frame.height; ++y) {
        for (int32_t x = 0; x < frame.width; ++x) {
            if (frame.At(x, y).r >= 128) continue;
            (x >= left && x < right && y >= top && y < bottom ? inside : outside) += 1;
        }
    }
}

TEST_F(GLFontManagerTest, TheDefaultFontIsMadeWithFifteenPixelLines) {
    ASSERT_NE(fonts->Atlas(0), nullptr) << EngineLog();
    EXPECT_LE(fonts->Atlas(0)->LineHeight(), 15);
    EXPECT_GE(fonts->Atlas(0)->LineHeight(), 12);
    EXPECT_GT(fonts->Atlas(0)->Find('W').advance, fonts->Atlas(0)->Find('i').advance);
}

TEST_F(GLFontManagerTest, TextDarkensPixelsInsideItsRectangleOnly) {
    ASSERT_TRUE(renderer->BeginFrame());
    renderer->Clear(CLEAR_All, 1, 1, 1, 1, 1, 0);
    // (left, bottom, right, top) from the bottom left: rows 110 to 140 from the top.
    fonts->DrawTextInRect("Brambleby text that runs well past its rectangle", Vector4(20, 100, 120, 130), 0,
                          ColorRGBA(0, 0, 0, 1), 0);
    int inside = 0, outside = 0;
    CountDark(Capture(), 20, 110, 120, 140, inside, outside);
    EXPECT_GT(inside, 50);
    EXPECT_EQ(outside, 0);
    renderer->EndFrame();
}

TEST_F(GLFontManagerTest, CentredTextSitsInTheMiddleOfItsRectangle) {
    ASSERT_TRUE(renderer->BeginFrame());
    renderer->Clear(CLEAR_All, 1, 1, 1, 1, 1, 0);
    fonts->DrawTextInRect("ii", Vector4(0, 0, 320, 240), TF_Center | TF_VCenter, ColorRGBA(0, 0, 0, 1), 0);
    int left = 0, right = 0;
    CountDark(Capture(), 0, 0, 140, 240, left, right);
    EXPECT_EQ(left, 0) << "nothing left of the middle";
    int top = 0, bottom = 0;
    CountDark(Capture(), 0, 0, 320, 105, top, bottom);
    EXPECT_EQ(top, 0) << "nothing above the middle line";
    EXPECT_GT(bottom, 0);
    renderer->EndFrame();
}

TEST_F(GLFontManagerTest, DrawingTextLeavesTheRendererStatesAsTheyWere) {
    ASSERT_TRUE(renderer->SetViewport(10, 10, 50, 50));
    ASSERT_TRUE(renderer->BeginFrame());
    fonts->DrawTextAt("x", 100, 100, ColorRGBA(0, 0, 0, 1), 0);
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 50);
    EXPECT_FALSE(glIsEnabled(GL_BLEND)) << "blending stays off by default";
    EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
    renderer->EndFrame();
}

}  // namespace
