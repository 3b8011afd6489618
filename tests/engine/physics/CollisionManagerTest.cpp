// The collision manager: groups by name, group pairs, and the per-frame pass
// with its resolution and callback order.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/engine/physics/PhysicsFixture.h"

namespace PhysicsTests {
namespace {

using Engine::eCollisionGroupKind;
using Engine::ePhysicsFlags;
using Engine::iPhysicsCmp;
using Engine::Vector3;
using Strings = std::vector<std::string>;

void ExpectNear(const Vector3& actual, const Vector3& expected, const std::string& label) {
    EXPECT_NEAR(actual.x, expected.x, 1e-4f) << label;
    EXPECT_NEAR(actual.y, expected.y, 1e-4f) << label;
    EXPECT_NEAR(actual.z, expected.z, 1e-4f) << label;
}

using CollisionManagerTest = PhysicsFixture;

TEST_F(CollisionManagerTest, GetGroupFindsByExactNameOrCreatesTheKindAsked) {
    Engine::iCollisionGroupCmp* wall = Manager().GetGroup("Wall", eCollisionGroupKind::Grid);
    ASSERT_NE(wall, nullptr);
    EXPECT_EQ(wall->GetKind(), eCollisionGroupKind::Grid);
    EXPECT_EQ(wall->GetName(), "Wall");
    EXPECT_EQ(Manager().GetGroup("Wall", eCollisionGroupKind::Singular), wall) << "found whatever the kind";
    Engine::iCollisionGroupCmp* lower = Manager().GetGroup("wall", eCollisionGroupKind::ActiveGrid);
    ASSERT_NE(lower, wall) << "names are case-sensitive";
    EXPECT_EQ(lower->GetKind(), eCollisionGroupKind::ActiveGrid);
    EXPECT_EQ(Manager().GetGroup("Odd", static_cast<eCollisionGroupKind>(3)), nullptr);
    EXPECT_EQ(Manager().FindGroup("Odd"), nullptr);
    EXPECT_EQ(Manager().GetGroups().size(), 2u);
}

// The gameplay state's groups and pairs, in its order.
const std::pair<const char*, eCollisionGroupKind> kGameplayGroups[] = {
    {"Enemy", eCollisionGroupKind::Singular},      {"Kid", eCollisionGroupKind::Singular},
    {"Floor", eCollisionGroupKind::Singular},      {"Trigger", eCollisionGroupKind::Singular},
    {"StrokeTrap", eCollisionGroupKind::Singular}, {"Stroke", eCollisionGroupKind::Singular},
    {"Projectile", eCollisionGroupKind::Singular}, {"Item", eCollisionGroupKind::Singular},
    {"Wall", eCollisionGroupKind::Grid},           {"Trap", eCollisionGroupKind::Grid},
    {"CheckPoint", eCollisionGroupKind::Grid},     {"Door", eCollisionGroupKind::Singular},
    {"Decoration", eCollisionGroupKind::Singular}, {"DragEnemy", eCollisionGroupKind::Singular},
    {"Destructable", eCollisionGroupKind::Singular},
};
const std::pair<const char*, const char*> kGameplayPairs[] = {
    {"Kid", "Floor"},        {"DragEnemy", "DragEnemy"}, {"Kid", "Wall"},    {"Enemy", "Stroke"},
    {"DragEnemy", "Stroke"}, {"Item", "Kid"},            {"CheckPoint", "Kid"}, {"Destructable", "Stroke"},
    {"Destructable", "Kid"}, {"Kid", "Wall"},            {"Trigger", "Kid"}, {"Door", "Kid"},
    {"Projectile", "Kid"},   {"Enemy", "Kid"},           {"Trap", "Kid"},    {"DragEnemy", "Kid"},
    {"Decoration", "Kid"},
};

TEST_F(CollisionManagerTest, TheGameplayTableRegistersSixteenPairsAndGeneratesFromTheRightSide) {
    Manager().ConfigureGrids();
    for (const auto& [name, kind] : kGameplayGroups) Manager().GetGroup(name, kind);
    for (const auto& [first, second] : kGameplayPairs) Manager().AddGroupPair(first, second);
    EXPECT_EQ(Manager().GetGroupPairs().size(), 16u) << "the second (\"Kid\", \"Wall\") is a duplicate";
    EXPECT_EQ(Manager().GetGroupPairs().front().groupA, Manager().FindGroup("Floor"));
    EXPECT_EQ(Manager().GetGroupPairs().front().groupB, Manager().FindGroup("Kid"));

    Make("Kid", "Kid", {50.5f, 0, 50.5f});
    Make("Item", "Candy", {50.5f, 0, 50.5f});
    Make("Wall", "WallBlock", {50.5f, 0, 50.5f});
    Make("StrokeTrap", "Lonely", {50.5f, 0, 50.5f});
    Manager().ConfigureGrids();
    Manager().Update(1.0f / 60);
    EXPECT_EQ(CandidateTags(), Strings({"WallBlock>Kid", "Candy>Kid"}));
}

TEST_F(CollisionManagerTest, GroupPairsAreKeptOnceInEitherOrderAndNeedBothGroups) {
    Manager().GetGroup("A", eCollisionGroupKind::Singular);
    Manager().GetGroup("B", eCollisionGroupKind::Singular);
    Manager().AddGroupPair("A", "B");
    Manager().AddGroupPair("B", "A");
    Manager().AddGroupPair("A", "Missing");
    Manager().AddGroupPair("A", "A");
    ASSERT_EQ(Manager().GetGroupPairs().size(), 2u);
    Manager().RemoveGroupPair("Missing", "A");
    Manager().RemoveGroupPair("B", "A");
    ASSERT_EQ(Manager().GetGroupPairs().size(), 1u);
    EXPECT_EQ(Manager().GetGroupPairs().front().groupA, Manager().FindGroup("A"));
    EXPECT_EQ(Manager().GetGroupPairs().front().groupB, Manager().FindGroup("A"));
}

struct PenetrationCase {
    const char* label;
    Vector3 b_at;
    bool a_static;
    Vector3 a_after, b_after;
};

// A at the origin and B, both unit cubes and at rest, already overlapping.
TEST_F(CollisionManagerTest, OverlappingBoxesArePushedApartAlongTheSmallestOverlap) {
    const PenetrationCase cases[] = {
        {"A static: B moves the whole overlap", {0.8f, 0, 0}, true, {0, 0, 0}, {1, 0, 0}},
        {"both free: each moves the whole overlap", {0.8f, 0, 0}, false, {-0.2f, 0, 0}, {1, 0, 0}},
        {"B on the negative side", {-0.7f, 0, 0}, true, {0, 0, 0}, {-1, 0, 0}},
        {"smallest overlap on y", {0.3f, 0.9f, 0.2f}, true, {0, 0, 0}, {0.3f, 1, 0.2f}},
        {"smallest overlap on z", {0.3f, 0.2f, -0.6f}, true, {0, 0, 0}, {0.3f, 0.2f, -1}},
        {"tie between x and y keeps x", {0.8f, 0.8f, 0}, true, {0, 0, 0}, {1, 0.8f, 0}},
        {"centres together push along x", {0, 0, 0}, false, {-1, 0, 0}, {1, 0, 0}},
    };
    for (const PenetrationCase& c : cases) {
        Fresh();
        ContactJournal().clear();
        iPhysicsCmp* b = Make("B", "b", c.b_at);
        iPhysicsCmp* a = Make("A", "a", {0, 0, 0});
        a->SetFlag(ePhysicsFlags::Static, c.a_static);
        Manager().AddGroupPair("A", "B");
        Manager().Update(1.0f / 60);
        ExpectNear(a->GetPosition(), c.a_after, std::string(c.label) + ": A");
        ExpectNear(b->GetPosition(), c.b_after, std::string(c.label) + ": B");
        EXPECT_EQ(ContactJournal(), Strings({"a>b", "b>a"})) << c.label;
        EXPECT_EQ(b->GetVelocity(), Vector3()) << c.label << ": velocities are not changed";
    }
}

// Journals where both objects stand when the callback runs.
std::int32_t JournalPositions(iPhysicsCmp* self, iPhysicsCmp* other) {
    const Vector3 mine = self->GetPosition(), theirs = other->GetPosition();
    std::ostringstream text;
    text << self->GetName() << " at " << mine.x << ", " << other->GetName() << " at " << theirs.x;
    ContactJournal().push_back(text.str());
    return 0;
}

TEST_F(CollisionManagerTest, CallbacksSeeThePositionsTheirPairWasPushedTo) {
    iPhysicsCmp* b = Make("B", "b", {0.8f, 0, 0});
    iPhysicsCmp* a = Make("A", "a", {0, 0, 0});
    a->SetCallback(&JournalPositions);
    b->SetCallback(&JournalPositions);
    Manager().AddGroupPair("A", "B");
    Manager().Update(1.0f / 60);
    EXPECT_EQ(ContactJournal(), Strings({"a at -0.2, b at 1", "b at 1, a at -0.2"}));
}

TEST_F(CollisionManagerTest, NoResponseOnEitherSideMovesNothingButBothCallbacksRun) {
    const std::pair<bool, bool> flags[] = {{true, false}, {false, true}, {true, true}};
    for (const auto& [a_flag, b_flag] : flags) {
        Fresh();
        ContactJournal().clear();
        iPhysicsCmp* a = Make("A", "a", {0, 0, 0});
        iPhysicsCmp* b = Make("B", "b", {0.8f, 0, 0});
        a->SetFlag(ePhysicsFlags::NoResponse, a_flag);
        b->SetFlag(ePhysicsFlags::NoResponse, b_flag);
        Manager().AddGroupPair("A", "B");
        Manager().Update(1.0f / 60);
        EXPECT_EQ(a->GetPosition(), Vector3(0, 0, 0));
        EXPECT_EQ(b->GetPosition(), Vector3(0.8f, 0, 0));
        EXPECT_EQ(ContactJournal(), Strings({"a>b", "b>a"}));
    }
}

// A fast box that passed into a static wall within the frame: put back to its
// contact point, then the rest of the frame with the x velocity reflected.
TEST_F(CollisionManagerTest, AFastObjectBouncesOffAWallFromItsContactPoint) {
    const float dt = 0.1f;
    for (const float restitution : {0.0f, 0.5f}) {
        Fresh();
        iPhysicsCmp* wall = Make("Wall", "wall", {0, 0, 0});
        wall->SetFlag(ePhysicsFlags::Static, true);
        iPhysicsCmp* ball = Make("Ball", "ball", {3, 0, 0});
        ball->SetVelocity({-60, 0, 5});
        ball->SetRestitution(restitution);
        Manager().AddGroupPair("Ball", "Wall");
        Manager().Update(dt);
        ASSERT_EQ(Manager().GetColliding().size(), 1u);
        const Engine::cCollisionPairObj& pair = Manager().GetColliding().front();
        EXPECT_NEAR(pair.time, 2.0f / 60, 1e-6f);
        EXPECT_EQ(pair.axis, 0);
        // Contact point 3 + (0.1 - 1/30) * 60 = 7; then the remaining 1/15 s at 60 * restitution.
        ExpectNear(ball->GetPosition(), {7 + 4 * restitution, 0, 0}, "restitution " + std::to_string(restitution));
        ExpectNear(ball->GetVelocity(), {60 * restitution, 0, 5}, "velocity");
        EXPECT_EQ(wall->GetPosition(), Vector3(0, 0, 0));
    }
}

// Both objects moved less than their size: the penetration branch runs even
// though the swept test found a contact ahead, closing the remaining gap.
TEST_F(CollisionManagerTest, SlowObjectsMeetingWithinTheFrameAreResolvedByOverlap) {
    iPhysicsCmp* wall = Make("Wall", "wall", {0, 0, 0});
    wall->SetFlag(ePhysicsFlags::Static, true);
    iPhysicsCmp* ball = Make("Ball", "ball", {1.2f, 0, 0});
    ball->SetVelocity({-1, 0, 0});
    Manager().AddGroupPair("Ball", "Wall");
    Manager().Update(0.5f);
    ASSERT_EQ(Manager().GetColliding().size(), 1u);
    EXPECT_GT(Manager().GetColliding().front().time, 0);
    ExpectNear(ball->GetPosition(), {1, 0, 0}, "moved into touching contact");
    EXPECT_EQ(ball->GetVelocity(), Vector3(-1, 0, 0));
}

TEST_F(CollisionManagerTest, PairsThatDoNotMeetAreDroppedWithoutCallbacks) {
    Make("A", "a", {0, 0, 0});
    Make("B", "b", {5, 0, 0});
    Manager().AddGroupPair("A", "B");
    Manager().Update(1.0f / 60);
    EXPECT_EQ(Manager().GetCandidates().size(), 1u);
    EXPECT_TRUE(Manager().GetColliding().empty());
    EXPECT_TRUE(ContactJournal().empty());
}

TEST_F(CollisionManagerTest, CallbacksFollowTheGroupPairsThenTheMembers) {
    for (const char* name : {"x1", "x2"}) Make("X", name, {0, 0, 0})->SetFlag(ePhysicsFlags::NoResponse, true);
    Make("Kid", "kid", {0, 0, 0});
    Make("Y", "y", {0, 0, 0});
    Manager().AddGroupPair("Y", "Kid");
    Manager().AddGroupPair("X", "Kid");
    Make("Kid", "nocallback", {9, 9, 9})->SetCallback(nullptr);
    Manager().Update(1.0f / 60);
    EXPECT_EQ(ContactJournal(), Strings({"y>kid", "kid>y", "x1>kid", "kid>x1", "x2>kid", "kid>x2"}));
}

// Removes, deactivates or hands back the other object of a contact.
std::int32_t TakeOtherOutOfPlay(iPhysicsCmp* self, iPhysicsCmp* other) {
    JournalContact(self, other);
    if (other->GetName() == "doomed") other->MarkRemoved();
    if (other->GetName() == "sleepy") other->SetDisabled(true);
    if (other->GetName() == "recycled") Engine::cPhysicsWorld::Instance().ReleaseObject(other);
    return 0;
}

TEST_F(CollisionManagerTest, AnObjectTakenOutOfPlayByACallbackStillMeetsTheRestOfItsPass) {
    for (const char* victim : {"doomed", "sleepy"}) {
        Fresh();
        ContactJournal().clear();
        Make("Hunter", "hunter", {0, 0, 0})->SetCallback(&TakeOtherOutOfPlay);
        iPhysicsCmp* target = Make("Target", victim, {0, 0, 0});
        target->SetFlag(ePhysicsFlags::NoResponse, true);
        Make("Bystander", "bystander", {0, 0, 0});
        Manager().AddGroupPair("Hunter", "Target");
        Manager().AddGroupPair("Bystander", "Target");
        Manager().AddGroupPair("Bystander", "Hunter");
        Manager().Update(1.0f / 60);
        const std::string name = victim;
        EXPECT_EQ(ContactJournal(), Strings({"hunter>" + name, name + ">hunter", "bystander>" + name,
                                             name + ">bystander", "bystander>hunter", "hunter>bystander"}))
            << "every pair found this frame is resolved and reported";

        World().Step(1.0f / 60);
        const bool removed = name == "doomed";
        EXPECT_EQ(Manager().FindGroup("Target")->GetCount(), removed ? 0 : 1);
        EXPECT_EQ(World().GetObjects().size(), removed ? 2u : 3u);
    }
}

TEST_F(CollisionManagerTest, AnObjectHandedBackByACallbackIsPassedOverSafely) {
    Make("Hunter", "hunter", {0, 0, 0})->SetCallback(&TakeOtherOutOfPlay);
    Make("Target", "recycled", {0, 0, 0});
    Make("Bystander", "bystander", {0, 0, 0});
    Manager().AddGroupPair("Hunter", "Target");
    Manager().AddGroupPair("Bystander", "Target");
    Manager().AddGroupPair("Bystander", "Hunter");
    Manager().Update(1.0f / 60);
    EXPECT_EQ(ContactJournal(), Strings({"hunter>recycled", "bystander>hunter", "hunter>bystander"}))
        << "released, the object has neither box nor callback left";
}

TEST_F(CollisionManagerTest, ClearEmptiesTheWorldListThenThePairsAndGroups) {
    Make("A", "a", {0, 0, 0});
    Make("B", "b", {0, 0, 0});
    Manager().AddGroupPair("A", "B");
    Manager().Update(1.0f / 60);
    ASSERT_EQ(Manager().GetColliding().size(), 1u);
    ContactJournal().clear();
    Manager().Clear();
    EXPECT_TRUE(Manager().GetCandidates().empty());
    EXPECT_TRUE(Manager().GetColliding().empty());
    EXPECT_TRUE(World().GetObjects().empty());
    EXPECT_TRUE(Manager().GetGroupPairs().empty());
    EXPECT_TRUE(Manager().GetGroups().empty());
    Manager().Update(1.0f / 60);
    EXPECT_TRUE(Manager().GetCandidates().empty());
    EXPECT_TRUE(ContactJournal().empty());
}

// Ends the level from inside a contact, as a state change in a callback would.
std::int32_t ClearEverything(iPhysicsCmp* self, iPhysicsCmp* other) {
    JournalContact(self, other);
    Engine::cCollisionManager::Instance().Clear();
    return 0;
}

TEST_F(CollisionManagerTest, ClearingFromACallbackEndsThePassSafely) {
    Make("A", "a1", {0, 0, 0})->SetCallback(&ClearEverything);
    Make("A", "a2", {0, 0, 0});
    Make("B", "b", {0, 0, 0});
    Manager().AddGroupPair("A", "B");
    Manager().Update(1.0f / 60);
    EXPECT_EQ(ContactJournal(), Strings({"a1>b", "b>a1"})) << "the second callback of the pair still runs";
    EXPECT_TRUE(Manager().GetGroups().empty());
    Manager().Update(1.0f / 60);
    EXPECT_EQ(ContactJournal().size(), 2u);
}

}  // namespace
}  // namespace PhysicsTests
