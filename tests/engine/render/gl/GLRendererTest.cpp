// The OpenGL renderer on real pixels: clears, triangles through vertex and
// index buffers, render states, dynamic buffers across a reset, and a
// resolution change.

#include <cstring>  // std::memcpy

#include "engine/render/eBufferUsage.h"
#include "engine/render/eClearFlag.h"
#include "engine/render/eDeclType.h"
#include "engine/render/eDeclUsage.h"
#include "engine/render/eIndexFormat.h"
#include "engine/render/ePrimitiveType.h"
#include "engine/render/eRenderStateId.h"
#include "tests/engine/render/gl/GLFixture.h"

namespace {

using namespace Engine;

struct ColouredVertex {
    float x, y, z;
    uint32_t colour;  // 0xAARRGGBB
};

constexpr uint32_t kGreen = 0xFF00FF00u;
constexpr uint32_t kBlue = 0xFF0000FFu;

bool Is(const Pixel& p, uint8_t r, uint8_t g, uint8_t b) { return p.r == r && p.g == g && p.b == b; }

class GLRendererTest : public GLFixture {
protected:
    // A triangle with corners (20, 20), (120, 20), (20, 120): clockwise on screen.
    iVertexBuffer* Triangle(uint32_t colour, int32_t usage = BU_Managed) {
        cVertexDeclaration* declaration = buffers->TakeVertexDeclaration();
        declaration->AddElement(DU_Position, DT_Float3, 0);
        declaration->AddElement(DU_Colour, DT_PackedColour, 0);
        iVertexBuffer* vertices = buffers->CreateVertexBuffer(declaration, 3, usage);
        const ColouredVertex corners[3] = {{20, 20, 0, colour}, {120, 20, 0, colour}, {20, 120, 0, colour}};
        vertices->Write(corners, 0, 3);
        return vertices;
    }

