// The scene renderer's frame through OpenGL: sprite layers draw in order
// with alpha blending over what is under them, and a letterboxed picture
// leaves its two bars black.

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "engine/render/gl/cGLShaderManager.h"
#include "engine/render/gl/cGLTextureManager.h"
#include "engine/render/eRenderStateId.h"
#include "engine/render/scene/LightRecord.h"
#include "engine/render/scene/cCameraGfxCmp.h"
#include "engine/render/scene/cLightGfxCmp.h"
#include "engine/render/scene/cModelGfxCmp.h"
#include "engine/render/scene/cShadowCasterList.h"
#include "engine/render/scene/cSceneRenderer.h"
#include "engine/render/scene/cSpriteGfxCmp.h"
#include "engine/resource/cAnimationRegistry.h"
#include "engine/resource/cMaterialManager.h"
#include "engine/resource/cMeshManager.h"
#include "engine/resource/cResourceSystem.h"
#include "engine/resource/cTextureSet.h"
#include "engine/resource/eTextureFormat.h"
#include "engine/resource/eTextureType.h"
#include "engine/resource/ShadowMaterials.h"
#include "engine/resource/cMaterial.h"
#include "engine/resource/iGPUProgram.h"
#include "engine/resource/iShader.h"
#include "engine/resource/iShaderManager.h"
#include "tests/engine/render/gl/GLFixture.h"
#include "tests/engine/render/scene/GLSceneResources.h"

namespace {

using namespace Engine;

using Colour = std::array<uint8_t, 4>;
// Colours that read the same with red and blue swapped.
constexpr Colour kGreen{0, 255, 0, 255};
constexpr Colour kWhite{255, 255, 255, 255};
constexpr Colour kHalfMagenta{255, 0, 255, 128};

class SceneRendererGLTest : public GLFixture {
protected:
    void SetUp() override {
        GLFixture::SetUp();
        if (IsSkipped()) return;
        textures = &SceneTests::InstallGLResources(*renderer, *buffers);
        gui = SceneTests::MakeGuiProgram();
        ASSERT_NE(gui, nullptr);
        scene = std::make_unique<cSceneRenderer>(*renderer);
        scene->SetGuiProgram(gui);
        scene->ComputeViewports({false, 0, 0, kWidth, kHeight, false});
        MakeSheet("green", kGreen);
        MakeSheet("white", kWhite);
        MakeSheet("halfmagenta", kHalfMagenta);
    }

    void TearDown() override {
        for (auto& sprite : sprites) sprite->Release();
        sprites.clear();
        scene.reset();
        for (auto& set : sets) textures->ReleaseTextureSet(set);
        cResourceSystem::Destroy();
        cAnimationRegistry::Destroy();
        GLFixture::TearDown();
    }

    void MakeSheet(const std::string& name, const Colour& colour) {
        std::vector<uint8_t> pixels;
        for (int i = 0; i < 4 * 4; ++i) pixels.insert(pixels.end(), colour.begin(), colour.end());
        cTextureSet* set = textures->GetTextureSet(name);
        set->AddTexture(textures->CreateTexture(name + ".tga", TT_2D, 4, 4, TF_ARGB8, pixels.data()));
        sets.push_back(set);
    }

    // A sprite of the sheet centred on the middle of the window.
    void AddSprite(const std::string& sheet, uint8_t layer, float size) {
        sprites.push_back(std::make_unique<cSpriteGfxCmp>());
        cSpriteGfxCmp& sprite = *sprites.back();
        sprite.SetLayers(scene.get());
        sprite.Initialise("quad_" + sheet, size, size, sheet, "", layer);
        sprite.transform = &centre;
    }

    Frame DrawFrame() {
        EXPECT_TRUE(renderer->BeginFrame());
        scene->RenderFrame();
        Frame frame = Capture();
        renderer->EndFrame();
        return frame;
    }

    static bool Near(uint8_t a, int b) { return std::abs(int(a) - b) <= 4; }

