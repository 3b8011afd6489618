// The main pass through OpenGL: a model the camera sees lands on the screen
// where it should, a model out of view leaves the picture untouched.

#include <gtest/gtest.h>

#include <memory>

#include "engine/render/eRenderStateId.h"
#include "engine/render/gl/cGLTextureManager.h"
#include "engine/render/scene/RenderTree.h"
#include "engine/render/scene/cModelGfxCmp.h"
#include "engine/render/scene/cNormalRenderVisitor.h"
#include "engine/resource/cAnimationRegistry.h"
#include "engine/resource/cMaterialManager.h"
#include "engine/resource/cMeshManager.h"
#include "engine/resource/cResourceSystem.h"
#include "tests/engine/render/gl/GLFixture.h"

namespace {

using namespace Engine;

bool IsBackground(const Pixel& p) { return p.r > 250 && p.g < 5 && p.b > 250; }

class NormalRenderVisitorGLTest : public GLFixture {
protected:
    void SetUp() override {
        GLFixture::SetUp();
        if (IsSkipped()) return;
        cResourceSystem& resources = cResourceSystem::Instance();
        resources.InstallTextureManager(std::make_unique<cGLTextureManager>(*renderer));
        auto meshes = std::make_unique<cMeshManager>(*buffers);
        meshes->CreateSpriteQuad("quad", 2.0f, 2.0f);
        resources.InstallMeshManager(std::move(meshes));
        auto materials = std::make_unique<cMaterialManager>();
        // No program: the built-in one draws it, both faces.
        materials->GetMaterial("Plain")->SetRenderState(RS_Culling, 0);
        resources.InstallMaterialManager(std::move(materials));
        model.SetTree(&tree);
        model.Initialise("quad", "", "Plain", false);
        model.transform = &world;
    }

    void TearDown() override {
        model.Release();
        cResourceSystem::Destroy();
        cAnimationRegistry::Destroy();
        GLFixture::TearDown();
    }

    // One frame of the main pass with the model at x; returns the frame and the models drawn.
    std::pair<Frame, uint32_t> DrawAt(float x) {
        world = Matrix4x4::Translation({x, 0, 0});
        EXPECT_TRUE(renderer->BeginFrame());
        renderer->Clear(3, 1.0f, 0.0f, 1.0f, 1.0f, 1.0f, 0);
        renderer->SetPerspective(0.7853982f, 0.1f, 100.0f, static_cast<float>(kWidth) / kHeight);
        renderer->LookAt({0, 0, 5}, {0, 0, 0}, {0, 1, 0});
        cNormalRenderVisitor visitor(*renderer);
        visitor.Begin();
        tree.Traverse(visitor);
        Frame frame = Capture();
        renderer->EndFrame();
        return {frame, visitor.Rendered()};
    }

    RenderTree tree;
    Matrix4x4 world = Matrix4x4::Identity();
    cModelGfxCmp model;
};

TEST_F(NormalRenderVisitorGLTest, AModelInViewIsDrawnWhereTheCameraSeesIt) {
    const auto [frame, rendered] = DrawAt(0.0f);
    EXPECT_EQ(rendered, 1u);
    EXPECT_FALSE(IsBackground(frame.At(kWidth / 2, kHeight / 2))) << "the quad covers the middle";
    EXPECT_TRUE(IsBackground(frame.At(5, 5))) << "a 2 x 2 quad 5 units away leaves the corners";
    EXPECT_TRUE(IsBackground(frame.At(kWidth - 5, kHeight - 5)));

    // Moved to the right, it covers the right of the screen and not the middle.
    const auto [moved, moved_rendered] = DrawAt(2.0f);
    EXPECT_EQ(moved_rendered, 1u);
    EXPECT_TRUE(IsBackground(moved.At(kWidth / 2, kHeight / 2)));
    EXPECT_FALSE(IsBackground(moved.At(kWidth * 3 / 4, kHeight / 2)));
}

TEST_F(NormalRenderVisitorGLTest, AModelOutOfViewIsNeitherDrawnNorCounted) {
    const auto [frame, rendered] = DrawAt(100.0f);
    EXPECT_EQ(rendered, 0u);
    for (int32_t y = 0; y < kHeight; y += 8) {
        for (int32_t x = 0; x < kWidth; x += 8) ASSERT_TRUE(IsBackground(frame.At(x, y))) << x << "," << y;
    }
}

}  // namespace
