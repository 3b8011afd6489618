// A light's shadow target on OpenGL: the depth pass drawn between
// BeginShadowTarget and EndShadowTarget, from the light's own view and
// projection with the shipped depth shader, lands in the light's shadow map
// as one minus the window depth of the nearest caster, and the back
// buffer's viewport comes back afterwards.

#include <cmath>
#include <memory>
#include <vector>

#include "engine/render/eBufferUsage.h"
#include "engine/render/eClearFlag.h"
#include "engine/render/eDeclType.h"
#include "engine/render/eDeclUsage.h"
#include "engine/render/eMatrixMode.h"
#include "engine/render/ePrimitiveType.h"
#include "engine/render/eRenderStateId.h"
#include "engine/render/gl/cGLShaderManager.h"
#include "engine/render/gl/cGLTexture.h"
#include "engine/render/gl/cGLTextureManager.h"
#include "engine/render/scene/LightShadowMatrices.h"
#include "engine/render/scene/cLightGfxCmp.h"
#include "engine/render/scene/cLightManager.h"
#include "engine/render/scene/cShadowCasterList.h"
#include "engine/resource/cResourceSystem.h"
#include "engine/resource/iGPUProgram.h"
#include "tests/engine/render/gl/GLFixture.h"

namespace {

using namespace Engine;

// A vertex with both keyframe positions, as the depth shader reads them.
struct CasterVertex {
    float position_a[3];
    float position_b[3];
};

// What the depth pass stores for a caster at a distance in front of the
// light: one minus the window depth of the light's projection (near 0.3, far 100).
float StoredDepth(float distance) {
    const float ndc = (1.006018f * distance - 0.60180545f) / distance;
    return 1.0f - (ndc + 1.0f) / 2.0f;
}

class LightShadowTargetTest : public GLFixture {
protected:
    void SetUp() override {
        GLFixture::SetUp();
        if (IsSkipped()) return;
        cResourceSystem::Instance().InstallTextureManager(std::make_unique<cGLTextureManager>(*renderer));
        shaders = std::make_unique<cGLShaderManager>(*renderer);
        const std::string directory = std::string(BRAMBLEBY_SOURCE_DIR) + "/GameData/Shaders/";
        depth_program = shaders->CreateShaderProgram("shadow_preprocess.shader", directory, "ShadowPreprocessVS",
                                                     "shadow_preprocess.shader", directory, "ShadowPreprocessPS");
        ASSERT_TRUE(depth_program->VertexStage()->IsCompiled() && depth_program->PixelStage()->IsCompiled())
            << EngineLog();
        depth_program->VertexStage()->EnableWVPMatrix(true);
        renderer->SetRenderState(RS_Culling, 0);
        lamp.Initialise("lamp");
        lamp.light.type = LT_Spot;
        lamp.light.outerCone = 0.5f;
        lamp.Place({0, 10, 0}, {0, -1, 0});
        lamp.SetCastsShadow(true, "lampshadow");
    }

    void TearDown() override {
        lamp.Release();
        if (depth_program != nullptr) shaders->ReleaseProgram(depth_program);
        shaders.reset();
        cResourceSystem::Destroy();
        cShadowCasterList::Destroy();
        cLightManager::Destroy();
        GLFixture::TearDown();
    }

    // A horizontal square at height y with half-size half, both keyframes alike.
    void DrawSquare(float y, float half) {
        cVertexDeclaration* declaration = buffers->TakeVertexDeclaration();
        declaration->AddElement(DU_Position, DT_Float3, 0);
        declaration->AddElement(DU_Position, DT_Float3, 1);
        iVertexBuffer* vertices = buffers->CreateVertexBuffer(declaration, 4, BU_Managed);
        const CasterVertex corners[4] = {{{-half, y, -half}, {-half, y, -half}},
                                         {{half, y, -half}, {half, y, -half}},
                                         {{-half, y, half}, {-half, y, half}},
                                         {{half, y, half}, {half, y, half}}};
        vertices->Write(corners, 0, 4);
        vertices->Bind();
        depth_program->UploadMatrices();
        renderer->DrawPrimitives(PT_TriangleStrip, 0, 2);
    }