    void ClearTo(float r, float g, float b) { renderer->Clear(CLEAR_All, r, g, b, 1.0f, 1.0f, 0); }
};

TEST_F(GLRendererTest, AClearFillsTheViewportAndNothingOutsideIt) {
    ASSERT_TRUE(renderer->BeginFrame());
    ClearTo(0, 0, 0);
    ASSERT_TRUE(renderer->SetViewport(40, 30, 100, 80));
    renderer->Clear(CLEAR_Colour, 1.0f, 0.5f, 0.0f, 1.0f, 1.0f, 0);
    const Frame frame = Capture();
    EXPECT_TRUE(Is(frame.At(40, 30), 255, 128, 0));
    EXPECT_TRUE(Is(frame.At(139, 109), 255, 128, 0));
    EXPECT_TRUE(Is(frame.At(39, 30), 0, 0, 0));
    EXPECT_TRUE(Is(frame.At(140, 109), 0, 0, 0));
    EXPECT_TRUE(Is(frame.At(40, 110), 0, 0, 0));
    EXPECT_TRUE(Is(frame.At(40, 29), 0, 0, 0)) << "rows count from the top";
    renderer->EndFrame();
}

TEST_F(GLRendererTest, AClearIgnoresTheDepthWriteState) {
    ASSERT_TRUE(renderer->BeginFrame());
    ClearTo(0, 0, 0);
    renderer->SetRenderState(RS_ZWrite, 0);
    renderer->Clear(CLEAR_Depth, 0, 0, 0, 1, 0.0f, 0);  // depth 0: everything behind fails the test
    renderer->SetRenderState(RS_DepthTesting, 1);
    iVertexBuffer* vertices = Triangle(kGreen);
    vertices->Bind();
    renderer->DrawPrimitives(PT_TriangleList, 0, 1);
    EXPECT_TRUE(Is(Capture().At(30, 30), 0, 0, 0)) << "the depth clear must have happened with depth writes off";
    renderer->EndFrame();
}

TEST_F(GLRendererTest, ATriangleThroughVertexAndIndexBuffersLandsOnItsPixels) {
    ASSERT_TRUE(renderer->BeginFrame());
    ClearTo(0, 0, 0);
    iVertexBuffer* vertices = Triangle(kGreen);
    iIndexBuffer* indices = buffers->CreateIndexBuffer(3, IF_Index16, BU_Managed);
    const uint16_t order[3] = {0, 1, 2};
    indices->Write(order, 0, 3);
    vertices->Bind();
    indices->Bind();
    renderer->DrawIndexedPrimitives(PT_TriangleList, 0, 1);
    const Frame frame = Capture();
    EXPECT_TRUE(Is(frame.At(30, 30), 0, 255, 0));
    EXPECT_TRUE(Is(frame.At(110, 22), 0, 255, 0));
    EXPECT_TRUE(Is(frame.At(22, 110), 0, 255, 0));
    EXPECT_TRUE(Is(frame.At(100, 100), 0, 0, 0)) << "beyond the long edge";
    EXPECT_TRUE(Is(frame.At(10, 10), 0, 0, 0));
    EXPECT_TRUE(Is(frame.At(200, 200), 0, 0, 0));
    renderer->EndFrame();
}

TEST_F(GLRendererTest, PackedColoursKeepTheirChannelOrderAndThirtyTwoBitIndicesWork) {
    ASSERT_TRUE(renderer->BeginFrame());
    ClearTo(0, 0, 0);
    iVertexBuffer* vertices = Triangle(kBlue);
    iIndexBuffer* indices = buffers->CreateIndexBuffer(3, IF_Index32, BU_Dynamic);
    const uint32_t order[3] = {2, 1, 0};
    indices->Write(order, 0, 3);
    vertices->Bind();
    indices->Bind();
    renderer->DrawIndexedPrimitives(PT_TriangleList, 0, 1);
    EXPECT_TRUE(Is(Capture().At(30, 30), 0, 0, 255));
    renderer->EndFrame();
}

TEST_F(GLRendererTest, WithoutVertexColoursTheMaterialColourDraws) {
    ASSERT_TRUE(renderer->BeginFrame());
    ClearTo(0, 0, 0);
    cVertexDeclaration* declaration = buffers->TakeVertexDeclaration();
    declaration->AddElement(DU_Position, DT_Float3, 0);
    iVertexBuffer* vertices = buffers->CreateVertexBuffer(declaration, 4, BU_Static);
    const float quad[4][3] = {{200, 150, 0}, {300, 150, 0}, {200, 220, 0}, {300, 220, 0}};
    vertices->Write(quad, 0, 4);
    renderer->SetMaterial({0, 0, 0, 1}, {1, 0, 1, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}, 0);
    vertices->Bind();
    renderer->DrawPrimitives(PT_TriangleStrip, 0, 2);
    const Frame frame = Capture();
    EXPECT_TRUE(Is(frame.At(250, 200), 255, 0, 255));
    EXPECT_TRUE(Is(frame.At(250, 140), 0, 0, 0));
    renderer->EndFrame();
}

TEST_F(GLRendererTest, CullingOneHidesClockwiseTrianglesAndTwoShowsThem) {
    iVertexBuffer* vertices = Triangle(kGreen);
    const std::pair<int32_t, bool> cases[] = {{0, true}, {1, false}, {2, true}};
    for (const auto& [culling, visible] : cases) {
        ASSERT_TRUE(renderer->BeginFrame());
        ClearTo(0, 0, 0);
        renderer->SetRenderState(RS_Culling, culling);
        vertices->Bind();
        renderer->DrawPrimitives(PT_TriangleList, 0, 1);
        EXPECT_EQ(Is(Capture().At(30, 30), 0, 255, 0), visible) << "culling " << culling;
        renderer->EndFrame();
    }
}

TEST_F(GLRendererTest, BlendFactorsMixTheTriangleWithTheFrame) {
    ASSERT_TRUE(renderer->BeginFrame());
    ClearTo(1, 1, 1);
    iVertexBuffer* vertices = Triangle(0x80000000u);  // black, half transparent
    renderer->SetRenderState(RS_Blending, 1);
    renderer->SetRenderState(RS_SourceBlend, 5);  // source alpha
    renderer->SetRenderState(RS_DestBlend, 6);    // inverse source alpha
    vertices->Bind();
    renderer->DrawPrimitives(PT_TriangleList, 0, 1);
    const Pixel mixed = Capture().At(30, 30);
    EXPECT_NEAR(mixed.r, 127, 2);
    EXPECT_NEAR(mixed.g, 127, 2);
    renderer->EndFrame();
}

TEST_F(GLRendererTest, ADynamicBufferStillDrawsAfterItsDeviceObjectWasRemade) {
    iVertexBuffer* vertices = Triangle(kGreen, BU_Dynamic);
    vertices->Bind();
    vertices->OnDeviceLost();
    vertices->OnDeviceReset();
    ASSERT_TRUE(renderer->BeginFrame());
    ClearTo(0, 0, 0);
    vertices->Bind();
    renderer->DrawPrimitives(PT_TriangleList, 0, 1);
    EXPECT_TRUE(Is(Capture().At(30, 30), 0, 255, 0));
    renderer->EndFrame();
}

TEST_F(GLRendererTest, AfterAResolutionChangeTheNextFrameDrawsAtTheNewSize) {
    if (std::string(SDL_GetCurrentVideoDriver()) != "x11") {
        GTEST_SKIP() << "the offscreen driver cannot resize its surface; this needs a display (Xvfb)";
    }
    iVertexBuffer* vertices = Triangle(kGreen);
    cWindow::Instance().ApplyWindowMode(400, 300);
    ASSERT_TRUE(renderer->BeginFrame());
    EXPECT_EQ(renderer->GetPresentation().width, 400);
    ClearTo(1, 0, 0);
    renderer->SetOrthographic(0, 400, 300, 0, -1.0f, 1.0f);
    vertices->Bind();
    renderer->DrawPrimitives(PT_TriangleList, 0, 1);
    fonts->DrawTextAt("still here", 250, 250, ColorRGBA(0, 0, 1, 1), 0);
    const Frame frame = Capture();
    ASSERT_EQ(frame.width, 400);
    ASSERT_EQ(frame.height, 300);
    EXPECT_TRUE(Is(frame.At(399, 299), 255, 0, 0)) << "the clear covers the new size";
    EXPECT_TRUE(Is(frame.At(30, 30), 0, 255, 0));
    int blue = 0;
    for (int32_t y = 250; y < 270; ++y)
        for (int32_t x = 250; x < 330; ++x) blue += frame.At(x, y).b > 128 ? 1 : 0;
    EXPECT_GT(blue, 20) << "the remade font draws";
    renderer->EndFrame();
}

}  // namespace
