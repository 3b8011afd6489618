// An MD2 model drawn through the real chain: the mesh manager loads the
// file into keyframe-pair buffers, an animation set picks the pair and the
// interpolant, and the standard shader blends the two keyframes on the GPU.

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/AABB.h"
#include "engine/core/Vector4.h"
#include "engine/render/eRenderStateId.h"
#include "engine/render/gl/cGLShaderManager.h"
#include "engine/resource/cAnimationRegistry.h"
#include "engine/resource/cMesh.h"
#include "engine/resource/cMeshManager.h"
#include "engine/resource/cModelAnimationSet.h"
#include "engine/resource/iGPUProgram.h"
#include "engine/resource/iShader.h"
#include "tests/engine/render/gl/GLFixture.h"
#include "tests/support/Md2FileWriter.h"

namespace {

using namespace Engine;

// One right triangle, 0.4 on a side in the x, y plane once the axis change
// has turned the file's z into y; the first frame has its right angle at
// (-0.8, -0.2), the second a whole unit to the right at (0.2, -0.2).
std::vector<uint8_t> SlidingTriangle() {
    TestSupport::Md2Description description;
    description.vertexCount = 3;
    description.triangleCount = 1;
    description.frameNames = {"slide1", "slide2"};
    description.frameScale = 0.01f;
    std::vector<uint8_t> bytes = TestSupport::MakeMd2(description);
    const std::size_t frames_at = static_cast<std::size_t>(TestSupport::GetMd2Field(bytes, TestSupport::kMd2FrameOffset));
    const std::size_t frame_size = 40 + 4 * description.vertexCount;
    const uint8_t corners[3][3] = {{0, 0, 0}, {40, 0, 0}, {0, 0, 40}};
    for (std::size_t frame = 0; frame < 2; ++frame) {
        const std::size_t at = frames_at + frame * frame_size;
        const float translate[3] = {frame == 0 ? -0.8f : 0.2f, 0.0f, -0.2f};
        std::memcpy(&bytes[at + 12], translate, sizeof translate);
        for (std::size_t v = 0; v < 3; ++v) std::memcpy(&bytes[at + 40 + 4 * v], corners[v], 3);
    }
    return bytes;
}

class Md2DrawTest : public GLFixture {
protected:
    void SetUp() override {
        GLFixture::SetUp();
        if (IsSkipped()) return;
        const std::vector<uint8_t> file = SlidingTriangle();
        std::ofstream(dir.File("slide.md2"), std::ios::binary)
            .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
        meshes = std::make_unique<cMeshManager>(*buffers);
        shaders = std::make_unique<cGLShaderManager>(*renderer);
        const std::string directory = std::string(BRAMBLEBY_SOURCE_DIR) + "/GameData/Shaders/";
        program = shaders->CreateShaderProgram("standard.shader", directory, "StandardVS", "standard.shader",
                                               directory, "StandardPS");
        ASSERT_TRUE(program->VertexStage()->IsCompiled() && program->PixelStage()->IsCompiled()) << EngineLog();
        renderer->SetRenderState(RS_Culling, 0);
    }

    void TearDown() override {
        cAnimationRegistry::Destroy();
        if (shaders) shaders->ReleaseProgram(program);
        meshes.reset();
        shaders.reset();
        GLFixture::TearDown();
    }

    // Draws the mesh as the scene renderer will: pair and interpolant from the set, then the draw.
    Frame DrawAt(cModelAnimationSet& set, cMesh& mesh) {
        EXPECT_TRUE(renderer->BeginFrame());
        renderer->Clear(3, 0, 0, 0, 1, 1, 0);
        program->Bind();
        const float white[4] = {1, 1, 1, 1};
        program->PixelStage()->SetFloat4("gEmissiveMaterial", white);
        set.SelectPair();
        shaders->GetCurrentVertexStage()->SetFloat("gAnimationInterpolant", set.Interpolant());
        mesh.Draw(*renderer);
        Frame frame = Capture();
        renderer->EndFrame();
        return frame;
    }

