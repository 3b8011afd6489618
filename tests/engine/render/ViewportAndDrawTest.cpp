// Viewport truncation and refusal, and which draws are sound enough to reach
// the device.

#include <gtest/gtest.h>

#include <cmath>  // NAN, INFINITY

#include "engine/render/cNullHardwareBufferManager.h"
#include "engine/render/eDeclType.h"
#include "engine/render/eDeclUsage.h"
#include "engine/render/eIndexFormat.h"
#include "engine/render/ePrimitiveType.h"
#include "engine/render/iIndexBuffer.h"
#include "engine/render/iVertexBuffer.h"
#include "tests/engine/render/RenderFixture.h"

namespace {

using namespace Engine;

using ViewportTest = NullRendererFixture;

TEST_F(ViewportTest, InitialisationCoversTheWholeWindow) {
    EXPECT_EQ(renderer->GetViewport().width, kWidth);
    EXPECT_EQ(renderer->GetViewport().height, kHeight);
    EXPECT_TRUE(Logged("[cNullRenderer] Initialised successfully")) << EngineLog();
}

TEST_F(ViewportTest, ValuesAreTruncatedTowardZero) {
    ASSERT_TRUE(renderer->SetViewport(10.9f, 0.2f, 640.7f, 480.0f));
    const Viewport& v = renderer->GetViewport();
    EXPECT_EQ(v.x, 10);
    EXPECT_EQ(v.y, 0);
    EXPECT_EQ(v.width, 640);
    EXPECT_EQ(v.height, 480);
    EXPECT_FLOAT_EQ(v.min_depth, 0.0f);
    EXPECT_FLOAT_EQ(v.max_depth, 1.0f);
}

TEST_F(ViewportTest, ABadViewportIsLoggedAndLeavesTheOldOne) {
    ASSERT_TRUE(renderer->SetViewport(1, 2, 30, 40));
    const float bad[][4] = {{-1, 0, 10, 10}, {0, 0, -5, 10}, {0, NAN, 10, 10}, {0, 0, INFINITY, 10}, {0, 0, 1e9f, 10}};
    for (const auto& b : bad) EXPECT_FALSE(renderer->SetViewport(b[0], b[1], b[2], b[3]));
    EXPECT_EQ(renderer->GetViewport().x, 1);
    EXPECT_EQ(renderer->GetViewport().width, 30);
    EXPECT_TRUE(Logged("[cNullRenderer] fail viewport")) << EngineLog();
}

class DrawTest : public NullRendererFixture {
protected:
    void SetUp() override {
        NullRendererFixture::SetUp();
        buffers = std::make_unique<cNullHardwareBufferManager>(*renderer);
        cVertexDeclaration* declaration = buffers->TakeVertexDeclaration();
        declaration->AddElement(DU_Position, DT_Float3, 0);
        vertices = buffers->CreateVertexBuffer(declaration, 4, 1);
        indices = buffers->CreateIndexBuffer(6, IF_Index16, 1);
        ASSERT_NE(vertices, nullptr);
        ASSERT_NE(indices, nullptr);
    }

    std::unique_ptr<cNullHardwareBufferManager> buffers;
    iVertexBuffer* vertices = nullptr;
    iIndexBuffer* indices = nullptr;
};

TEST_F(DrawTest, DrawsWithoutABoundBufferAreSkipped) {
    renderer->DrawPrimitives(PT_TriangleList, 0, 1);
    vertices->Bind();
    renderer->DrawIndexedPrimitives(PT_TriangleList, 0, 1);
    EXPECT_EQ(renderer->DrawCallCount(), 0u);
    EXPECT_TRUE(Logged("no vertex buffer is bound")) << EngineLog();
    EXPECT_TRUE(Logged("no index buffer is bound")) << EngineLog();
}

TEST_F(DrawTest, DrawsThatRunPastTheBoundBufferAreSkipped) {
    vertices->Bind();
    indices->Bind();
    struct Case {
        bool indexed;
        int32_t type;
        uint32_t first, primitives;
        bool drawn;
    } const cases[] = {
        {false, PT_TriangleStrip, 0, 2, true},   // 4 vertices of 4
        {false, PT_TriangleStrip, 1, 2, false},  // 5 of 4
        {false, PT_LineStrip, 0, 3, true},
        {false, PT_PointList, 4, 1, false},
        {true, PT_TriangleList, 0, 2, true},     // 6 indices of 6
        {true, PT_TriangleList, 3, 1, true},
        {true, PT_TriangleList, 4, 1, false},
        {true, PT_LineList, 0, 4, false},        // 8 of 6
        {false, 6, 0, 1, false},                 // unknown primitive type
        {false, PT_TriangleList, 0, 0, false},   // nothing to draw
    };
    for (const Case& c : cases) {
        const uint64_t before = renderer->DrawCallCount();
        if (c.indexed) {
            renderer->DrawIndexedPrimitives(c.type, c.first, c.primitives);
        } else {
            renderer->DrawPrimitives(c.type, c.first, c.primitives);
        }
        EXPECT_EQ(renderer->DrawCallCount() - before, c.drawn ? 1u : 0u)
            << "type " << c.type << " first " << c.first << " primitives " << c.primitives;
    }
    EXPECT_TRUE(Logged("unknown primitive type 6")) << EngineLog();
}

}  // namespace
