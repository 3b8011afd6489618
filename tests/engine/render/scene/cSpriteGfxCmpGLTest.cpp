// Sprites through OpenGL and the GUI shader, drawn as the 2D pass draws them
// (program and texture set bound by the pass, then DrawPlain): the frame's
// cell is the part of the sheet that shows, and the sprite sits where its
// transform puts it.

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

#include "engine/render/eRenderStateId.h"
#include "engine/render/gl/cGLShaderManager.h"
#include "engine/render/gl/cGLTextureManager.h"
#include "engine/render/scene/cSpriteGfxCmp.h"
#include "engine/resource/cAnimationRegistry.h"
#include "engine/resource/cMaterialManager.h"
#include "engine/resource/cMeshManager.h"
#include "engine/resource/cResourceSystem.h"
#include "engine/resource/cTextureSet.h"
#include "engine/resource/eTextureFormat.h"
#include "engine/resource/eTextureType.h"
#include "engine/resource/iGPUProgram.h"
#include "engine/resource/iShader.h"
#include "tests/engine/render/gl/GLFixture.h"
#include "tests/engine/render/scene/GLSceneResources.h"

namespace {

using namespace Engine;

constexpr int32_t kSheet = 64;
constexpr int32_t kCell = 32;

// The sheet's four cells in frame order are SceneTests::kCellColours 0 to 3.
class SpriteGLTest : public GLFixture {
protected:
    void SetUp() override {
        GLFixture::SetUp();
        if (IsSkipped()) return;
        MakeSheet(SceneTests::InstallGLResources(*renderer, *buffers));
        gui = SceneTests::MakeGuiProgram();
        ASSERT_NE(gui, nullptr);
        sprite.Initialise("quad", 100.0f, 100.0f, "cells", "", 0);
        ASSERT_TRUE(sprite.SetCellSize(kCell, kCell));
        sprite.transform = &placed;
    }

    void TearDown() override {
        sprite.Release();
        if (sheet_set) cResourceSystem::Instance().TextureManager()->ReleaseTextureSet(sheet_set);
        cResourceSystem::Destroy();
        cAnimationRegistry::Destroy();
        GLFixture::TearDown();
    }

    // A 64 x 64 sheet of four 32 x 32 cells, rows stored bottom first.
    void MakeSheet(cGLTextureManager& textures) {
        const std::vector<uint8_t> pixels = SceneTests::CellSheet(2, 2, kCell);
        sheet_set = textures.GetTextureSet("cells");
        sheet_set->AddTexture(textures.CreateTexture("cells.tga", TT_2D, kSheet, kSheet, TF_ARGB8, pixels.data()));
    }

    // One frame of the 2D pass drawing the sprite on grey.
    Frame DrawFrame() {
        EXPECT_TRUE(renderer->BeginFrame());
        renderer->Clear(1, 0.5f, 0.5f, 0.5f, 1.0f, 1.0f, 0);
        renderer->SetRenderState(RS_DepthTesting, 0);
        renderer->SetRenderState(RS_Culling, 0);
        renderer->SetOrthographic(0, kWidth, 0, kHeight, 0.0f, 1.0f);
        renderer->SetMatrix(MM_World, Matrix4x4::Identity(), 0);
        gui->Bind();
        sprite.TextureSet()->Bind();
        sprite.DrawPlain(*renderer);
        Frame frame = Capture();
        renderer->EndFrame();
        return frame;
    }

    iGPUProgram* gui = nullptr;
    cTextureSet* sheet_set = nullptr;
    Matrix4x4 placed = Matrix4x4::Translation({160.0f, 120.0f, 0.0f});
    cSpriteGfxCmp sprite;
};

TEST_F(SpriteGLTest, EachFrameShowsItsCell) {
    sprite.StartAnimation("cycle", 0, 3, 1.0f);
    for (uint32_t frame = 0; frame < 4; ++frame) {
        sprite.Animation()->Play("cycle");
        for (uint32_t step = 0; step < frame; ++step) {
            sprite.Animation()->SetPaused(false);
            sprite.Animation()->Update(1.5f);
        }
        ASSERT_EQ(sprite.Animation()->Frame(), frame);
        const Frame picture = DrawFrame();
        // The middle of the sprite and points near its corners all show the one cell.
        for (const auto& [x, y] : {std::pair{160, 120}, {118, 78}, {202, 162}, {118, 162}, {202, 78}}) {
            const Pixel p = picture.At(x, y);
            EXPECT_TRUE(SceneTests::IsColour(p, SceneTests::kCellColours[frame]))
                << "frame " << frame << " at " << x << "," << y << ": " << int(p.r) << " " << int(p.g) << " "
                << int(p.b);
        }
    }
}

TEST_F(SpriteGLTest, TheSpriteCoversItsSizeAroundItsPosition) {
    const Frame picture = DrawFrame();
    EXPECT_TRUE(SceneTests::IsColour(picture.At(160, 120), SceneTests::kCellColours[0]));
    const std::array<uint8_t, 3> grey{128, 128, 128};
    EXPECT_TRUE(SceneTests::IsColour(picture.At(105, 120), grey)) << "left of the 100-pixel sprite";
    EXPECT_TRUE(SceneTests::IsColour(picture.At(215, 120), grey)) << "right of it";
    EXPECT_TRUE(SceneTests::IsColour(picture.At(160, 65), grey)) << "above it";
    EXPECT_TRUE(SceneTests::IsColour(picture.At(160, 175), grey)) << "below it";
}

}  // namespace
