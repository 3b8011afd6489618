// cDecoration: the set-up from a level's values (catalogue lookup, batch
// record, model, tree yaw, solid box, ghost tilt) and the reset.

#include "game/entities/cDecoration.h"

#include <cmath>
#include <set>
#include <vector>

#include "engine/core/Random.h"
#include "engine/physics/cCollisionAABB.h"
#include "engine/physics/ePhysicsFlags.h"
#include "engine/physics/iPhysicsCmp.h"
#include "engine/render/scene/cModelGfxCmp.h"
#include "engine/resource/cMesh.h"
#include "game/entities/DecorationPlacement.h"
#include "tests/game/entities/SceneryFixture.h"

namespace {

using Engine::Vector3;
using Game::cDecoration;
namespace Types = Game::GAME_ENT_TYPES;

constexpr int kGameplayState = 10;

class DecorationTest : public SceneryTest::SceneryFixture {
protected:
    cDecoration* Decorate(const std::string& id, const Vector3& at, float degrees = 0.0f,
                          int state = kGameplayState) {
        Game::LevelObjectValues values;
        values.name = "Deco_" + id + std::to_string(counter++);
        values.catalogue_id = id;
        values.position = at;
        values.scale = {1, 1, 1};
        values.rotation_degrees = degrees;
        values.game_state = state;
        return Make<cDecoration>(Types::DECORATION, values);
    }

    static Engine::cModelGfxCmp* ModelOf(const cDecoration* decoration) {
        return dynamic_cast<Engine::cModelGfxCmp*>(decoration->model);
    }

    int counter = 0;
};

TEST_F(DecorationTest, AnOrdinaryPropStandsAsTheLevelSays) {
    cDecoration* rock = Decorate("Rock", {3, 0, 4}, 90.0f);
    ASSERT_NE(rock, nullptr);
    EXPECT_EQ(rock->GetType(), 9);
    EXPECT_EQ(rock->catalogue_id, "Rock");
    EXPECT_EQ(rock->world, Game::DecorationWorld("RockMesh", {3, 0, 4}, {1, 1, 1}, 90.0f, 0));
    Engine::cModelGfxCmp* model = ModelOf(rock);
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->transform, &rock->world);
    EXPECT_EQ(model->Moving(), 1);
    ASSERT_EQ(model->Meshes().size(), 1u);
    EXPECT_EQ(model->Meshes()[0]->Name(), "RockMesh");
    EXPECT_TRUE(model->InTree());

    // The matrix is built once: an update leaves it as it is.
    const Engine::Matrix4x4 before = rock->world;
    rock->position = {50, 0, 50};
    rock->Update(0.1f);
    EXPECT_EQ(rock->world, before);
}

TEST_F(DecorationTest, TreesTakeARandomWholeDegreeYawWhateverTheLevelSays) {
    std::set<std::vector<float>> yaws;
    for (int i = 0; i < 12; ++i) {
        cDecoration* tree = Decorate("TreeBare", {0, 0, 0}, 45.0f);
        ASSERT_NE(tree, nullptr);
        // A pure turn about Y: the Y axis stays put.
        EXPECT_FLOAT_EQ(tree->world.m[1][1], 1.0f);
        const float degrees = std::atan2(tree->world.m[0][2], tree->world.m[0][0]) * 57.295776f;
        const float whole = std::round(degrees);
        EXPECT_NEAR(degrees, whole, 1e-3f);
        yaws.insert({tree->world.m[0][0], tree->world.m[0][2]});
    }
    EXPECT_GT(yaws.size(), 1u) << "every tree got the same yaw";
}

TEST_F(DecorationTest, TheGhostPropIsAlwaysTiltedFortyDegreesAndHoldsItsFirstFrame) {
    for (const float level_degrees : {0.0f, 90.0f, 200.0f}) {
        cDecoration* ghost = Decorate("Ghost", {1, 2, 3}, level_degrees);
        ASSERT_NE(ghost, nullptr);
        // world = T x S x tilt about X x turn about Y: the image of the Y axis
        // is the tilt's alone, (0, cos 40, sin 40), whatever the turn.
        EXPECT_NEAR(ghost->world.m[0][1], 0.0f, 1e-6f);
        EXPECT_NEAR(ghost->world.m[1][1], std::cos(0.6981317f), 1e-6f);
        EXPECT_NEAR(ghost->world.m[2][1], std::sin(0.6981317f), 1e-6f);
        EXPECT_EQ(ghost->world.m[0][3], 1.0f);
        EXPECT_EQ(ghost->world.m[2][3], 3.0f);
        Engine::cModelGfxCmp* model = ModelOf(ghost);
        ASSERT_NE(model, nullptr);
        EXPECT_EQ(model->CurrentAnimation(), "idle");
        ASSERT_EQ(model->AnimationSets().size(), 1u);
    }
}

