// Physics objects and the world: integration, the step, creation into
// groups, the pool, and clearing.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/core/cLog.h"
#include "engine/physics/cPhysicsObject.h"
#include "tests/engine/physics/PhysicsFixture.h"
#include "tests/support/TempDir.h"

namespace PhysicsTests {
namespace {

using Engine::cPhysicsObject;
using Engine::eCollisionGroupKind;
using Engine::ePhysicsFlags;
using Engine::iPhysicsCmp;
using Engine::Vector3;

void ExpectNear(const Vector3& actual, const Vector3& expected, const std::string& label) {
    EXPECT_NEAR(actual.x, expected.x, 1e-5f) << label;
    EXPECT_NEAR(actual.y, expected.y, 1e-5f) << label;
    EXPECT_NEAR(actual.z, expected.z, 1e-5f) << label;
}

struct StepCase {
    const char* label;
    float damping;
    bool gravity, is_static;
    Vector3 velocity;
    float dt;
    int steps;
    Vector3 position_after, velocity_after;
};

const StepCase kStepCases[] = {
    {"undamped, no gravity: dt * velocity per step", 1, false, false, {2, 0, -1}, 0.5f, 3, {3, 0, -1.5f}, {2, 0, -1}},
    {"damping 0.5 with dt 1 halves the velocity", 0.5f, false, false, {8, 0, 0}, 1, 3, {7, 0, 0}, {1, 0, 0}},
    {"dt 0 changes nothing", 0.5f, true, false, {8, 0, 0}, 0, 3, {0, 0, 0}, {8, 0, 0}},
    {"static loses its velocity and stays", 1, false, true, {5, 5, 5}, 0.1f, 1, {0, 0, 0}, {0, 0, 0}},
    {"static ignores gravity", 1, true, true, {}, 0.1f, 2, {0, 0, 0}, {0, 0, 0}},
    {"gravity from rest, one step", 1, true, false, {}, 0.1f, 1, {0, -0.1f, 0}, {0, -1, 0}},
    {"gravity over three steps", 1, true, false, {}, 0.5f, 3, {0, -15, 0}, {0, -15, 0}},
    {"gravity and a sideways throw", 1, true, false, {4, 0, 0}, 0.25f, 2, {2, -1.875f, 0}, {4, -5, 0}},
};

using PhysicsWorldTest = PhysicsFixture;

TEST_F(PhysicsWorldTest, StepsIntegrateVelocityAndGravity) {
    for (const StepCase& c : kStepCases) {
        Fresh();
        World().Reset({0, -10, 0});
        iPhysicsCmp* object = Make("Thing", "thing", {0, 0, 0});
        object->SetDamping(c.damping);
        object->SetFlag(ePhysicsFlags::Gravity, c.gravity);
        object->SetFlag(ePhysicsFlags::Static, c.is_static);
        object->SetVelocity(c.velocity);
        for (int i = 0; i < c.steps; ++i) World().Step(c.dt);
        ExpectNear(object->GetPosition(), c.position_after, c.label);
        ExpectNear(object->GetVelocity(), c.velocity_after, c.label);
        ExpectNear(Engine::BoxCentre(BoxOf(object)), c.position_after, std::string(c.label) + ": the box follows");
    }
}

TEST_F(PhysicsWorldTest, ADisabledObjectKeepsItsVelocityAndPlace) {
    World().Reset({0, -10, 0});
    iPhysicsCmp* object = Make("Thing", "thing", {1, 2, 3});
    object->SetFlag(ePhysicsFlags::Gravity, true);
    object->SetVelocity({1, 0, 0});
    object->SetDisabled(true);
    World().Step(0.5f);
    EXPECT_EQ(object->GetPosition(), Vector3(1, 2, 3));
    EXPECT_EQ(object->GetVelocity(), Vector3(1, 0, 0));
    object->SetDisabled(false);
    World().Step(0.5f);
    ExpectNear(object->GetPosition(), {1.5f, -0.5f, 3}, "enabled again");
}

TEST_F(PhysicsWorldTest, MarkedObjectsLeaveAtTheNextStepWithoutMoving) {
    iPhysicsCmp* first = Make("Thing", "first", {0, 0, 0});
    iPhysicsCmp* kept = Make("Thing", "kept", {0, 0, 0});
    iPhysicsCmp* last = Make("Other", "last", {0, 0, 0});
    for (iPhysicsCmp* object : {first, kept, last}) object->SetVelocity({1, 0, 0});
    first->MarkRemoved();
    last->MarkRemoved();
    EXPECT_EQ(World().GetObjects().size(), 3u) << "marking alone takes nothing out";
    World().Step(1);
    EXPECT_EQ(World().GetObjects().size(), 1u);
    EXPECT_EQ(World().GetObjects().front(), kept);
    EXPECT_EQ(Manager().FindGroup("Thing")->GetCount(), 1);
    EXPECT_EQ(Manager().FindGroup("Other")->GetCount(), 0);
    EXPECT_EQ(positions[0], Vector3(0, 0, 0)) << "not integrated in the step that removes it";
    EXPECT_EQ(kept->GetPosition(), Vector3(1, 0, 0));
}

TEST_F(PhysicsWorldTest, ObjectsTakenOutByAStepStayTheirOwnersUntilHandedBack) {
    iPhysicsCmp* first = Make("Thing", "first", {0, 0, 0});
    iPhysicsCmp* second = Make("Thing", "second", {0, 0, 0});
    const std::size_t free_before = World().GetPool().Free().size();
    first->MarkRemoved();
    second->MarkRemoved();
    World().Step(1);
    EXPECT_EQ(World().GetPool().Free().size(), free_before) << "a step never hands an object to a new owner";
    EXPECT_EQ(Manager().FindGroup("Thing")->GetCount(), 0);
    EXPECT_NE(first->GetShape(), nullptr) << "still intact for its owner";

    World().ReleaseObject(second);
    World().ReleaseObject(first);
    const auto& free = World().GetPool().Free();
    ASSERT_EQ(free.size(), free_before + 2);
    EXPECT_EQ(free[free.size() - 2], second);
    EXPECT_EQ(free.back(), first);
}

TEST_F(PhysicsWorldTest, CreateObjectInitialisesTheObjectAndJoinsItsGroup) {
    Manager().ConfigureGrids();
    Manager().GetGroup("Wall", eCollisionGroupKind::Grid);
    Vector3 position(4, 5, 6);
    iPhysicsCmp* wall = World().CreateObject("Wall", nullptr, "WallBlock", &position);
    iPhysicsCmp* enemy = World().CreateObject("Enemy", nullptr, "BombEnemy", &position);
    EXPECT_EQ(Manager().FindGroup("Enemy")->GetKind(), eCollisionGroupKind::Singular) << "made for a new name";
    EXPECT_EQ(Manager().FindGroup("Wall")->GetMembers().front(), wall);
    EXPECT_EQ(Manager().FindGroup("Enemy")->GetMembers().front(), enemy);

    const auto& object = dynamic_cast<const cPhysicsObject&>(*enemy);
    EXPECT_EQ(object.GetName(), "BombEnemy");
    EXPECT_EQ(object.GetGroupName(), "Enemy");
    EXPECT_EQ(object.position, &position);
    EXPECT_EQ(object.shapeKind, 0);
    EXPECT_EQ(object.flags, 0);
    EXPECT_EQ(object.restitution, 0);
    EXPECT_EQ(object.damping, 1.0f);
    EXPECT_EQ(object.callback, nullptr);
    EXPECT_EQ(object.owner, nullptr);
    EXPECT_EQ(object.velocity, Vector3());
    const Engine::cCollisionAABB& box = BoxOf(enemy);
    EXPECT_EQ(box.min, Vector3(-0.5f, -0.5f, -0.5f)) << "a default unit box until the first step";
    EXPECT_EQ(box.max, Vector3(0.5f, 0.5f, 0.5f));
    EXPECT_EQ(World().GetObjects().size(), 2u);
}

TEST_F(PhysicsWorldTest, ThePoolHandsOutInBlockOrderAndGrowsByBlocksOf64) {
    const Engine::cPhysicsObjectPool& pool = World().GetPool();
    EXPECT_EQ(pool.ChunkCount(), 1u);
    EXPECT_EQ(pool.All().size(), 64u);
    EXPECT_EQ(pool.Free().size(), 64u);
    std::vector<Vector3> positions(65);
    for (int i = 0; i < 64; ++i) {
        iPhysicsCmp* object = World().CreateObject("Thing", nullptr, "t", &positions[static_cast<std::size_t>(i)]);
        EXPECT_EQ(object, pool.All()[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(pool.ChunkCount(), 1u);
    EXPECT_TRUE(pool.Free().empty());
    World().CreateObject("Thing", nullptr, "t", &positions[64]);
    EXPECT_EQ(pool.ChunkCount(), 2u);
    EXPECT_EQ(pool.All().size(), 128u);
    EXPECT_EQ(pool.Free().size(), 63u);
}

TEST_F(PhysicsWorldTest, AReleasedObjectComesBackFreshAndIsNeverQueuedTwice) {
    Vector3 position;
    iPhysicsCmp* object = World().CreateObject("Thing", nullptr, "old", &position);
    object->SetFlag(ePhysicsFlags::Static, true);
    object->MarkRemoved();
    object->SetRestitution(0.7f);
    int owner = 0;
    object->SetOwner(&owner);
    World().ReleaseObject(object);
    World().ReleaseObject(object);
    EXPECT_EQ(Manager().FindGroup("Thing")->GetCount(), 0);
    const auto& free = World().GetPool().Free();
    EXPECT_EQ(std::count(free.begin(), free.end(), object), 1);

    for (std::size_t i = free.size(); i > 1; --i) World().CreateObject("Filler", nullptr, "filler", &position);
    iPhysicsCmp* reused = World().CreateObject("Fresh", nullptr, "new", &position);
    ASSERT_EQ(reused, object);
    EXPECT_FALSE(reused->IsRemoved());
    EXPECT_FALSE(reused->HasFlag(ePhysicsFlags::Static));
    EXPECT_EQ(reused->GetRestitution(), 0);
    EXPECT_EQ(reused->GetOwner(), nullptr);
    EXPECT_EQ(reused->GetGroupName(), "Fresh");
    EXPECT_NE(reused->GetShape(), nullptr);
}

TEST_F(PhysicsWorldTest, ClearObjectsEmptiesTheWorldAndGroupsWithoutHandingBack) {
    Make("A", "a", {0, 0, 0});
    Make("B", "b", {0, 0, 0});
    const std::size_t free_before = World().GetPool().Free().size();
    World().ClearObjects();
    EXPECT_TRUE(World().GetObjects().empty());
    EXPECT_EQ(Manager().FindGroup("A")->GetCount(), 0);
    EXPECT_EQ(Manager().FindGroup("B")->GetCount(), 0);
    EXPECT_EQ(World().GetPool().Free().size(), free_before);
}

TEST_F(PhysicsWorldTest, ResetSetsGravityAndStartsEmpty) {
    EXPECT_EQ(World().GetGravity(), Vector3(0, 0, 0));
    Make("A", "a", {0, 0, 0});
    World().Reset({0, -10, 0});
    EXPECT_EQ(World().GetGravity(), Vector3(0, -10, 0));
    EXPECT_TRUE(World().GetObjects().empty());
}

// Falls from rest onto a static floor: gravity, the step and the pass together.
TEST_F(PhysicsWorldTest, UpdateStepsThenRunsTheCollisionPass) {
    World().Reset({0, -10, 0});
    iPhysicsCmp* floor = Make("Floor", "floor", {0, -0.5f, 0}, {5, 0.5f, 5});
    floor->SetFlag(ePhysicsFlags::Static, true);
    iPhysicsCmp* kid = Make("Kid", "kid", {0, 0.52f, 0});
    kid->SetFlag(ePhysicsFlags::Gravity, true);
    Manager().AddGroupPair("Kid", "Floor");
    World().Update(0.1f);
    EXPECT_EQ(ContactJournal(), (std::vector<std::string>{"kid>floor", "floor>kid"}));
    EXPECT_NEAR(kid->GetPosition().y, 0.5f, 1e-5f) << "pushed back up onto the floor";
    EXPECT_EQ(floor->GetPosition(), Vector3(0, -0.5f, 0));
}

TEST_F(PhysicsWorldTest, AnObjectWithoutAPositionIsLoggedAndStaysHarmless) {
    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory in_dir(dir.Path());
    Engine::cLog::Destroy();
    iPhysicsCmp* object = World().CreateObject("Thing", nullptr, "Lost", nullptr);
    object->SetVelocity({1, 1, 1});
    World().Step(0.5f);
    object->SetPosition({1, 2, 3});
    EXPECT_EQ(object->GetPosition(), Vector3());
    Engine::cLog::Destroy();
    EXPECT_EQ(TestSupport::ReadFile(dir.File("Engine.log")),
              "Error: cPhysicsWorld::CreateObject: no position given for \"Lost\"\n");
}

}  // namespace
}  // namespace PhysicsTests
