#pragma once
// SceneryFixture: a headless level for the scenery tests. Each test runs in a
// temporary folder with the null device layer, the scene renderer and its
// model pool, the game factory, and a small model catalogue of its own:
//
//   decorations  Rock (solid), Bush, TreeBare (solid), Ghost, Lost (a mesh
//                that is not loaded)
//   tiles        1 "grass", 2 "stone", tile size 2
//   billboards   Shadow (1.5 x 0.5)
//
// Every prop mesh is the same two triangles in a box from (-1, 0, -1) to
// (1, 2, 1), written as a text .X file; "cubeMesh" is that file too, and
// "GhostMesh" is a two-frame MD2 file with the animation "idle".

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "engine/core/cLog.h"
#include "engine/entity/cSceneManager.h"
#include "engine/physics/cCollisionManager.h"
#include "engine/physics/cPhysicsWorld.h"
#include "engine/render/cRenderSystem.h"
#include "engine/render/gl/DeviceLayer.h"
#include "engine/render/scene/SceneRendererAccess.h"
#include "engine/render/scene/cModelGfxCmpPool.h"
#include "engine/render/scene/cSceneRenderer.h"
#include "engine/resource/cAnimationRegistry.h"
#include "engine/resource/cResourceSystem.h"
#include "game/data/cModelCatalogue.h"
#include "game/entities/cDecorationBatchList.h"
#include "game/entities/cDecorationBatches.h"
#include "game/entities/cGameFactory.h"
#include "tests/support/Md2FileWriter.h"
#include "tests/support/TempDir.h"

namespace SceneryTest {

// Two triangles whose corners span (-1, 0, -1) to (1, 2, 1).
inline const char* const kPropX = R"(xof 0303txt 0032
Frame Prop {
  FrameTransformMatrix {
    1.0, 0.0, 0.0, 0.0,
    0.0, 1.0, 0.0, 0.0,
    0.0, 0.0, 1.0, 0.0,
    0.0, 0.0, 0.0, 1.0;;
  }
  Mesh {
    4;
    -1.0; 0.0; -1.0;,
    1.0; 0.0; -1.0;,
    1.0; 2.0; 1.0;,
    -1.0; 2.0; 1.0;;
    2;
    3;0,1,2;,
    3;0,2,3;;
  }
}
)";

inline const char* const kDecorations = R"(<Decorations>
  <decoration id="Rock" collision="true"><meshData meshName="RockMesh" TextureSetName="RockTS" materialName="StandardMat"/></decoration>
  <decoration id="Bush" collision="false"><meshData meshName="BushMesh" TextureSetName="BushTS" materialName="StandardMat"/></decoration>
  <decoration id="TreeBare" collision="true"><meshData meshName="TreeMesh" TextureSetName="TreeTS" materialName="StandardMat"/></decoration>
  <decoration id="Ghost" collision="false"><meshData meshName="GhostMesh" TextureSetName="GhostTS" materialName="StandardMat"/></decoration>
  <decoration id="Lost" collision="false"><meshData meshName="NoSuchMesh" TextureSetName="LostTS" materialName="StandardMat"/></decoration>
</Decorations>
)";

inline const char* const kTiles = R"(<BinaryTileRoot tileSize="2">
  <BinaryTile index="1" name="grass"><meshData meshName="cubeMesh" TextureSetName="GrassTS" materialName="StandardMat"/></BinaryTile>
  <BinaryTile index="2" name="stone"><meshData meshName="cubeMesh" TextureSetName="StoneTS" materialName="StandardMat"/></BinaryTile>
</BinaryTileRoot>
)";

inline const char* const kBillboards = R"(<Billboards>
  <Billboard name="Shadow"><BillboardData TextureSetName="ShadowTS" materialName="BillboardMat" width="1.5" height="0.5"/></Billboard>
</Billboards>
)";

class SceneryFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Fresh();
        ASSERT_TRUE(Engine::CreateDeviceLayer(Engine::eDeviceLayer::Null));
        Engine::DisplayMode mode;
        mode.windowWidth = 640;
        mode.windowHeight = 480;
        scene = &Engine::CreateSceneRenderer(*Engine::cRenderSystem::Instance().Renderer(), mode);
        ASSERT_TRUE(Game::cGameFactory::Instance().Register());
        LoadCatalogue();
        LoadMeshes();
    }

    void TearDown() override {
        Game::cGameFactory::Instance().Shutdown();
        Fresh();
    }

    static void Fresh() {
        Game::cGameFactory::Destroy();
        Game::cDecorationBatches::Destroy();
        Game::cDecorationBatchList::Destroy();
        Game::cModelCatalogue::Destroy();
        Engine::cSceneManager::Destroy();
        Engine::cCollisionManager::Destroy();
        Engine::cPhysicsWorld::Destroy();
        Engine::DestroySceneRenderer();
        Engine::cAnimationRegistry::Destroy();
        Engine::cResourceSystem::Destroy();
        Engine::cRenderSystem::Destroy();
        Engine::cLog::Destroy();
    }

    void LoadCatalogue() {
        Game::cModelCatalogue& catalogue = Game::cModelCatalogue::Instance();
        ASSERT_TRUE(catalogue.LoadDecorations(dir.Write("decorations.xml", kDecorations)));
        ASSERT_TRUE(catalogue.LoadTiles(dir.Write("binaryTiles.xml", kTiles)));
        ASSERT_TRUE(catalogue.LoadBillboards(dir.Write("billboards.xml", kBillboards)));
    }

    void LoadMeshes() {
        dir.Write("prop.X", kPropX);
        TestSupport::Md2Description ghost;
        ghost.frameNames = {"idle1", "idle2"};
        const std::vector<uint8_t> bytes = TestSupport::MakeMd2(ghost);
        std::ofstream(dir.File("ghost.md2"), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        const std::string folder = dir.Path().string() + "/";
        for (const char* name : {"RockMesh", "BushMesh", "TreeMesh", "cubeMesh"})
            ASSERT_NE(Meshes().LoadMesh(name, "prop.X", folder, {}, {}, true, true), nullptr);
        ASSERT_NE(Meshes().LoadMesh("GhostMesh", "ghost.md2", folder, {}, {}, true, true), nullptr);
    }

    static Engine::cMeshManager& Meshes() { return *Engine::cResourceSystem::Instance().MeshManager(); }
    static Engine::cModelGfxCmpPool& ModelPool() { return *Engine::GetModelPool(); }

    // An entity of the type taken from the factory, named and placed as the
    // level loader does, then set up with values; null, handed back, when refused.
    template <typename T>
    T* Make(Game::EntityTypeId type, Game::LevelObjectValues values) {
        T* entity = Game::cGameFactory::Instance().CreateTyped<T>(type);
        if (entity == nullptr) return nullptr;
        entity->Init(values.name);
        entity->position = values.position;
        entity->scale = values.scale;
        if (entity->SetUpFromLevel(values)) return entity;
        Engine::iBaseEntity* refused = entity;
        Game::cGameFactory::Instance().Destroy(&refused);
        return nullptr;
    }

    std::string EngineLog() const { return TestSupport::ReadFile(dir.File("Engine.log")); }
    bool Logged(const std::string& text) const { return EngineLog().find(text) != std::string::npos; }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory in_dir{dir.Path()};
    Engine::cSceneRenderer* scene = nullptr;
};

}  // namespace SceneryTest