    // The depth pass as the shadow pass draws it: depth testing on (as the
    // scene renderer sets it for the frame), the light's view and
    // projection, the depth shader, a clear to "nothing in the way".
    void DrawDepthPass() {
        renderer->SetRenderState(RS_DepthTesting, 1);
        renderer->SetMatrix(MM_View, lamp.ViewMatrix(), 0);
        renderer->SetMatrix(MM_Projection, LightProjectionMatrix(lamp.Name(), lamp.OuterCone()), 0);
        renderer->SetMatrix(MM_World, Matrix4x4::Identity(), 0);
        renderer->Clear(CLEAR_Colour | CLEAR_Depth, 0, 0, 0, 1, 1, 0);
        depth_program->Bind();
        DrawSquare(4.0f, 1.0f);  // near caster first, 6 units below the lamp
        DrawSquare(0.0f, 3.0f);  // a wider one behind it, 10 units below
        depth_program->Unbind();
    }

    // The shadow map's texels (one float each), row 0 first.
    std::vector<float> ReadShadowMap() {
        std::vector<float> texels(static_cast<std::size_t>(cLightGfxCmp::kShadowMapSize) *
                                  cLightGfxCmp::kShadowMapSize);
        glBindTexture(GL_TEXTURE_2D, static_cast<cGLTexture*>(lamp.shadowMap)->GLName());
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RED, GL_FLOAT, texels.data());
        glBindTexture(GL_TEXTURE_2D, 0);
        renderer->UnbindTextures(0);
        return texels;
    }

    static float At(const std::vector<float>& texels, int32_t x, int32_t y) {
        return texels[static_cast<std::size_t>(y) * cLightGfxCmp::kShadowMapSize + x];
    }

    std::unique_ptr<cGLShaderManager> shaders;
    iGPUProgram* depth_program = nullptr;
    cLightGfxCmp lamp;
};

TEST_F(LightShadowTargetTest, TheDepthPassStoresTheNearestCasterInTheMapAndTheViewportComesBack) {
    ASSERT_NE(lamp.shadowMap, nullptr) << EngineLog();
    ASSERT_TRUE(renderer->BeginFrame());
    renderer->SetViewport(10, 20, 200, 100);
    ASSERT_TRUE(lamp.BeginShadowTarget());
    EXPECT_EQ(renderer->GetViewport().width, 1024);
    EXPECT_EQ(renderer->GetViewport().height, 1024);
    DrawDepthPass();
    lamp.EndShadowTarget();
    EXPECT_EQ(renderer->GetViewport().x, 10);
    EXPECT_EQ(renderer->GetViewport().y, 20);
    EXPECT_EQ(renderer->GetViewport().width, 200);
    EXPECT_EQ(renderer->GetViewport().height, 100);

    const std::vector<float> texels = ReadShadowMap();
    // The near square covers +-1 / (6 tan 0.5) = +-0.31 of the map around its
    // centre, the far one +-3 / (10 tan 0.5) = +-0.55.
    const int32_t centre = cLightGfxCmp::kShadowMapSize / 2;
    EXPECT_NEAR(At(texels, centre, centre), StoredDepth(6.0f), 1e-3f) << "the near caster hides the far one";
    EXPECT_NEAR(At(texels, centre + 220, centre), StoredDepth(10.0f), 1e-3f) << "only the far caster there";
    EXPECT_NEAR(At(texels, centre, centre - 220), StoredDepth(10.0f), 1e-3f);
    EXPECT_EQ(At(texels, 20, 20), 0.0f) << "no caster: the clear, nothing in the way";
    EXPECT_GT(StoredDepth(6.0f), StoredDepth(10.0f) + 0.01f) << "the two depths can be told apart";
    renderer->EndFrame();
}

TEST_F(LightShadowTargetTest, TheBackBufferIsUntouchedByTheDepthPass) {
    ASSERT_TRUE(renderer->BeginFrame());
    renderer->Clear(CLEAR_All, 0, 0, 1, 1, 1, 0);
    ASSERT_TRUE(lamp.BeginShadowTarget());
    DrawDepthPass();
    lamp.EndShadowTarget();
    const Frame frame = Capture();
    EXPECT_EQ(frame.At(kWidth / 2, kHeight / 2).b, 255);
    EXPECT_EQ(frame.At(kWidth / 2, kHeight / 2).r, 0);
    renderer->EndFrame();
}

}  // namespace
