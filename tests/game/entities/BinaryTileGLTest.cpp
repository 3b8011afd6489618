// A floor-tile layer drawn through OpenGL: the baked mesh of each tile kind
// shows the kind's texture at its cells and nothing at the empty ones.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "engine/entity/cSceneManager.h"
#include "engine/render/eRenderStateId.h"
#include "engine/render/gl/cGLTextureManager.h"
#include "engine/render/scene/SceneRendererAccess.h"
#include "engine/render/scene/cCameraGfxCmp.h"
#include "engine/render/scene/cModelGfxCmpPool.h"
#include "engine/render/scene/cSceneRenderer.h"
#include "engine/resource/cAnimationRegistry.h"
#include "engine/resource/cMaterial.h"
#include "engine/resource/cTextureSet.h"
#include "engine/resource/eTextureFormat.h"
#include "engine/resource/eTextureType.h"
#include "game/data/cModelCatalogue.h"
#include "game/entities/cBinaryTile.h"
#include "game/entities/cGameFactory.h"
#include "game/entities/cTileLayerCells.h"
#include "tests/engine/render/gl/GLFixture.h"
#include "tests/engine/render/scene/GLSceneResources.h"

namespace {

using Colour = std::array<uint8_t, 4>;
constexpr Colour kGreen{0, 255, 0, 255};
constexpr Colour kWhite{255, 255, 255, 255};

// Kind 1 green, kind 2 white; both drawn with a material that culls nothing.
const char* const kTiles = R"(<BinaryTileRoot tileSize="2">
  <BinaryTile index="1" name="grass"><meshData meshName="cubeMesh" TextureSetName="green" materialName="TileMat"/></BinaryTile>
  <BinaryTile index="2" name="snow"><meshData meshName="cubeMesh" TextureSetName="white" materialName="TileMat"/></BinaryTile>
</BinaryTileRoot>
)";

class BinaryTileGLTest : public GLFixture {
protected:
    void SetUp() override {
        GLFixture::SetUp();
        if (IsSkipped()) return;
        textures = &SceneTests::InstallGLResources(*renderer, *buffers);
        Engine::DisplayMode mode;
        mode.windowWidth = kWidth;
        mode.windowHeight = kHeight;
        scene = &Engine::CreateSceneRenderer(*renderer, mode);
        scene->SetGuiProgram(SceneTests::MakeGuiProgram());
        MakeSet("green", kGreen);
        MakeSet("white", kWhite);
        Engine::cResourceSystem& resources = Engine::cResourceSystem::Instance();
        resources.MaterialManager()->GetMaterial("TileMat")->SetRenderState(Engine::RS_Culling, 0);
        // A tile is a 2 x 2 square facing the camera, so each cell shows as one square.
        resources.MeshManager()->CreateSpriteQuad("cubeMesh", 2.0f, 2.0f);
        ASSERT_TRUE(Game::cModelCatalogue::Instance().LoadTiles(dir.Write("binaryTiles.xml", kTiles)));
        ASSERT_TRUE(Game::cGameFactory::Instance().Register());
        camera.Initialise({0, 0, -10}, {0, 0, 0}, {0, 1, 0}, 45.0f, 0.1f, 100.0f);
        camera.aspect = static_cast<float>(kWidth) / kHeight;
        camera.viewportWidth = kWidth;
        camera.viewportHeight = kHeight;
        scene->SetCamera(&camera);
    }

    void TearDown() override {
        if (!IsSkipped()) {
            Game::cGameFactory::Instance().Shutdown();
            scene->SetCamera(nullptr);
            Engine::DestroySceneRenderer();
            for (Engine::cTextureSet*& set : sets) textures->ReleaseTextureSet(set);
            Engine::cResourceSystem::Destroy();
        }
        Game::cGameFactory::Destroy();
        Game::cModelCatalogue::Destroy();
        Engine::cSceneManager::Destroy();
        Engine::cAnimationRegistry::Destroy();
        GLFixture::TearDown();
    }

    void MakeSet(const std::string& name, const Colour& colour) {
        std::vector<uint8_t> pixels;
        for (int i = 0; i < 4 * 4; ++i) pixels.insert(pixels.end(), colour.begin(), colour.end());
        Engine::cTextureSet* set = textures->GetTextureSet(name);
        set->AddTexture(textures->CreateTexture(name + ".tga", Engine::TT_2D, 4, 4, Engine::TF_ARGB8, pixels.data()));
        sets.push_back(set);
    }

    // A one-row layer of two cells, centred on x = -1 and x = 1.
    Game::cBinaryTile* Layer(const Game::cTileLayerCells& cells) {
        auto* layer = Game::cGameFactory::Instance().CreateTyped<Game::cBinaryTile>(Game::GAME_ENT_TYPES::BINARY_TILE);
        layer->Init("BinaryTile");
        Game::LevelObjectValues values;
        values.tile_cells = &cells;
        EXPECT_TRUE(layer->SetUpFromLevel(values));
        return layer;
    }

    // The frame's colours a quarter of the width in from the left and from the right.
    std::array<Pixel, 2> DrawSides() {
        EXPECT_TRUE(renderer->BeginFrame());
        scene->RenderFrame();
        const Frame frame = Capture();
        renderer->EndFrame();
        return {frame.At(kWidth / 2 - 30, kHeight / 2), frame.At(kWidth / 2 + 30, kHeight / 2)};
    }

    static bool Is(const Pixel& p, const Colour& c) {
        return std::abs(p.r - c[0]) <= 4 && std::abs(p.g - c[1]) <= 4 && std::abs(p.b - c[2]) <= 4;
    }
    static bool IsDark(const Pixel& p) { return p.r + p.g + p.b < 30; }

    Engine::cGLTextureManager* textures = nullptr;
    Engine::cSceneRenderer* scene = nullptr;
    std::vector<Engine::cTextureSet*> sets;
    Engine::cCameraGfxCmp camera;
};

TEST_F(BinaryTileGLTest, EachKindShowsItsTextureAtItsCellsAndEmptyCellsShowNothing) {
    if (IsSkipped()) return;
    const Game::cTileLayerCells grass_left(2, 1, -1.0f, 0.0f, 0.0f, "10");
    Game::cBinaryTile* layer = Layer(grass_left);
    const std::array<Pixel, 2> one_tile = DrawSides();
    // Which screen side x = -1 lands on is the camera's business; exactly one side is green.
    EXPECT_NE(Is(one_tile[0], kGreen), Is(one_tile[1], kGreen));
    EXPECT_TRUE(IsDark(one_tile[0]) || IsDark(one_tile[1])) << "the empty cell shows the background";
    const int grass_side = Is(one_tile[0], kGreen) ? 0 : 1;

    Engine::iBaseEntity* entity = layer;
    Game::cGameFactory::Instance().Destroy(&entity);
    const Game::cTileLayerCells both(2, 1, -1.0f, 0.0f, 0.0f, "12");
    Layer(both);
    const std::array<Pixel, 2> two_tiles = DrawSides();
    EXPECT_TRUE(Is(two_tiles[grass_side], kGreen));
    EXPECT_TRUE(Is(two_tiles[1 - grass_side], kWhite)) << "kind 2 beside kind 1, in its own texture";
}

}  // namespace
