// cGroundPlane: the floor slab it puts into the physics world, made through
// the game factory, and the slab's return on Reset.

#include <gtest/gtest.h>

#include "engine/core/cLog.h"
#include "engine/entity/cSceneManager.h"
#include "engine/physics/BoxOperations.h"
#include "engine/physics/cCollisionAABB.h"
#include "engine/physics/cCollisionManager.h"
#include "engine/physics/cPhysicsWorld.h"
#include "engine/physics/ePhysicsFlags.h"
#include "engine/physics/iPhysicsCmp.h"
#include "game/entities/cGameFactory.h"
#include "game/entities/cGroundPlane.h"
#include "tests/support/TempDir.h"

namespace {

using Engine::ePhysicsFlags;
using Game::cGroundPlane;
namespace Types = Game::GAME_ENT_TYPES;

class GroundPlaneTest : public ::testing::Test {
protected:
    void SetUp() override {
        Fresh();
        ASSERT_TRUE(Game::cGameFactory::Instance().Register());
    }
    void TearDown() override {
        Game::cGameFactory::Instance().Shutdown();
        Fresh();
        Engine::cLog::Destroy();
    }
    static void Fresh() {
        Game::cGameFactory::Destroy();
        Engine::cSceneManager::Destroy();
        Engine::cCollisionManager::Destroy();
        Engine::cPhysicsWorld::Destroy();
    }

    static cGroundPlane* Make() {
        cGroundPlane* plane = Game::cGameFactory::Instance().CreateTyped<cGroundPlane>(Types::GROUND_PLANE);
        if (plane != nullptr) plane->Setup();
        return plane;
    }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory in_dir{dir.Path()};
};

TEST_F(GroundPlaneTest, SetupMakesAStaticFloorSlabWhoseTopIsAtMinusPointNine) {
    cGroundPlane* plane = Make();
    ASSERT_NE(plane, nullptr);
    EXPECT_EQ(plane->name, "groundplane");
    EXPECT_EQ(plane->GetType(), 35);
    EXPECT_EQ(plane->plane.y, 1.0f);
    EXPECT_EQ(plane->plane.w, 0.0f);
    ASSERT_NE(plane->physics, nullptr);
    EXPECT_EQ(plane->physics->GetGroupName(), "Floor");
    EXPECT_EQ(plane->physics->GetName(), "Floor");
    EXPECT_EQ(plane->physics->GetOwner(), plane);
    EXPECT_TRUE(plane->physics->HasFlag(ePhysicsFlags::Static));
    EXPECT_FALSE(plane->physics->HasFlag(ePhysicsFlags::NoResponse));
    EXPECT_FLOAT_EQ(plane->physics->GetRestitution(), 0.1f);
    EXPECT_EQ(plane->position.y, -1.0f);

    const Engine::cCollisionAABB* box = Engine::cCollisionAABB::Of(plane->physics->GetShape());
    ASSERT_NE(box, nullptr);
    EXPECT_FLOAT_EQ(box->max.y, -0.9f);
    EXPECT_FLOAT_EQ(box->min.y, -1.1f);
    EXPECT_FLOAT_EQ(box->min.x, -1000.0f);
    EXPECT_FLOAT_EQ(box->max.x, 1000.0f);
    EXPECT_FLOAT_EQ(box->min.z, -1000.0f);
    EXPECT_FLOAT_EQ(box->max.z, 1000.0f);
}

TEST_F(GroundPlaneTest, TheSlabStaysPutWhenTheWorldSteps) {
    Engine::cPhysicsWorld::Instance().Reset({0, -10, 0});
    cGroundPlane* plane = Make();
    ASSERT_NE(plane, nullptr);
    // A push from a contact would show up as velocity: a static slab ignores it.
    plane->physics->SetVelocity({0, -5, 0});
    for (int i = 0; i < 5; ++i) Engine::cPhysicsWorld::Instance().Step(0.1f);
    EXPECT_FLOAT_EQ(plane->position.y, -1.0f);
    EXPECT_FLOAT_EQ(Engine::cCollisionAABB::Of(plane->physics->GetShape())->max.y, -0.9f);
}

// A body like the kid's: its box stands on its feet (offset up by half its
// height), it falls under gravity onto the slab and must come to rest on it,
// at 30 and at 60 frames per second, however long it stands there.
TEST_F(GroundPlaneTest, AFallingBodyWithAnOffsetBoxComesToRestOnTheSlab) {
    for (const float dt : {1.0f / 30.0f, 1.0f / 60.0f}) {
        Fresh();
        ASSERT_TRUE(Game::cGameFactory::Instance().Register());
        Engine::cPhysicsWorld& world = Engine::cPhysicsWorld::Instance();
        world.Reset({0, -10, 0});
        Engine::cCollisionManager& collisions = Engine::cCollisionManager::Instance();
        collisions.GetGroup("Kid", Engine::eCollisionGroupKind::Singular);
        collisions.GetGroup("Floor", Engine::eCollisionGroupKind::Singular);
        collisions.AddGroupPair("Kid", "Floor");
        ASSERT_NE(Make(), nullptr);
        Engine::Vector3 position{0.0f, 0.0f, 0.0f};
        auto* box = new Engine::cCollisionAABB();
        box->min = {-0.4f, -0.01f, -0.4f};
        box->max = {0.4f, 1.39f, 0.4f};
        box->offset = {0.0f, 0.69f, 0.0f};
        box->UpdatePosition(position);
        Engine::iPhysicsCmp* body = world.CreateObject("Kid", box, "Kid", &position);
        body->SetFlag(ePhysicsFlags::Gravity, true);
        for (int i = 0; i < static_cast<int>(10.0f / dt); ++i) world.Update(dt);
        const float feet = Engine::cCollisionAABB::Of(body->GetShape())->min.y;
        EXPECT_NEAR(feet, -0.9f, 0.05f) << "dt " << dt << ": body at " << position.y;
        EXPECT_GT(body->GetVelocity().y, -1.0f) << "dt " << dt;
    }
}

TEST_F(GroundPlaneTest, DestroyHandsTheSlabBack) {
    cGroundPlane* plane = Make();
    ASSERT_NE(plane, nullptr);
    ASSERT_EQ(Engine::cPhysicsWorld::Instance().GetObjects().size(), 1u);
    Engine::iBaseEntity* entity = plane;
    Game::cGameFactory::Instance().Destroy(&entity);
    EXPECT_EQ(plane->physics, nullptr);
    EXPECT_TRUE(Engine::cPhysicsWorld::Instance().GetObjects().empty());
}

}  // namespace
