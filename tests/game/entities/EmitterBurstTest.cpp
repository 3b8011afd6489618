// Emitter kinds fired on request: how many records each burst stages under
// the room rule, and the start values it writes into them.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/Random.h"
#include "game/entities/cEmitterAura.h"
#include "game/entities/cEmitterCollectable.h"
#include "game/entities/cEmitterCrate.h"
#include "game/entities/cEmitterKey.h"
#include "game/entities/cEmitterPoof.h"
#include "game/entities/cEmitterPossessSplatter.h"
#include "game/entities/cEmitterRingExplode.h"
#include "game/entities/cEmitterSlashed.h"
#include "game/entities/cEmitterSpawn.h"
#include "game/entities/cEmitterSpawnOneUpwards.h"
#include "game/entities/cEmitterSplatter.h"

namespace {

using Engine::ParticleRecord;
using Engine::Vector3;
using Game::cStagingEmitter;

const Vector3 kPoint{3.0f, 1.0f, -2.0f};

// One kind with the burst the tests fire, the records one burst asks for,
// the staged count at which its bursts stop, and whether a burst that does
// not fit whole stages nothing instead of the room left.
struct BurstCase {
    std::string kind;
    std::function<std::unique_ptr<cStagingEmitter>()> make;
    std::function<void(cStagingEmitter&)> fire;
    uint32_t per_burst;
    uint32_t limit;
    bool all_or_nothing;
};

template <typename T>
BurstCase Case(const std::string& kind, std::function<void(T&)> fire, uint32_t per_burst, uint32_t limit,
               bool all_or_nothing = false) {
    return {kind, [] { return std::make_unique<T>(); },
            [fire](cStagingEmitter& e) { fire(static_cast<T&>(e)); }, per_burst, limit, all_or_nothing};
}

std::vector<BurstCase> Cases() {
    return {
        Case<Game::cEmitterAura>("Aura", [](auto& e) { e.Burst(7, kPoint); }, 7, 200),
        Case<Game::cEmitterCollectable>("Collectable", [](auto& e) { e.Burst(kPoint, 1.0f); }, 20, 200, true),
        Case<Game::cEmitterKey>("Key", [](auto& e) { e.Burst(kPoint, 0.5f); }, 20, 200, true),
        Case<Game::cEmitterCrate>("Crate", [](auto& e) { e.Burst(kPoint); }, 30, 150),
        Case<Game::cEmitterPoof>("Poof", [](auto& e) { e.Burst(kPoint); }, 5, 100),
        Case<Game::cEmitterPossessSplatter>("PossessSplatter", [](auto& e) { e.Burst(kPoint); }, 10, 50),
        Case<Game::cEmitterRingExplode>("RingExplode", [](auto& e) { e.Burst(kPoint, 0.5f); }, 25, 500),
        Case<Game::cEmitterSlashed>("Slashed", [](auto& e) { e.Burst(kPoint, {1.0f, 0.0f, 0.0f}); }, 20, 200),
        Case<Game::cEmitterSpawn>("Spawn", [](auto& e) { e.Burst(kPoint); }, 1, 100),
        Case<Game::cEmitterSplatter>("Splatter", [](auto& e) { e.Burst(kPoint); }, 30, 200),
    };
}

class EmitterBurstTest : public ::testing::Test {
protected:
    void SetUp() override { Engine::SeedRandomOnce(20261210u); }
};

// Copies of every staging record, to see which ones a burst wrote.
std::vector<ParticleRecord> Snapshot(const cStagingEmitter& e) {
    return {e.staging.get(), e.staging.get() + e.StagingSize()};
}

bool Same(const ParticleRecord& a, const ParticleRecord& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST_F(EmitterBurstTest, OneBurstStagesItsCountFromTheFront) {
    for (const BurstCase& c : Cases()) {
        SCOPED_TRACE(c.kind);
        auto emitter = c.make();
        emitter->Init();
        const auto before = Snapshot(*emitter);
        c.fire(*emitter);
        EXPECT_EQ(c.per_burst, emitter->staged);
        for (uint32_t i = c.per_burst; i < emitter->StagingSize(); ++i)
            EXPECT_TRUE(Same(before[i], emitter->staging[i])) << "record " << i << " lies past the burst";
    }
}

TEST_F(EmitterBurstTest, AFullStagingAreaStagesNothing) {
    for (const BurstCase& c : Cases()) {
        SCOPED_TRACE(c.kind);
        auto emitter = c.make();
        emitter->Init();
        emitter->staged = c.limit;
        const auto before = Snapshot(*emitter);
        c.fire(*emitter);
        EXPECT_EQ(c.limit, emitter->staged);
        for (uint32_t i = 0; i < emitter->StagingSize(); ++i)
            EXPECT_TRUE(Same(before[i], emitter->staging[i])) << "record " << i;
    }
}

TEST_F(EmitterBurstTest, ABurstLargerThanTheRoomStagesOnlyTheRoom) {
    for (const BurstCase& c : Cases()) {
        if (c.per_burst < 2) continue;
        SCOPED_TRACE(c.kind);
        auto emitter = c.make();
        emitter->Init();
        const uint32_t room = c.per_burst - 1;
        emitter->staged = c.limit - room;
        const auto before = Snapshot(*emitter);
        c.fire(*emitter);
        const uint32_t expected = c.all_or_nothing ? 0 : room;
        EXPECT_EQ(c.limit - room + expected, emitter->staged);
        for (uint32_t i = 0; i < emitter->StagingSize(); ++i) {
            const bool written = i >= c.limit - room && i < c.limit - room + expected;
            EXPECT_EQ(!written, Same(before[i], emitter->staging[i])) << "record " << i;
        }
    }
}

TEST_F(EmitterBurstTest, TwoBurstsInOneFrameStageBothSprays) {
    for (const BurstCase& c : Cases()) {
        SCOPED_TRACE(c.kind);
        auto emitter = c.make();
        emitter->Init();
        c.fire(*emitter);
        const auto first = Snapshot(*emitter);
        c.fire(*emitter);
        EXPECT_EQ(2 * c.per_burst, emitter->staged);
        for (uint32_t i = 0; i < c.per_burst; ++i)
            EXPECT_TRUE(Same(first[i], emitter->staging[i])) << "the second spray overwrote record " << i;
    }
}

// Kinds whose records slow to a stop: acceleration is minus the record's own velocity.
TEST_F(EmitterBurstTest, EachRecordsAccelerationMirrorsItsOwnVelocity) {
    for (const BurstCase& c : Cases()) {
        const bool mirrored = c.kind == "Collectable" || c.kind == "Key" || c.kind == "Poof" ||
                              c.kind == "PossessSplatter" || c.kind == "RingExplode";
        if (!mirrored) continue;
        SCOPED_TRACE(c.kind);
        auto emitter = c.make();
        emitter->Init();
        c.fire(*emitter);
        c.fire(*emitter);
        bool any_moving = false;
        for (uint32_t i = 0; i < emitter->staged; ++i) {
            const ParticleRecord& r = emitter->staging[i];
            EXPECT_EQ(-r.velocity, r.acceleration) << "record " << i;
            any_moving = any_moving || r.velocity != Vector3{};
        }
        EXPECT_TRUE(any_moving);
    }
}

float Horizontal(const Vector3& v) { return std::sqrt(v.x * v.x + v.z * v.z); }

TEST_F(EmitterBurstTest, AuraSparksFadeWithTheirDistanceFromThePoint) {
    Game::cEmitterAura aura;
    aura.Init();
    aura.Burst(200, kPoint);
    ASSERT_EQ(200u, aura.staged);
    aura.Burst(5, kPoint);
    EXPECT_EQ(200u, aura.staged);
    aura.staged = 0;
    aura.Burst(-3, kPoint);
    EXPECT_EQ(0u, aura.staged) << "a negative count stages nothing";
    for (uint32_t i = 0; i < 200; ++i) {
        const ParticleRecord& r = aura.staging[i];
        const Vector3 offset = r.position - kPoint;
        EXPECT_EQ(0.0f, offset.y);
        EXPECT_LE(Horizontal(offset), 1.98f + 1e-4f);
        EXPECT_NEAR(1.25f - Horizontal(offset) / 2.0f, r.alpha_birth, 1e-4f);
        EXPECT_EQ(1.0f, r.life);
        EXPECT_NEAR(1.0f, Engine::Length(r.acceleration), 1e-5f);
    }
}

TEST_F(EmitterBurstTest, CollectableSparklesFlyFlatAtTwiceTheStrength) {
    for (float strength : {1.0f, 0.5f}) {
        Game::cEmitterKey key;
        key.Init();
        key.Burst(kPoint, strength);
        int lifted = 0;
        for (uint32_t i = 0; i < key.staged; ++i) {
            const ParticleRecord& r = key.staging[i];
            EXPECT_EQ(r.lifetime, r.life);
            EXPECT_EQ(0.0f, r.velocity.y);
            const Vector3 out = r.velocity / (2.0f * strength);
            if (Engine::Length(out) < 1e-6f) continue;
            EXPECT_NEAR(1.0f, Engine::Length(out), 1e-5f);
            EXPECT_NEAR(kPoint.x + 0.1f * out.x, r.position.x, 1e-5f);
            EXPECT_NEAR(kPoint.z + 0.1f * out.z, r.position.z, 1e-5f);
            EXPECT_GE(r.position.y, kPoint.y - 0.5f);
            EXPECT_LE(r.position.y, kPoint.y + 0.49f + 1e-5f);
            if (r.position.y != kPoint.y) ++lifted;
        }
        EXPECT_GT(lifted, 10) << "heights are drawn around the point's";
    }
}

TEST_F(EmitterBurstTest, CrateSplintersLeaveAboveThePointSpinning) {
    Game::cEmitterCrate crate;
    crate.Init();
    crate.staged = 121;
    crate.Burst(kPoint);
    EXPECT_EQ(150u, crate.staged) << "past 120 staged, only the room left";
    crate.staged = 0;
    crate.Burst(kPoint);
    for (uint32_t i = 0; i < crate.staged; ++i) {
        const ParticleRecord& r = crate.staging[i];
        EXPECT_EQ(kPoint + Vector3(0.0f, 0.5f, 0.0f), r.position);
        EXPECT_GE(r.life, 1.75f);
        EXPECT_LE(r.life, 1.99f + 1e-5f);
        EXPECT_GE(Engine::Length(r.velocity), 2.5f - 1e-4f);
        EXPECT_LE(Engine::Length(r.velocity), 2.99f + 1e-4f);
        EXPECT_EQ(Vector3(0.0f, -5.0f, 0.0f), r.acceleration);
        EXPECT_GE(r.spin_death, 0.0f);
        EXPECT_LE(r.spin_death, 0.99f * 3.141592f + 1e-5f);
        if (r.spin_death > 0.0f) {
            EXPECT_GE(r.spin_birth / r.spin_death, 1.0f - 1e-5f);
            EXPECT_LE(r.spin_birth / r.spin_death, 1.49f + 1e-5f);
        }
    }
}

TEST_F(EmitterBurstTest, PoofsRiseTowardsNegativeXAndZ) {
    Game::cEmitterPoof poof;
    poof.Init();
    for (int i = 0; i < 20; ++i) poof.Burst(kPoint);
    ASSERT_EQ(100u, poof.staged) << "bursts stop one short of the staging size";
    for (uint32_t i = 0; i < poof.staged; ++i) {
        const ParticleRecord& r = poof.staging[i];
        EXPECT_EQ(kPoint, r.position);
        EXPECT_GE(r.life, 0.75f);
        EXPECT_LE(r.life, 0.99f + 1e-5f);
        EXPECT_GE(r.velocity.x, -3.0f);
        EXPECT_LE(r.velocity.x, 0.0f);
        EXPECT_GE(r.velocity.y, 0.0f);
        EXPECT_LE(r.velocity.y, 3.0f);
        EXPECT_GE(r.velocity.z, -3.0f);
        EXPECT_LE(r.velocity.z, 0.0f);
    }
}

TEST_F(EmitterBurstTest, PossessDropsRiseStraightUp) {
    Game::cEmitterPossessSplatter splatter;
    splatter.Init();
    for (int i = 0; i < 5; ++i) splatter.Burst(kPoint);
    for (uint32_t i = 0; i < splatter.staged; ++i) {
        const ParticleRecord& r = splatter.staging[i];
        EXPECT_EQ(kPoint, r.position);
        EXPECT_EQ(0.0f, r.velocity.x);
        EXPECT_EQ(0.0f, r.velocity.z);
        EXPECT_GE(r.velocity.y, 0.0f);
        EXPECT_LE(r.velocity.y, 5.0f * 0.99f + 1e-5f);
    }
}

TEST_F(EmitterBurstTest, RingExplodeStagesFiftyPerUnitOfRadius) {
    struct RadiusCase {
        float radius;
        uint32_t count;
    };
    const RadiusCase cases[] = {{0.5f, 25},  {1.0f, 50},  {1.99f, 99},    {0.01f, 0},
                                {0.0f, 0},   {-1.0f, 0},  {100.0f, 500}, {std::numeric_limits<float>::quiet_NaN(), 0},
                                {std::numeric_limits<float>::infinity(), 500}};
    for (const RadiusCase& c : cases) {
        SCOPED_TRACE(c.radius);
        Game::cEmitterRingExplode explode;
        explode.Init();
        explode.Burst(kPoint, c.radius);
        EXPECT_EQ(c.count, explode.staged);
    }
    Game::cEmitterRingExplode explode;
    explode.Init();
    explode.Burst(kPoint, 2.0f);
    for (uint32_t i = 0; i < explode.staged; ++i) {
        const ParticleRecord& r = explode.staging[i];
        const float flat = Horizontal(r.velocity);
        if (flat > 0.0f) {
            EXPECT_NEAR(4.0f, flat, 1e-4f);
        }
        EXPECT_EQ(std::floor(r.velocity.y), r.velocity.y) << "the upward kick is whole";
        EXPECT_GE(r.velocity.y, 0.0f);
        EXPECT_LE(r.velocity.y, 4.0f);
        EXPECT_LE(Horizontal(r.position - kPoint), 0.1f + 1e-5f);
    }
}

TEST_F(EmitterBurstTest, SlashSparksStartBackAlongTheNormalisedCut) {
    Game::cEmitterSlashed slashed;
    slashed.Init();
    const Vector3 cut{0.0f, 0.0f, 10.0f};
    slashed.Burst(kPoint, cut);
    for (uint32_t i = 0; i < slashed.staged; ++i) {
        const ParticleRecord& r = slashed.staging[i];
        const Vector3 jitter = r.position - (kPoint - Vector3{0.0f, 0.0f, 0.25f});
        EXPECT_NEAR(0.0f, jitter.y, 1e-6f);
        EXPECT_LE(Horizontal(jitter), 0.09f + 1e-5f);
        EXPECT_EQ(0.5f, r.life);
        EXPECT_EQ(Vector3(0.0f, -r.velocity.y, 0.0f), r.acceleration);
        EXPECT_GE(r.velocity.y, 0.0f);
        EXPECT_LE(Engine::Length(r.velocity), 2.0f * 3.99f + 1e-4f);
    }
}

TEST_F(EmitterBurstTest, SpawnStagesOneStillMarkWithAFullLife) {
    Game::cEmitterSpawn spawn;
    spawn.Init();
    spawn.Burst(kPoint);
    ASSERT_EQ(1u, spawn.staged);
    EXPECT_EQ(kPoint, spawn.staging[0].position);
    EXPECT_EQ(1.5f, spawn.staging[0].life);
    EXPECT_EQ(Vector3{}, spawn.staging[0].velocity);
    EXPECT_EQ(Vector3{}, spawn.staging[0].acceleration);
}

TEST_F(EmitterBurstTest, SplatterDropsLeaveHalfAUnitUpAndFall) {
    Game::cEmitterSplatter splatter;
    splatter.Init();
    splatter.Burst(kPoint);
    for (uint32_t i = 0; i < splatter.staged; ++i) {
        const ParticleRecord& r = splatter.staging[i];
        EXPECT_EQ(kPoint + Vector3(0.0f, 0.5f, 0.0f), r.position);
        EXPECT_EQ(Vector3(0.0f, -20.0f, 0.0f), r.acceleration);
        EXPECT_GE(r.life, 0.75f);
        EXPECT_LE(r.life, 0.99f + 1e-5f);
        EXPECT_GE(r.velocity.y, 0.0f);
        EXPECT_LE(std::fabs(r.velocity.x), 2.5f);
        EXPECT_LE(std::fabs(r.velocity.z), 2.5f);
    }
}

TEST_F(EmitterBurstTest, SpawnOneUpwardsAlwaysStagesOneWholeSign) {
    Game::cEmitterSpawnOneUpwards sign;
    sign.Burst();
    EXPECT_EQ(0u, sign.staged) << "nothing to write before Init";
    sign.Init();
    sign.position = kPoint;
    sign.staging[0].spin_death = 9.0f;
    sign.Burst();
    sign.Burst();
    ASSERT_EQ(1u, sign.staged);
    const ParticleRecord& r = sign.staging[0];
    EXPECT_EQ(kPoint + Vector3(0.0f, 3.0f, 0.0f), r.position);
    EXPECT_EQ(2.0f, r.life);
    EXPECT_EQ(2.0f, r.lifetime);
    EXPECT_EQ(0.0f, r.alpha_death);
    EXPECT_EQ(1.0f, r.alpha_birth);
    EXPECT_EQ(0.5f, r.size_death);
    EXPECT_EQ(0.5f, r.size_birth);
    EXPECT_EQ(0.0f, r.spin_death) << "the whole record is written";
    EXPECT_EQ(Vector3{}, r.velocity);
    EXPECT_EQ(Vector3(0.0f, 2.0f, 0.0f), r.acceleration);
}

}  // namespace
