// Doors: a locked door stands shut against a kid without a key (with its
// locked sign at most every 3 s), opens for a kid with one, uses the key up,
// is recorded by its ordinal, sinks and leaves play; a challenge door stands
// while a challenge runs; doors hold the kid and the stroke cannot grab them;
// fences stand still and stop the kid.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/physics/ePhysicsFlags.h"
#include "game/entities/cDoor.h"
#include "game/entities/cFence.h"
#include "game/entities/cLockedDoor.h"
#include "tests/game/entities/ItemFixture.h"

namespace {

using Engine::Vector3;
using Game::cDoor;
using Game::cFence;
using Game::cLockedDoor;
using Game::eDoorState;
namespace Types = Game::GAME_ENT_TYPES;

class DoorTest : public ItemFields::ItemFixture {
protected:
    // A door of the type that has finished rising at at, with the kid far away.
    template <typename T>
    T* Standing(Game::EntityTypeId type, const Vector3& at, std::uint32_t ordinal = 0) {
        T* door = MakeItem<T>(type, at, ordinal, {2.0f, 3.0f, 0.5f});
        if (door == nullptr) return nullptr;
        for (int i = 0; i < 200 && door->State() == eDoorState::Rise; ++i) Step();
        return door;
    }

    // The kid's cooldowns as after a while of play, so that its signs may show.
    void KidReadyForSigns() {
        kid->locked_door_cooldown = -1.0f;
        kid->door_open_cooldown = -1.0f;
    }

    Game::cCheckpointRecord& Record() { return Game::cLevelManager::Instance().checkpoint; }
};

TEST_F(DoorTest, ALockedDoorStaysShutWithoutAKeyAndSaysSoOnce) {
    KidReadyForSigns();
    cLockedDoor* door = Standing<cLockedDoor>(Types::LOCKED_DOOR, {0.0f, 0.0f, 0.0f}, 3);
    ASSERT_NE(door, nullptr);
    EXPECT_EQ(door->name, "LockedDoor");
    EXPECT_EQ(door->State(), eDoorState::Closed);
    Place(*kid, door->position);
    Run(2.0f);
    EXPECT_EQ(door->State(), eDoorState::Closed);
    EXPECT_FALSE(door->opened);
    EXPECT_FLOAT_EQ(door->position.y, 0.0f);
    EXPECT_TRUE(door->active);
    EXPECT_EQ(PlayedOnce("DoorLock"), 1) << "the kid is not stepped, so its 3 s cooldown never runs out";
    EXPECT_TRUE(Record().opened_doors.empty());
}

TEST_F(DoorTest, ALockedDoorOpensWithAKeyUsesItUpIsRecordedAndSinksAway) {
    KidReadyForSigns();
    kid->keys = 2;
    cLockedDoor* door = Standing<cLockedDoor>(Types::LOCKED_DOOR, {4.0f, 0.0f, 1.0f}, 5);
    ASSERT_NE(door, nullptr);
    Place(*kid, door->position);
    Step();
    EXPECT_TRUE(door->opened);
    EXPECT_EQ(kid->keys, 1) << "one key for one door, however long the kid stands there";
    EXPECT_EQ(Record().opened_doors, (std::vector<std::uint32_t>{5}));
    EXPECT_EQ(PlayedOnce("DoorOpen"), 1);
    EXPECT_EQ(PlayedOnce("DoorLock"), 0);
    Step();
    EXPECT_EQ(door->State(), eDoorState::Sink);
    Run(1.0f);
    EXPECT_NEAR(door->position.y, -1.0f, 0.05f) << "it sinks at one unit per second";
    EXPECT_EQ(kid->keys, 1);
    Run(1.1f);
    EXPECT_FALSE(door->active);
    EXPECT_TRUE(door->queued);
}

TEST_F(DoorTest, AChallengeDoorStandsWhileTheChallengeRunsThenSinks) {
    kid->challenge_time = 10.0f;
    cDoor* door = Standing<cDoor>(Types::DOOR, {0.0f, 0.0f, 6.0f});
    ASSERT_NE(door, nullptr);
    EXPECT_EQ(door->name, "Door");
    Run(1.0f);
    EXPECT_EQ(door->State(), eDoorState::Closed);
    kid->challenge_time = 0.0f;
    Step();
    Step();
    EXPECT_EQ(door->State(), eDoorState::Sink);
    Run(2.2f);
    EXPECT_TRUE(door->queued);
}

TEST_F(DoorTest, DoorsAndFencesAreStaticBodiesHalfTheirScaleThatTheStrokeCannotGrab) {
    cLockedDoor* door = Standing<cLockedDoor>(Types::LOCKED_DOOR, {0.0f, 0.0f, 0.0f});
    cFence* fence = MakeItem<cFence>(Types::FENCE, {5.0f, 0.0f, 0.0f}, 0, {4.0f, 2.0f, 1.0f});
    ASSERT_NE(door, nullptr);
    ASSERT_NE(fence, nullptr);
    EXPECT_FALSE(door->grabbable);
    struct Case {
        Engine::iPhysicsCmp* body;
        const char* group;
        const char* name;
        Vector3 half;
    };
    const Case cases[] = {{door->physics, "Door", "Door", {1.0f, 1.5f, 0.25f}},
                          {fence->physics, "Wall", "Fence", {2.0f, 1.0f, 0.5f}}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.body->GetGroupName(), c.group);
        EXPECT_EQ(c.body->GetName(), c.name);
        EXPECT_TRUE(c.body->HasFlag(Engine::ePhysicsFlags::Static)) << c.name;
        EXPECT_FALSE(c.body->HasFlag(Engine::ePhysicsFlags::NoResponse)) << c.name;
        const auto* box = Engine::cCollisionAABB::Of(c.body->GetShape());
        ASSERT_NE(box, nullptr);
        const Vector3 half = (box->max - box->min) * 0.5f;
        EXPECT_FLOAT_EQ(half.x, c.half.x) << c.name;
        EXPECT_FLOAT_EQ(half.y, c.half.y) << c.name;
        EXPECT_FLOAT_EQ(half.z, c.half.z) << c.name;
    }
    // A kid that runs into them is held back, and neither moves.
    kid->physics->SetFlag(Engine::ePhysicsFlags::NoResponse, false);
    Place(*kid, {5.0f, 0.0f, -3.0f});
    kid->physics->SetVelocity({0.0f, 0.0f, 6.0f});
    Run(1.0f);
    EXPECT_LT(kid->position.z, -0.9f) << "without the fence it would have walked on to z = 3";
    EXPECT_FLOAT_EQ(fence->position.z, 0.0f);
}

}  // namespace
