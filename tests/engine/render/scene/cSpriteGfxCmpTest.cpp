#include "engine/render/scene/cSpriteGfxCmp.h"

#include <gtest/gtest.h>

#include <array>

#include "SpriteFixture.h"
#include "engine/render/eMatrixMode.h"
#include "engine/render/iVertexBuffer.h"
#include "engine/resource/cMesh.h"
#include "engine/resource/cSpriteAnimationSet.h"

namespace {

using Engine::cSpriteGfxCmp;

class SpriteTest : public SpriteFixture {
protected:
    void Init(cSpriteGfxCmp& sprite, uint8_t layer, const std::string& set = "sheet",
              const std::string& quad = "quad", float width = 64.0f, float height = 32.0f) {
        sprite.SetLayers(&layers);
        sprite.Initialise(quad, width, height, set, "", layer);
    }

    // The x and y of the quad's corners as stored in its vertex buffer.
    static std::array<float, 8> Corners(const cSpriteGfxCmp& sprite) {
        std::array<float, 32> vertices{};
        sprite.Quad()->FramePairs().front()->Read(vertices.data(), 0, 4);
        std::array<float, 8> corners{};
        for (int i = 0; i < 4; ++i) {
            corners[2 * i] = vertices[8 * i];
            corners[2 * i + 1] = vertices[8 * i + 1];
        }
        return corners;
    }
};

TEST_F(SpriteTest, InitialiseTakesItsResourcesAndEntersTheLayer) {
    cSpriteGfxCmp sprite;
    Init(sprite, 3);
    EXPECT_EQ(sprite.kind, cSpriteGfxCmp::kSpriteKind);
    EXPECT_TRUE(sprite.visible);
    EXPECT_EQ(sprite.matrixMode, Engine::MM_View);
    EXPECT_EQ(sprite.Layer(), 3);
    ASSERT_NE(sprite.Quad(), nullptr);
    ASSERT_NE(sprite.TextureSet(), nullptr);
    EXPECT_EQ(sprite.TextureSet()->Name(), "sheet");
    EXPECT_EQ(sprite.TextureMatrix(), Engine::Matrix4x4::Identity());
    EXPECT_EQ(layers.events, (std::vector<std::string>{"add-sprite 3 sheet"}));

    sprite.Release();
    EXPECT_EQ(sprite.kind, Engine::iGraphicsCmp::kReleasedKind);
    EXPECT_FALSE(sprite.visible);
    EXPECT_EQ(sprite.Layer(), Engine::iSpriteLayers::kNoLayer);
    EXPECT_EQ(sprite.Quad(), nullptr);
    EXPECT_EQ(sprite.TextureSet(), nullptr);
    EXPECT_EQ(sprite.Width(), 0.0f);
    EXPECT_EQ(sprite.emissive.a, 1.0f);
    EXPECT_EQ(layers.events.back(), "remove-sprite");
    // The quad went back to the mesh manager with its last user.
    EXPECT_EQ(meshes->GetMesh("quad"), nullptr);
}

TEST_F(SpriteTest, ANewSpriteHasAnOpaqueColourConstant) {
    cSpriteGfxCmp sprite;
    Init(sprite, 0);
    // The GUI shader multiplies the texture's alpha by it: 0 would hide the sprite.
    EXPECT_EQ(sprite.emissive.a, 1.0f);
    sprite.Release();
}

TEST_F(SpriteTest, InitialisingAgainMovesTheSpriteToTheNewLayer) {
    cSpriteGfxCmp sprite;
    Init(sprite, 3);
    Init(sprite, 7, "strip");
    EXPECT_EQ(sprite.Layer(), 7);
    EXPECT_EQ(layers.events, (std::vector<std::string>{"add-sprite 3 sheet", "remove-sprite", "add-sprite 7 strip"}));
    // The first initialisation's quad reference was given back: one user is left.
    sprite.Release();
    EXPECT_EQ(meshes->GetMesh("quad"), nullptr);
}

TEST_F(SpriteTest, ALayerOutOfRangeIsLoggedAndLeavesTheSpriteInNone) {
    cSpriteGfxCmp sprite;
    Init(sprite, 11);
    EXPECT_EQ(sprite.Layer(), Engine::iSpriteLayers::kNoLayer);
    EXPECT_TRUE(layers.events.empty());
    Engine::cLog::Destroy();
    EXPECT_NE(EngineLog().find("Error: sprite layer 11"), std::string::npos) << EngineLog();
}

TEST_F(SpriteTest, ChangingTheTextureSetReentersTheLayerUnderTheNewSet) {
    cSpriteGfxCmp sprite;
    Init(sprite, 2);
    sprite.SetTextureSet("sheet");
    EXPECT_EQ(layers.events.size(), 1u) << "the same set changes nothing";
    sprite.SetTextureSet("strip");
    EXPECT_EQ(sprite.TextureSet()->Name(), "strip");
    EXPECT_EQ(sprite.Layer(), 2);
    EXPECT_EQ(layers.events, (std::vector<std::string>{"add-sprite 2 sheet", "remove-sprite", "add-sprite 2 strip"}));
    sprite.Release();
}

TEST_F(SpriteTest, CellSizeOnTheFirstTextureAndTheFrameOffsetsReachTheTextureMatrix) {
    cSpriteGfxCmp sprite;
    Init(sprite, 0);
    EXPECT_TRUE(sprite.SetCellSize(64, 64));
    EXPECT_EQ(sprite.Cells().columns, 4u);
    EXPECT_EQ(sprite.Cells().cellCount, 16u);
    sprite.StartAnimation("walk", 5, 8, 0.1f);
    ASSERT_NE(sprite.Animation(), nullptr);
    EXPECT_EQ(sprite.Animation()->Frame(), 5u);
    EXPECT_FLOAT_EQ(sprite.Animation()->FrameTime(), 0.1f);
    // A later call adds a range but keeps the first frame time.
    sprite.StartAnimation("idle", 0, 0, 0.5f);
    EXPECT_FLOAT_EQ(sprite.Animation()->FrameTime(), 0.1f);
    EXPECT_EQ(Engine::cAnimationRegistry::Instance().AnimatedSprites().size(), 1u);

    sprite.Draw(renderer);
    Engine::Matrix4x4 loaded;
    renderer.GetMatrix(Engine::MM_Texture, loaded);
    EXPECT_FLOAT_EQ(loaded.m[0][0], 0.25f);
    EXPECT_FLOAT_EQ(loaded.m[1][1], 0.25f);
    EXPECT_FLOAT_EQ(loaded.m[0][2], 0.25f);
    EXPECT_FLOAT_EQ(loaded.m[1][2], 0.25f);
    EXPECT_EQ(renderer.draws, 1);

    sprite.Release();
    EXPECT_EQ(sprite.Animation(), nullptr);
    EXPECT_TRUE(Engine::cAnimationRegistry::Instance().AnimatedSprites().empty());
}

TEST_F(SpriteTest, ARefusedCellSizeKeepsTheWholeTexture) {
    cSpriteGfxCmp sprite;
    Init(sprite, 0, "strip");
    EXPECT_FALSE(sprite.SetCellSize(0, 16));
    EXPECT_FALSE(sprite.SetCellSize(256, 16));
    EXPECT_EQ(sprite.Cells().columns, 1u);
    EXPECT_FLOAT_EQ(sprite.TextureScale().x, 1.0f);
    EXPECT_FLOAT_EQ(sprite.TextureScale().y, 1.0f);
    sprite.StartAnimation("run", 3, 6, 0.1f);
    sprite.Draw(renderer);
    Engine::Matrix4x4 loaded;
    renderer.GetMatrix(Engine::MM_Texture, loaded);
    EXPECT_EQ(loaded, Engine::Matrix4x4::Identity());
    Engine::cLog::Destroy();
    EXPECT_NE(EngineLog().find("Error: sprite cell size 256 x 16"), std::string::npos) << EngineLog();
    sprite.Release();
}

TEST_F(SpriteTest, SpritesShareAQuadAndSetSizeRewritesIt) {
    cSpriteGfxCmp first, second;
    Init(first, 0, "sheet", "shared", 64.0f, 32.0f);
    Init(second, 1, "sheet", "shared", 10.0f, 10.0f);
    EXPECT_EQ(first.Quad(), second.Quad());
    EXPECT_EQ(Corners(first), (std::array<float, 8>{-32, -16, 32, -16, 32, 16, -32, 16}));

    second.SetSize(20.0f, 8.0f);
    EXPECT_EQ(Corners(first), (std::array<float, 8>{-10, -4, 10, -4, 10, 4, -10, 4}));
    EXPECT_FLOAT_EQ(second.Width(), 20.0f);
    first.Release();
    second.Release();
}

TEST_F(SpriteTest, AnInvisibleSpriteDrawsNothing) {
    cSpriteGfxCmp sprite;
    Init(sprite, 0);
    sprite.visible = false;
    sprite.Draw(renderer);
    sprite.DrawPlain(renderer);
    EXPECT_EQ(renderer.draws, 0);
    sprite.visible = true;
    sprite.DrawPlain(renderer);
    EXPECT_EQ(renderer.draws, 1);
    sprite.Release();
}

TEST_F(SpriteTest, TheTransformGoesIntoTheViewMatrix) {
    cSpriteGfxCmp sprite;
    Init(sprite, 0);
    const Engine::Matrix4x4 placed = Engine::Matrix4x4::Translation({100.0f, 50.0f, 0.0f});
    sprite.transform = &placed;
    sprite.Draw(renderer);
    Engine::Matrix4x4 view;
    renderer.GetMatrix(Engine::MM_View, view);
    EXPECT_EQ(view, placed);
    sprite.Release();
}

}  // namespace