    // The pixel showing the point (x, y) of normalised device space.
    static Pixel At(const Frame& frame, float x, float y) {
        return frame.At(static_cast<int32_t>((x + 1) / 2 * kWidth), static_cast<int32_t>((1 - y) / 2 * kHeight));
    }

    static bool Lit(const Pixel& p) { return p.r > 200 && p.g > 200 && p.b > 200; }

    std::unique_ptr<cMeshManager> meshes;
    std::unique_ptr<cGLShaderManager> shaders;
    iGPUProgram* program = nullptr;
};

TEST_F(Md2DrawTest, AModelHalfWayBetweenTwoKeyframesIsDrawnHalfWay) {
    cMesh* mesh = meshes->LoadMesh("slide", "slide.md2", dir.Path().string() + "/", Vector4(), AABB(), true, true);
    ASSERT_NE(mesh, nullptr) << EngineLog();
    cModelAnimationSet* set = cAnimationRegistry::Instance().TakeModelSet();
    set->AttachModel(this, mesh);
    set->AddAnimation("slide", 0, 1);  // a file of one animation brings no table: the owner names it
    ASSERT_EQ(set->Current(), "slide");

    const Frame first = DrawAt(*set, *mesh);
    EXPECT_TRUE(Lit(At(first, -0.75f, -0.15f))) << "the first keyframe";
    EXPECT_FALSE(Lit(At(first, 0.25f, -0.15f)));

    set->Update(0.5f * set->FrameTime());
    ASSERT_FLOAT_EQ(set->Interpolant(), 0.0f) << "chosen only when drawn";
    const Frame halfway = DrawAt(*set, *mesh);
    EXPECT_FLOAT_EQ(set->Interpolant(), 0.5f);
    EXPECT_TRUE(Lit(At(halfway, -0.25f, -0.15f))) << "half a unit along";
    EXPECT_FALSE(Lit(At(halfway, -0.75f, -0.15f)));
    EXPECT_FALSE(Lit(At(halfway, 0.25f, -0.15f)));
    EXPECT_TRUE(Lit(At(halfway, 0.05f, -0.15f))) << "the far corner of the blended triangle";
    EXPECT_FALSE(Lit(At(halfway, 0.15f, -0.15f)));
    cAnimationRegistry::Instance().GiveBackModelSet(set);
}

TEST_F(Md2DrawTest, AMeshStaysDrawableAcrossADisplayModeChange) {
    if (std::string(SDL_GetCurrentVideoDriver()) != "x11") {
        GTEST_SKIP() << "the offscreen driver cannot resize its surface; this needs a display (Xvfb)";
    }
    cMesh* mesh = meshes->LoadMesh("slide", "slide.md2", dir.Path().string() + "/", Vector4(), AABB(), true, true);
    ASSERT_NE(mesh, nullptr) << EngineLog();
    cModelAnimationSet* set = cAnimationRegistry::Instance().TakeModelSet();
    set->AttachModel(this, mesh);
    set->AddAnimation("slide", 0, 1);
    cWindow::Instance().ApplyWindowMode(400, 300);
    const Frame frame = DrawAt(*set, *mesh);
    ASSERT_EQ(renderer->GetPresentation().width, 400);
    ASSERT_EQ(frame.width, 400);
    const auto at = [&](float x, float y) {
        return frame.At(static_cast<int32_t>((x + 1) / 2 * 400), static_cast<int32_t>((1 - y) / 2 * 300));
    };
    EXPECT_TRUE(Lit(at(-0.75f, -0.15f))) << "drawn from the same buffers after the reset";
    EXPECT_FALSE(Lit(at(0.25f, -0.15f)));
    cAnimationRegistry::Instance().GiveBackModelSet(set);
}

}  // namespace