    cGLTextureManager* textures = nullptr;
    iGPUProgram* gui = nullptr;
    std::unique_ptr<cSceneRenderer> scene;
    std::vector<cTextureSet*> sets;
    std::vector<std::unique_ptr<cSpriteGfxCmp>> sprites;
    Matrix4x4 centre = Matrix4x4::Translation({kWidth / 2.0f, kHeight / 2.0f, 0.0f});
};

struct LayerCase {
    const char* name;
    uint8_t green_layer;
    uint8_t white_layer;
    bool green_on_top;
};

class SceneLayerGLTest : public SceneRendererGLTest, public ::testing::WithParamInterface<LayerCase> {};

TEST_P(SceneLayerGLTest, TheHigherLayerCoversTheLower) {
    if (IsSkipped()) return;
    const LayerCase& c = GetParam();
    AddSprite("green", c.green_layer, 100.0f);
    AddSprite("white", c.white_layer, 100.0f);
    const Pixel p = DrawFrame().At(kWidth / 2, kHeight / 2);
    EXPECT_TRUE(Near(p.r, c.green_on_top ? 0 : 255)) << int(p.r) << " " << int(p.g) << " " << int(p.b);
    EXPECT_TRUE(Near(p.g, 255));
}

INSTANTIATE_TEST_SUITE_P(Orders, SceneLayerGLTest,
                         ::testing::Values(LayerCase{"GreenAbove", 4, 1, true}, LayerCase{"WhiteAbove", 0, 10, false},
                                           LayerCase{"NeighbourLayers", 7, 8, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SceneRendererGLTest, AHalfTransparentSpriteBlendsWithTheLayerBelow) {
    if (IsSkipped()) return;
    AddSprite("halfmagenta", 6, 60.0f);
    AddSprite("green", 2, 100.0f);
    const Frame frame = DrawFrame();
    const Pixel blended = frame.At(kWidth / 2, kHeight / 2);
    // Half magenta over green: about 128 of each.
    EXPECT_TRUE(Near(blended.r, 128) && Near(blended.g, 127) && Near(blended.b, 128))
        << int(blended.r) << " " << int(blended.g) << " " << int(blended.b);
    const Pixel green_only = frame.At(kWidth / 2 + 40, kHeight / 2);
    EXPECT_TRUE(Near(green_only.r, 0) && Near(green_only.g, 255));
}

TEST_F(SceneRendererGLTest, LetterboxBarsStayBlackAroundThePicture) {
    if (IsSkipped()) return;
    // A 4:3 screen showing a 16:9 picture: 180 rows with bars of 30 above and below.
    scene->ComputeViewports({true, kWidth, kHeight, kWidth, kHeight, true});
    centre = Matrix4x4::Translation({kWidth / 2.0f, 30.0f + 90.0f, 0.0f});
    AddSprite("white", 0, 1000.0f);
    const Frame frame = DrawFrame();
    for (int y : {2, 28, 211, 237}) EXPECT_TRUE(Near(frame.At(160, y).r, 0)) << "bar row " << y;
    for (int y : {32, 120, 208}) EXPECT_TRUE(Near(frame.At(160, y).r, 255)) << "picture row " << y;
}

// A white floor facing the camera, lit by the standard program's spotlight
// ("gKidLight") from between the camera and the floor.
class SceneSpotlightGLTest : public SceneRendererGLTest {
protected:
    void SetUp() override {
        SceneRendererGLTest::SetUp();
        if (IsSkipped()) return;
        cResourceSystem& resources = cResourceSystem::Instance();
        resources.MeshManager()->CreateSpriteQuad("floor", 40.0f, 40.0f);
        const std::string directory = std::string(BRAMBLEBY_SOURCE_DIR) + "/GameData/Shaders/";
        iShaderManager* shaders = resources.ShaderManager();
        lit = shaders->CreateShaderProgram("standard.shader", directory, "StandardVS", "standard.shader", directory,
                                           "StandardPS");
        ASSERT_NE(lit, nullptr);
        lit->VertexStage()->EnableWVPMatrix(true);
        lit->VertexStage()->EnableWorldMatrix(true);
        lit->PixelStage()->EnableViewMatrix(true);
        cMaterial* material = resources.MaterialManager()->GetMaterial("Lit");
        material->SetRenderState(RS_Culling, 0);
        material->SetProgram(lit, shaders);
        floor.SetTree(&scene->Tree());
        floor.Initialise("floor", "white", "Lit", false);
        floor.transform = &floor_world;
        lamp.Initialise("gKidLight");
        lamp.light.type = LT_Spot;
        lamp.light.diffuse = {1, 1, 1, 1};
        lamp.Place({0, 0, -5}, {0, 0, 1});
        lamp.AttachProgram(lit->VertexStage());
        lamp.AttachProgram(lit->PixelStage());
        camera.Initialise({0, 0, -10}, {0, 0, 0}, {0, 1, 0}, 45.0f, 0.1f, 100.0f);
        camera.aspect = static_cast<float>(kWidth) / kHeight;
        scene->SetCamera(&camera);
    }

    void TearDown() override {
        lamp.Release();
        floor.Release();
        SceneRendererGLTest::TearDown();
    }

    static int Brightness(const Pixel& p) { return p.r + p.g + p.b; }

    iGPUProgram* lit = nullptr;
    cModelGfxCmp floor;
    Matrix4x4 floor_world = Matrix4x4::Identity();
    cLightGfxCmp lamp;
    cCameraGfxCmp camera;
};

TEST_F(SceneSpotlightGLTest, TheFloorIsBrighterInsideTheConeThanOutside) {
    if (IsSkipped()) return;
    const Frame frame = DrawFrame();
    EXPECT_EQ(scene->Rendered(), 1u);
    const Pixel inside = frame.At(kWidth / 2, kHeight / 2);
    const Pixel outside = frame.At(kWidth / 2 + 120, kHeight / 2);
    EXPECT_GT(Brightness(inside), Brightness(outside) + 60)
        << "inside " << int(inside.r) << " " << int(inside.g) << " " << int(inside.b) << ", outside "
        << int(outside.r) << " " << int(outside.g) << " " << int(outside.b);
}

// The lamp shines down the z axis on the floor; a small blocker halfway
// casts its shadow to the right of the middle, and the camera looks from the
// left so that it sees the shadow rather than the blocker.
TEST_F(SceneSpotlightGLTest, ABlockerCastsItsShadowWhereTheLightSays) {
    if (IsSkipped()) return;
    cResourceSystem& resources = cResourceSystem::Instance();
    ASSERT_TRUE(CreateShadowMaterials(*resources.MaterialManager(), *resources.ShaderManager(),
                                      std::string(BRAMBLEBY_SOURCE_DIR) + "/GameData/Shaders/"));
    resources.MeshManager()->CreateSpriteQuad("blocker", 2.0f, 2.0f);
    cModelGfxCmp blocker;
    Matrix4x4 blocker_world = Matrix4x4::Translation({1.5f, 0, -4});
    blocker.SetTree(&scene->Tree());
    blocker.Initialise("blocker", "white", "Lit", false);
    blocker.transform = &blocker_world;
    lamp.Place({0, 0, -8}, {0, 0, 1});
    lamp.light.outerCone = 0.7f;
    lamp.light.innerCone = 0.6f;
    lamp.SetCastsShadow(true, "kidshadow");
    ASSERT_NE(lamp.shadowMap, nullptr);
    scene->AddShadowMaterial(*resources.MaterialManager()->Find("ShadowPreprocessMat"));
    camera.Initialise({-6, 0, -10}, {0, 0, 0}, {0, 1, 0}, 45.0f, 0.1f, 100.0f);
    camera.viewportWidth = kWidth;
    camera.viewportHeight = kHeight;

    auto brightness_at = [&](const Frame& frame, const Vector3& point) {
        const Vector3 pixel = camera.ProjectToScreen(point);
        return Brightness(frame.At(static_cast<int32_t>(pixel.x), static_cast<int32_t>(pixel.y)));
    };
    scene->SetShadowsEnabled(false);
    const Frame unshadowed = DrawFrame();
    scene->SetShadowsEnabled(true);
    const Frame shadowed = DrawFrame();
    EXPECT_EQ(scene->Rendered(), 4u);
    // The blocker's shadow covers x 1 to 5 of the floor; the lit circle reaches about 2.9 from the middle.
    const Vector3 behind{2, 0, 0};
    const Vector3 beside{-2, 0, 0};
    // Without the shadow pass both points are lit alike; with it the one behind the blocker darkens.
    EXPECT_NEAR(brightness_at(unshadowed, behind), brightness_at(unshadowed, beside), 30);
    EXPECT_LT(brightness_at(shadowed, behind) + 60, brightness_at(shadowed, beside));
    EXPECT_NEAR(brightness_at(shadowed, beside), brightness_at(unshadowed, beside), 30);
    lamp.SetCastsShadow(false, "");
    blocker.Release();
}

}  // namespace
