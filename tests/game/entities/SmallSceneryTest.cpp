// The small scenery classes: the flat billboard of the billboard catalogue,
// the editor's tile cursor and the sample entity.

#include <gtest/gtest.h>

#include "engine/physics/cPhysicsWorld.h"
#include "engine/physics/iPhysicsCmp.h"
#include "engine/platform/VirtualKeys.h"
#include "engine/platform/cKeyboardState.h"
#include "engine/render/scene/cModelGfxCmp.h"
#include "engine/resource/cMaterial.h"
#include "engine/resource/cMesh.h"
#include "engine/resource/cTextureSet.h"
#include "game/entities/cBillboardObj.h"
#include "game/entities/cSampleEntity.h"
#include "game/entities/cTargetBox.h"
#include "tests/game/entities/SceneryFixture.h"

namespace {

using Engine::Vector3;
namespace Types = Game::GAME_ENT_TYPES;

class SmallSceneryTest : public SceneryTest::SceneryFixture {
protected:
    void TearDown() override {
        Engine::cKeyboardState::Destroy();
        SceneryFixture::TearDown();
    }

    Game::cBillboardObj* Billboard(const std::string& id, const Vector3& at) {
        Game::LevelObjectValues values;
        values.name = id + "1";
        values.catalogue_id = id;
        values.position = at;
        return Make<Game::cBillboardObj>(Types::BILLBOARD_OBJ, values);
    }
};

TEST_F(SmallSceneryTest, ABillboardLiesFlatAtItsPositionWithTheCatalogueEntrysLook) {
    Game::cBillboardObj* shadow = Billboard("Shadow", {4, 0, -2});
    ASSERT_NE(shadow, nullptr);
    EXPECT_EQ(shadow->GetType(), 11);
    EXPECT_EQ(shadow->billboard_id, "Shadow");
    const Engine::cBillBoardGfxCmp& quad = shadow->billboard;
    EXPECT_TRUE(quad.flat);
    EXPECT_EQ(quad.position, &shadow->position);
    EXPECT_EQ(quad.Width(), 1.5f);
    EXPECT_EQ(quad.Height(), 0.5f);
    ASSERT_NE(quad.Quad(), nullptr);
    EXPECT_EQ(quad.Quad()->Name(), "Shadow");
    EXPECT_EQ(quad.TextureSet()->Name(), "ShadowTS");
    EXPECT_TRUE(quad.InList());
    EXPECT_EQ(scene->BillboardCount(), 1u);
    // Flat: the quad's y axis goes to -x and its z axis (its face) to +y.
    const Engine::Matrix4x4 facing = Engine::cBillBoardGfxCmp::FacingMatrix(*quad.position, {0, 10, 10}, quad.flat, 0);
    EXPECT_EQ(facing.m[1][2], 1.0f);
    EXPECT_EQ(facing.m[0][3], 4.0f);
    EXPECT_EQ(facing.m[2][3], -2.0f);
}

TEST_F(SmallSceneryTest, ABillboardMissingFromTheCatalogueIsRefused) {
    EXPECT_EQ(Billboard("Puddle", {0, 0, 0}), nullptr);
    EXPECT_TRUE(Logged("Error: billboard \"Puddle\" is not in the billboard catalogue"));
    EXPECT_EQ(scene->BillboardCount(), 0u);
}

TEST_F(SmallSceneryTest, DestroyTakesTheBillboardOutOfTheSceneAndGivesTheQuadBack) {
    Game::cBillboardObj* shadow = Billboard("Shadow", {0, 0, 0});
    ASSERT_NE(shadow, nullptr);
    Engine::iBaseEntity* entity = shadow;
    Game::cGameFactory::Instance().Destroy(&entity);
    EXPECT_EQ(scene->BillboardCount(), 0u);
    EXPECT_FALSE(shadow->billboard.InList());
    EXPECT_FALSE(shadow->billboard.flat);
    EXPECT_TRUE(shadow->billboard_id.empty());
    EXPECT_EQ(Meshes().Find("Shadow"), nullptr);
}

TEST_F(SmallSceneryTest, TheTargetBoxIsAWireBoxATenthWiderThanATile) {
    Game::cTargetBox cursor;
    cursor.Setup();
    EXPECT_EQ(cursor.name, "EditorTargetBox");
    EXPECT_EQ(cursor.GetType(), 36);
    auto* model = dynamic_cast<Engine::cModelGfxCmp*>(cursor.model);
    ASSERT_NE(model, nullptr);
    ASSERT_EQ(model->Meshes().size(), 1u);
    const Engine::cMesh* box = model->Meshes()[0];
    EXPECT_EQ(box->Name(), "targetBox");
    EXPECT_FLOAT_EQ(box->BoundingBox().max.x - box->BoundingBox().min.x, 2.1f);
    EXPECT_FLOAT_EQ(box->BoundingBox().max.y - box->BoundingBox().min.y, 2.1f);
    EXPECT_EQ(model->Material()->Name(), "StandardMat");
    EXPECT_EQ(model->transform, &cursor.world);

    // The editor moves it by its position.
    cursor.position = {6, 0, 4};
    cursor.Update(0.1f);
    EXPECT_EQ(cursor.world.m[0][3], 6.0f);
    cursor.Reset();
    EXPECT_EQ(ModelPool().InUse(), 0u);
    EXPECT_EQ(Meshes().Find("targetBox"), nullptr);
}

TEST_F(SmallSceneryTest, TheSampleEntityIsPushedByTheHeldArrowKeys) {
    auto* sample = Game::cGameFactory::Instance().CreateTyped<Game::cSampleEntity>(Types::SAMPLE_ENTITY);
    ASSERT_NE(sample, nullptr);
    sample->Setup();
    EXPECT_EQ(sample->name, "sample_entity");
    ASSERT_NE(sample->Machine(), nullptr);
    EXPECT_NE(sample->Machine()->GetCurrent(), nullptr);
    sample->physics = Engine::cPhysicsWorld::Instance().CreateObject("Sample", nullptr, "Sample", &sample->position);

    struct Case {
        int key;
        Vector3 velocity;  // after one held second, in 0.5 s steps
    };
    const Case cases[] = {{Engine::kVK_LEFT, {-5, 0, 0}},
                          {Engine::kVK_RIGHT, {5, 0, 0}},
                          {Engine::kVK_UP, {0, 0, 5}},
                          {Engine::kVK_DOWN, {0, 0, -5}}};
    Engine::cKeyboardState& keys = Engine::cKeyboardState::Instance();
    for (const Case& c : cases) {
        sample->physics->SetVelocity({0, 0, 0});
        keys.KeyDown(c.key);
        sample->Update(0.5f);
        sample->Update(0.5f);
        keys.KeyUp(c.key);
        EXPECT_EQ(sample->physics->GetVelocity(), c.velocity) << c.key;
        sample->Update(0.5f);
        EXPECT_EQ(sample->physics->GetVelocity(), c.velocity) << "a released key pushes no more";
    }

    sample->position = {1, 2, 3};
    sample->Update(0.0f);
    EXPECT_EQ(sample->world.m[1][3], 2.0f);

    Engine::iBaseEntity* entity = sample;
    Game::cGameFactory::Instance().Destroy(&entity);
    EXPECT_EQ(sample->Machine(), nullptr);
    EXPECT_EQ(sample->physics, nullptr);
}

}  // namespace
