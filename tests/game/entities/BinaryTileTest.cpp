// cBinaryTile: the floor layer's cells, one baked mesh and model per tile kind
// it uses, and everything handed back on reset.

#include "game/entities/cBinaryTile.h"

#include <vector>

#include "engine/render/eDeclUsage.h"
#include "engine/render/iVertexBuffer.h"
#include "engine/render/scene/cModelGfxCmp.h"
#include "engine/resource/cMesh.h"
#include "engine/resource/cTextureSet.h"
#include "game/entities/cTileLayerCells.h"
#include "tests/game/entities/SceneryFixture.h"

namespace {

using Engine::Vector3;
using Game::cBinaryTile;
namespace Types = Game::GAME_ENT_TYPES;

class BinaryTileTest : public SceneryTest::SceneryFixture {
protected:
    cBinaryTile* Layer(const Game::cTileLayerCells& cells) {
        Game::LevelObjectValues values;
        values.name = "BinaryTile";
        values.tile_cells = &cells;
        return Make<cBinaryTile>(Types::BINARY_TILE, values);
    }

    // The centre of each copy of the prop mesh (a box (-1, 0, -1)..(1, 2, 1))
    // in a baked mesh: each copy is 4 vertices, its centre at (0, 1, 0) placed.
    static std::vector<Vector3> CopyCentres(const Engine::cMesh* mesh) {
        Engine::iVertexBuffer* buffer = mesh->FramePairs().at(0);
        std::vector<Vector3> positions(buffer->GetCount());
        buffer->ReadElement(Engine::DU_Position, 0, positions.data(), 0, buffer->GetCount());
        std::vector<Vector3> centres;
        for (std::size_t i = 0; i + 3 < positions.size(); i += 4)
            centres.push_back((positions[i] + positions[i + 2]) * 0.5f - Vector3{0, 1, 0});
        return centres;
    }
};

TEST_F(BinaryTileTest, TheThreeByTwoExamplePlacesTileOneAtItsThreeCells) {
    // Rows 1 0 1 and 0 0 1, tile size 2, from (-3, -2).
    const Game::cTileLayerCells cells(3, 2, -3.0f, -2.0f, 0.5f, "101001");
    cBinaryTile* layer = Layer(cells);
    ASSERT_NE(layer, nullptr);
    EXPECT_EQ(layer->GetType(), 38);
    EXPECT_EQ(layer->width, 3u);
    EXPECT_EQ(layer->height, 2u);
    EXPECT_EQ(layer->tile_size, 2.0f);
    EXPECT_EQ(layer->max_x, 3.0f);
    EXPECT_EQ(layer->max_z, 2.0f);
    EXPECT_EQ(layer->Cell(2, 1), 1);
    EXPECT_EQ(layer->Cell(1, 1), 0);
    EXPECT_EQ(layer->world, Engine::Matrix4x4::Identity());
    EXPECT_EQ(layer->physics, nullptr) << "tiles are seen, not touched";

    ASSERT_EQ(layer->TileModels().size(), 1u) << "only kind 1 is used";
    const Engine::cModelGfxCmp* grass = layer->TileModels()[0];
    ASSERT_EQ(grass->Meshes().size(), 1u);
    const Engine::cMesh* mesh = grass->Meshes()[0];
    EXPECT_EQ(mesh->Name(), "binarytilemap1");
    EXPECT_EQ(grass->TextureSet()->Name(), "GrassTS");
    EXPECT_EQ(grass->Moving(), 0);
    EXPECT_EQ(grass->transform, nullptr) << "the cubes are baked in place";
    EXPECT_EQ(grass->BoundingSphere(), mesh->BoundingSphere());
    const std::vector<Vector3> expected{{-3, 0.5f, -2}, {1, 0.5f, -2}, {1, 0.5f, 0}};
    EXPECT_EQ(CopyCentres(mesh), expected);
}

TEST_F(BinaryTileTest, EachKindGetsItsOwnMeshAndTextureAndUnknownKindsPlaceNothing) {
    // Kind 7 has no catalogue entry.
    const Game::cTileLayerCells cells(2, 2, 0.0f, 0.0f, 0.0f, "1272");
    cBinaryTile* layer = Layer(cells);
    ASSERT_NE(layer, nullptr);
    ASSERT_EQ(layer->TileModels().size(), 2u);
    EXPECT_EQ(layer->TileModels()[0]->Meshes().at(0)->Name(), "binarytilemap1");
    EXPECT_EQ(layer->TileModels()[1]->Meshes().at(0)->Name(), "binarytilemap2");
    EXPECT_EQ(layer->TileModels()[1]->TextureSet()->Name(), "StoneTS");
    EXPECT_EQ(CopyCentres(layer->TileModels()[1]->Meshes()[0]), (std::vector<Vector3>{{2, 0, 0}, {2, 0, 2}}));
    EXPECT_EQ(Meshes().Find("binarytilemap7"), nullptr);
}

TEST_F(BinaryTileTest, AnAllZeroLayerBuildsNoMesh) {
    const std::size_t meshes_before = Meshes().Registry().size();
    const Game::cTileLayerCells cells(4, 3, 0.0f, 0.0f, 0.0f, "000000000000");
    cBinaryTile* layer = Layer(cells);
    ASSERT_NE(layer, nullptr);
    EXPECT_TRUE(layer->TileModels().empty());
    EXPECT_EQ(Meshes().Registry().size(), meshes_before);
    EXPECT_EQ(ModelPool().InUse(), 0u);
}

TEST_F(BinaryTileTest, ALayerWithoutCellsIsRefused) {
    Game::LevelObjectValues values;
    values.name = "BinaryTile";
    EXPECT_EQ((Make<cBinaryTile>(Types::BINARY_TILE, values)), nullptr);
    EXPECT_TRUE(Logged("Error: tile layer BinaryTile was given no cells"));
}

TEST_F(BinaryTileTest, TwoLiveLayersDoNotShareTheirCubes) {
    const Game::cTileLayerCells first(1, 1, 0.0f, 0.0f, 0.0f, "1");
    const Game::cTileLayerCells second(1, 1, 10.0f, 0.0f, 0.0f, "1");
    cBinaryTile* a = Layer(first);
    cBinaryTile* b = Layer(second);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    const Engine::cMesh* mesh_b = b->TileModels().at(0)->Meshes().at(0);
    EXPECT_NE(a->TileModels().at(0)->Meshes().at(0), mesh_b);
    EXPECT_EQ(CopyCentres(mesh_b), (std::vector<Vector3>{{10, 0, 0}}));
}

TEST_F(BinaryTileTest, ResetGivesTheModelsAndMeshesBackAndForgetsTheCells) {
    const std::size_t meshes_before = Meshes().Registry().size();
    const Game::cTileLayerCells cells(3, 2, -3.0f, -2.0f, 0.0f, "120021");
    cBinaryTile* layer = Layer(cells);
    ASSERT_NE(layer, nullptr);
    ASSERT_EQ(ModelPool().InUse(), 2u);
    Engine::iBaseEntity* entity = layer;
    Game::cGameFactory::Instance().Destroy(&entity);
    EXPECT_EQ(ModelPool().InUse(), 0u);
    EXPECT_TRUE(layer->TileModels().empty());
    EXPECT_EQ(layer->width, 0u);
    EXPECT_EQ(layer->height, 0u);
    EXPECT_EQ(layer->Cell(0, 0), 0);
    EXPECT_EQ(Meshes().Find("binarytilemap1"), nullptr);
    EXPECT_EQ(Meshes().Registry().size(), meshes_before);
}

}  // namespace
