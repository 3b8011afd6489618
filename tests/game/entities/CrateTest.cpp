// Crates and indestructible props: slashes at speed add the stroke's attack
// power (flash, sound, a hit for the stroke); a crate broken by slashing or by
// two seconds of holding plays its breaking sound, fires its splinters and
// leaves play; a held crate passes through things; a prop never breaks.

#include <gtest/gtest.h>

#include <string>

#include "engine/physics/ePhysicsFlags.h"
#include "game/entities/cDestructables.h"
#include "game/entities/cUndestructable.h"
#include "tests/game/entities/ItemFixture.h"

namespace {

using Engine::Vector3;
using Game::cDestructables;
using Game::eCrateState;
namespace Types = Game::GAME_ENT_TYPES;

class CrateTest : public ItemFields::ItemFixture {
protected:
    // Keeps the stroke on the crate, slashing or not, for seconds.
    void Slash(const cDestructables& crate, bool slashing, float seconds) {
        for (float t = 0.0f; t < seconds; t += EnemyTest::kFrame) {
            stroke->slashing = slashing;
            stroke->physics->SetVelocity({12.0f, 0.0f, 0.0f});
            Place(*stroke, crate.position);
            Step();
        }
    }

    std::uint32_t SplinterRoom() const { return Game::cGlobalEffects::Instance().Crate()->Room(); }
};

TEST_F(CrateTest, SlashingAtSpeedBreaksACrateWithItsSoundAndSplinters) {
    const std::uint32_t room = SplinterRoom();
    cDestructables* crate = MakeItem<cDestructables>(Types::DESTRUCTABLES, {3.0f, 0.0f, 0.0f});
    ASSERT_NE(crate, nullptr);
    EXPECT_EQ(crate->name, "Destructable");
    EXPECT_EQ(crate->physics->GetGroupName(), "Destructable");
    EXPECT_FLOAT_EQ(crate->health, 0.25f);
    // Merely touched by a stroke that is not slashing, it takes nothing.
    Slash(*crate, false, 0.5f);
    EXPECT_FLOAT_EQ(crate->damage, 0.0f);
    EXPECT_EQ(stroke->hits, 0);
    EXPECT_EQ(crate->State(), eCrateState::Idle);

    Slash(*crate, true, 1.0f);
    EXPECT_EQ(stroke->hits, 3) << "three hits of 0.1 break a crate of health 0.25, one per flash";
    EXPECT_EQ(PlayedOnce("SlashMonster"), 3);
    EXPECT_EQ(PlayedOnce("CrateBreak"), 1);
    EXPECT_EQ(SplinterRoom(), room - Game::cEmitterCrate::kBurstCount);
    EXPECT_FALSE(crate->active);
    EXPECT_TRUE(crate->queued);
}

TEST_F(CrateTest, HoldingACrateForTwoSecondsBreaksItAndItPassesThroughThingsMeanwhile) {
    const std::uint32_t room = SplinterRoom();
    cDestructables* crate = MakeItem<cDestructables>(Types::DESTRUCTABLES, {3.0f, 0.0f, 0.0f});
    ASSERT_NE(crate, nullptr);
    EXPECT_FALSE(crate->physics->HasFlag(Engine::ePhysicsFlags::NoResponse)) << "the kid bumps into a crate";
    crate->SetHeld(true);
    stroke->grabbed = crate;
    EXPECT_TRUE(crate->physics->HasFlag(Engine::ePhysicsFlags::NoResponse));
    Run(1.5f);
    EXPECT_EQ(crate->State(), eCrateState::Idle);
    EXPECT_LT(crate->scale.x, 1.0f) << "the hold shrinks it";
    Run(0.7f);
    EXPECT_EQ(PlayedOnce("CrateBreak"), 1);
    EXPECT_EQ(SplinterRoom(), room - Game::cEmitterCrate::kBurstCount);
    EXPECT_TRUE(crate->queued);
    EXPECT_EQ(stroke->grabbed, nullptr) << "the stroke lets go of a broken crate";
}

TEST_F(CrateTest, ACrateLetGoStopsThingsAgain) {
    cDestructables* crate = MakeItem<cDestructables>(Types::DESTRUCTABLES, {3.0f, 0.0f, 0.0f});
    ASSERT_NE(crate, nullptr);
    crate->SetHeld(true);
    crate->SetHeld(false);
    EXPECT_FALSE(crate->held);
    EXPECT_FALSE(crate->physics->HasFlag(Engine::ePhysicsFlags::NoResponse));
}

TEST_F(CrateTest, AnIndestructiblePropFlashesAndCountsHitsButNeverBreaks) {
    const std::uint32_t room = SplinterRoom();
    cDestructables* prop = MakeItem<cDestructables>(Types::UNDESTRUCTABLE, {3.0f, 0.0f, 0.0f});
    ASSERT_NE(prop, nullptr);
    EXPECT_EQ(prop->physics->GetName(), "Undestructable");
    EXPECT_FLOAT_EQ(prop->hold_rate, 0.0f);
    Slash(*prop, true, 2.0f);
    EXPECT_GE(stroke->hits, 6);
    EXPECT_EQ(PlayedOnce("SlashMonster"), stroke->hits);
    EXPECT_EQ(prop->State(), eCrateState::Idle);
    EXPECT_TRUE(prop->active);
    EXPECT_EQ(PlayedOnce("CrateBreak"), 0);
    EXPECT_EQ(SplinterRoom(), room);
    prop->SetHeld(true);
    Run(3.0f);
    EXPECT_TRUE(prop->active) << "holding it fills no meter";
}

TEST_F(CrateTest, ACrateWithoutItsStatsRecordIsRefusedAndLogged) {
    LoadStats("<EnemyStats><EnemyStat Name=\"DollEnemy\" Health=\"1\" Speed=\"1\" AttPower=\"1\"/></EnemyStats>");
    EXPECT_EQ(MakeItem<cDestructables>(Types::DESTRUCTABLES, {0.0f, 0.0f, 0.0f}), nullptr);
    EXPECT_NE(EngineLog().find("Error: crate \"Destructable\": the enemy stats table has no \"Destructable\" record"),
              std::string::npos);
}

}  // namespace
