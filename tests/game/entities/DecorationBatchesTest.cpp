// cDecorationBatches: one baked model per partition group of each id, the
// batch list emptied, and the batches released with the level's entities so
// that a second load reuses the mesh names and allocates nothing new.

#include "game/entities/cDecorationBatches.h"

#include <vector>

#include "engine/render/scene/cModelGfxCmp.h"
#include "engine/resource/cMesh.h"
#include "engine/resource/cTextureSet.h"
#include "game/entities/cDecoration.h"
#include "tests/game/entities/SceneryFixture.h"

namespace {

using Engine::Vector3;
using Game::cDecoration;
using Game::cDecorationBatches;
namespace Types = Game::GAME_ENT_TYPES;

class DecorationBatchesTest : public SceneryTest::SceneryFixture {
protected:
    void Decorate(const std::string& id, const Vector3& at) {
        Game::LevelObjectValues values;
        values.name = "Deco_" + id + std::to_string(counter++);
        values.catalogue_id = id;
        values.position = at;
        values.game_state = 10;
        ASSERT_NE(Make<cDecoration>(Types::DECORATION, values), nullptr);
    }

    // A small level: rocks in cell 0 and far outside, bushes in cell 4.
    void LoadLevel() {
        Decorate("Rock", {5, 0, 5});
        Decorate("Rock", {8, 0, 6});
        Decorate("Rock", {100, 0, 0});
        Decorate("Bush", {-20, 0, 5});
        cDecorationBatches::Instance().Bake();
    }

    static std::vector<std::string> BatchMeshNames() {
        std::vector<std::string> names;
        for (const Engine::cModelGfxCmp* model : cDecorationBatches::Instance().Models())
            names.push_back(model->Meshes().empty() ? "(none)" : model->Meshes()[0]->Name());
        return names;
    }

    int counter = 0;
};

TEST_F(DecorationBatchesTest, EachNonEmptyGroupOfEachIdBecomesOneStaticModel) {
    LoadLevel();
    EXPECT_EQ(BatchMeshNames(),
              (std::vector<std::string>{"Bushdecorbatch4", "Rockdecorbatch0", "Rockdecorbatch16"}));
    const auto& models = cDecorationBatches::Instance().Models();
    ASSERT_EQ(models.size(), 3u);
    // Two rocks of two triangles each in group 0.
    EXPECT_EQ(models[1]->Meshes()[0]->PrimitiveCount(), 4u);
    EXPECT_EQ(models[2]->Meshes()[0]->PrimitiveCount(), 2u);
    EXPECT_EQ(models[1]->Meshes()[0]->BoundingBox().min, (Vector3{4, 0, 4}));
    EXPECT_EQ(models[1]->Meshes()[0]->BoundingBox().max, (Vector3{9, 2, 7}));
    for (const Engine::cModelGfxCmp* model : models) {
        EXPECT_EQ(model->Moving(), 0);
        EXPECT_EQ(model->transform, nullptr) << "identity: the copies are baked in place";
        EXPECT_TRUE(model->InTree());
    }
    EXPECT_EQ(models[0]->TextureSet()->Name(), "BushTS");
    EXPECT_TRUE(Game::cDecorationBatchList::Instance().Empty());
    // The props keep their own models beside the batches.
    EXPECT_EQ(ModelPool().InUse(), 4u + 3u);
}

TEST_F(DecorationBatchesTest, AnEmptyListBakesNothing) {
    EXPECT_EQ(cDecorationBatches::Instance().Bake(), 0u);
    EXPECT_TRUE(cDecorationBatches::Instance().Models().empty());
}

TEST_F(DecorationBatchesTest, AnIdWhoseMeshIsNotLoadedIsLoggedAndSkipped) {
    Decorate("Lost", {1, 0, 1});
    Decorate("Rock", {1, 0, 1});
    EXPECT_EQ(cDecorationBatches::Instance().Bake(), 1u);
    EXPECT_TRUE(Logged("Error: decoration \"Lost\" has no loaded mesh; its instances are not batched"));
    EXPECT_TRUE(Game::cDecorationBatchList::Instance().Empty());
}

TEST_F(DecorationBatchesTest, ReleasingTheLevelReleasesTheBatchesAndASecondLoadLeaksNothing) {
    const std::size_t meshes_before = Meshes().Registry().size();
    LoadLevel();
    Game::cGameFactory::Instance().ReleaseAll();
    EXPECT_EQ(ModelPool().InUse(), 0u);
    EXPECT_TRUE(cDecorationBatches::Instance().Models().empty());
    EXPECT_EQ(Meshes().Find("Rockdecorbatch0"), nullptr);
    EXPECT_EQ(Meshes().Registry().size(), meshes_before);
    const std::size_t meshes_built = Meshes().PoolOf().Objects().size();
    const auto entities_built = [] {
        return Game::cGameFactory::Instance().GetTypedFactory<cDecoration>(Types::DECORATION)->GetPool().Objects().size();
    };
    const std::size_t entities_before = entities_built();

    LoadLevel();
    EXPECT_EQ(BatchMeshNames(),
              (std::vector<std::string>{"Bushdecorbatch4", "Rockdecorbatch0", "Rockdecorbatch16"}));
    EXPECT_EQ(Meshes().Find("Rockdecorbatch0")->PrimitiveCount(), 4u) << "baked afresh, not the old mesh";
    Game::cGameFactory::Instance().ReleaseAll();
    EXPECT_EQ(ModelPool().InUse(), 0u);
    EXPECT_EQ(Meshes().Registry().size(), meshes_before);
    EXPECT_EQ(Meshes().PoolOf().Objects().size(), meshes_built);
    EXPECT_EQ(entities_built(), entities_before);
}

TEST_F(DecorationBatchesTest, ASecondBakeReplacesTheFirstOnesBatches) {
    LoadLevel();
    Decorate("Rock", {20, 0, 5});
    cDecorationBatches::Instance().Bake();
    EXPECT_EQ(BatchMeshNames(), (std::vector<std::string>{"Rockdecorbatch1"}));
    EXPECT_EQ(Meshes().Find("Rockdecorbatch0"), nullptr);
    EXPECT_EQ(ModelPool().InUse(), 5u + 1u);
}

}  // namespace
