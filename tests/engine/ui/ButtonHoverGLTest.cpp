// A GUI button through OpenGL and the GUI shader, drawn as the 2D pass draws
// its sprites: with the pointer moved over it through the mouse state the
// mouse-over cell shows, a press shows the clicked cell, and moving away
// brings the idle cell back.

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "engine/platform/cKeyboardState.h"
#include "engine/platform/cMouseState.h"
#include "engine/render/eRenderStateId.h"
#include "engine/resource/cAnimationRegistry.h"
#include "engine/resource/cTextureSet.h"
#include "engine/resource/eTextureFormat.h"
#include "engine/resource/eTextureType.h"
#include "engine/resource/iGPUProgram.h"
#include "engine/ui/cGUIManager.h"
#include "tests/engine/render/gl/GLFixture.h"
#include "tests/engine/render/scene/GLSceneResources.h"

namespace {

using namespace Engine;

constexpr int32_t kCell = 32;

// The button's idle, mouse-over, clicked and disabled cells are SceneTests::kCellColours 0 to 3.
class ButtonHoverGLTest : public GLFixture {
protected:
    void SetUp() override {
        GLFixture::SetUp();
        if (IsSkipped()) return;
        MakeSheet(SceneTests::InstallGLResources(*renderer, *buffers));
        program = SceneTests::MakeGuiProgram();
        ASSERT_NE(program, nullptr);
        cGUIManager& gui = cGUIManager::Instance();
        gui.SetSpriteLayers(nullptr);
        gui.OnViewportResize(ScreenRect{0.0f, 0.0f, static_cast<float>(kWidth), static_cast<float>(kHeight)});
        // 80 x 60 pixels in the middle of the 320 x 240 window.
        button = gui.CreateButton({0.5f, 0.5f}, "buttonTS", "Go", "", 0.25f, 0.25f, kCell, kCell, 5);
    }

    void TearDown() override {
        cGUIManager::Destroy();
        cMouseState::Destroy();
        cKeyboardState::Destroy();
        if (sheet) cResourceSystem::Instance().TextureManager()->ReleaseTextureSet(sheet);
        cResourceSystem::Destroy();
        cAnimationRegistry::Destroy();
        GLFixture::TearDown();
    }

    // A row of four cells, frame n at x = 32 n.
    void MakeSheet(cGLTextureManager& textures) {
        const std::vector<uint8_t> pixels = SceneTests::CellSheet(4, 1, kCell);
        sheet = textures.GetTextureSet("buttonTS");
        sheet->AddTexture(textures.CreateTexture("buttonTS.tga", TT_2D, 4 * kCell, kCell, TF_ARGB8, pixels.data()));
    }

    // The colour at the button's middle after one frame of the 2D pass on grey.
    Pixel Middle() {
        EXPECT_TRUE(renderer->BeginFrame());
        renderer->Clear(1, 0.5f, 0.5f, 0.5f, 1.0f, 1.0f, 0);
        renderer->SetRenderState(RS_DepthTesting, 0);
        renderer->SetRenderState(RS_Culling, 0);
        renderer->SetOrthographic(0, kWidth, 0, kHeight, 0.0f, 1.0f);
        renderer->SetMatrix(MM_World, Matrix4x4::Identity(), 0);
        program->Bind();
        button->Sprite().TextureSet()->Bind();
        button->Sprite().DrawPlain(*renderer);
        const Frame frame = Capture();
        renderer->EndFrame();
        return frame.At(kWidth / 2, kHeight / 2);
    }

    iGPUProgram* program = nullptr;
    cTextureSet* sheet = nullptr;
    cUIButton* button = nullptr;
};

TEST_F(ButtonHoverGLTest, TheCellUnderThePointerFollowsHoverAndPress) {
    struct Step {
        const char* what;
        int x, y;
        bool press;
        int look;
    };
    const std::vector<Step> steps{{"before any move", -1, -1, false, 0},
                                  {"pointer over it", 160, 120, false, 1},
                                  {"pressed", 160, 120, true, 2},
                                  {"pointer away", 20, 20, false, 0}};
    for (const Step& step : steps) {
        if (step.x >= 0) cMouseState::Instance().Move(step.x, step.y);
        if (step.press) cMouseState::Instance().ButtonDown(0);
        const Pixel p = Middle();
        EXPECT_TRUE(SceneTests::IsColour(p, SceneTests::kCellColours[step.look])) << step.what << ": " << int(p.r) << " " << int(p.g) << " " << int(p.b);
        if (step.press) cMouseState::Instance().ButtonUp(0);
    }
}

}  // namespace