TEST_F(DecorationTest, ASolidPropGetsAStaticBoxOfItsMeshInTheDecorationGroup) {
    cDecoration* rock = Decorate("Rock", {10, 0, -4});
    ASSERT_NE(rock, nullptr);
    ASSERT_NE(rock->physics, nullptr);
    EXPECT_EQ(rock->physics->GetGroupName(), "Decoration");
    EXPECT_EQ(rock->physics->GetName(), rock->name);
    EXPECT_EQ(rock->physics->GetOwner(), rock);
    EXPECT_TRUE(rock->physics->HasFlag(Engine::ePhysicsFlags::Static));
    EXPECT_FALSE(rock->physics->HasFlag(Engine::ePhysicsFlags::NoResponse));
    EXPECT_FLOAT_EQ(rock->physics->GetRestitution(), 1.0f);
    const Engine::cCollisionAABB* box = Engine::cCollisionAABB::Of(rock->physics->GetShape());
    ASSERT_NE(box, nullptr);
    // The mesh box (-1, 0, -1)..(1, 2, 1), unscaled, standing at the prop's position.
    EXPECT_EQ(box->min, (Vector3{9, 0, -5}));
    EXPECT_EQ(box->max, (Vector3{11, 2, -3}));

    cDecoration* bush = Decorate("Bush", {0, 0, 0});
    ASSERT_NE(bush, nullptr);
    EXPECT_EQ(bush->physics, nullptr) << "a prop that is not solid has no box";
    EXPECT_EQ(Engine::cPhysicsWorld::Instance().GetObjects().size(), 1u);
}

TEST_F(DecorationTest, AnIdMissingFromTheCatalogueIsRefusedWithALogLine) {
    EXPECT_EQ(Decorate("Statue", {0, 0, 0}), nullptr);
    EXPECT_TRUE(Logged("Error: decoration \"Statue\" is not in the decoration catalogue"));
    EXPECT_EQ(ModelPool().InUse(), 0u);
    EXPECT_TRUE(Game::cDecorationBatchList::Instance().Empty());
}

TEST_F(DecorationTest, AMeshThatIsNotLoadedStillGivesAPropThatDrawsNothing) {
    cDecoration* lost = Decorate("Lost", {0, 0, 0});
    ASSERT_NE(lost, nullptr);
    ASSERT_NE(ModelOf(lost), nullptr);
    EXPECT_TRUE(ModelOf(lost)->Meshes().empty());
    EXPECT_TRUE(Logged("model mesh \"NoSuchMesh\" is not loaded"));
}

TEST_F(DecorationTest, TheSceneEditorAndTheResultsScreenRecordNoBatches) {
    struct Case {
        int state;
        bool recorded;
    };
    for (const Case c : {Case{kGameplayState, true}, Case{5, false}, Case{13, false}, Case{4, true}}) {
        Game::cDecorationBatchList::Instance().Clear();
        cDecoration* rock = Decorate("Rock", {2, 0, 2}, 30.0f, c.state);
        ASSERT_NE(rock, nullptr);
        const auto& recorded = Game::cDecorationBatchList::Instance().Instances("Rock");
        ASSERT_EQ(recorded.size(), c.recorded ? 1u : 0u) << "state " << c.state;
        if (c.recorded) {
            EXPECT_EQ(recorded[0], rock->world) << "the batch stands where the prop does";
        }
    }
}

TEST_F(DecorationTest, DestroyHandsBackTheModelAndTheBox) {
    cDecoration* rock = Decorate("Rock", {0, 0, 0});
    ASSERT_NE(rock, nullptr);
    ASSERT_EQ(ModelPool().InUse(), 1u);
    Engine::iBaseEntity* entity = rock;
    Game::cGameFactory::Instance().Destroy(&entity);
    EXPECT_EQ(ModelPool().InUse(), 0u);
    EXPECT_EQ(rock->model, nullptr);
    EXPECT_EQ(rock->physics, nullptr);
    EXPECT_TRUE(rock->catalogue_id.empty());
    EXPECT_TRUE(Engine::cPhysicsWorld::Instance().GetObjects().empty());
}

}  // namespace
