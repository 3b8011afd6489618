// Emitter kinds: staging sizes and the start values Init writes into every
// staging record, as one table of kinds.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/Random.h"
#include "game/entities/cEmitterAura.h"
#include "game/entities/cEmitterBossSpawn.h"
#include "game/entities/cEmitterBurrow.h"
#include "game/entities/cEmitterCollectable.h"
#include "game/entities/cEmitterCrate.h"
#include "game/entities/cEmitterFairy.h"
#include "game/entities/cEmitterKey.h"
#include "game/entities/cEmitterPTEnemy.h"
#include "game/entities/cEmitterPTPlayer.h"
#include "game/entities/cEmitterPoof.h"
#include "game/entities/cEmitterPossessSplatter.h"
#include "game/entities/cEmitterRing.h"
#include "game/entities/cEmitterRingExplode.h"
#include "game/entities/cEmitterSlashed.h"
#include "game/entities/cEmitterSpawn.h"
#include "game/entities/cEmitterSpawnOneUpwards.h"
#include "game/entities/cEmitterSplatter.h"
#include "game/entities/cEmitterWalk.h"
#include "game/entities/cEnvEmitterFog.h"
#include "game/entities/cEnvEmitterRain.h"
#include "game/entities/cEnvEmitterSplatter.h"

namespace {

using Engine::ParticleRecord;
using Engine::Vector3;
using Game::cStagingEmitter;

// A closed range a field must fall in; a fixed value has lo == hi.
struct Range {
    float lo;
    float hi;
};

constexpr Range Fixed(float v) { return {v, v}; }

// rnd(n) / divisor + offset for n draws: the range of a random default.
constexpr Range Drawn(int n, float divisor, float offset) {
    return {offset, static_cast<float>(n - 1) / divisor + offset};
}

constexpr float kForever = std::numeric_limits<float>::max();

struct DefaultsCase {
    std::string kind;
    std::function<std::unique_ptr<cStagingEmitter>()> make;
    uint32_t staging_size;
    Range life, lifetime, alpha_death, alpha_birth, size_death, size_birth, spin_death, spin_birth;
    Vector3 velocity;
    Vector3 acceleration;
};

template <typename T>
std::function<std::unique_ptr<cStagingEmitter>()> Maker() {
    return [] { return std::make_unique<T>(); };
}

const Range kZero = Fixed(0.0f);

std::vector<DefaultsCase> Cases() {
    const Vector3 none;
    return {
        {"Aura", Maker<Game::cEmitterAura>(), 200, kZero, Fixed(1.0f), kZero, kZero, kZero, Fixed(0.01f), kZero,
         kZero, none, none},
        {"BossSpawn", Maker<Game::cEmitterBossSpawn>(), 100, kZero, Fixed(1.0f), kZero, Fixed(1.0f), Fixed(3.0f),
         kZero, Drawn(200, 100.0f, 1.0f), {1.0f - 2.99f, 0.0f}, none, none},
        {"Burrow", Maker<Game::cEmitterBurrow>(), 1000, kZero, Fixed(0.5f), kZero, Fixed(1.0f), kZero,
         Drawn(35, 200.0f, 0.05f), kZero, kZero, none, none},
        {"Collectable", Maker<Game::cEmitterCollectable>(), 200, kZero, Fixed(1.0f), kZero, Fixed(1.0f), kZero,
         Drawn(50, 100.0f, 0.05f), Drawn(100, 10.0f, -5.0f), kZero, none, none},
        {"Key", Maker<Game::cEmitterKey>(), 200, kZero, Fixed(1.0f), kZero, Fixed(1.0f), kZero,
         Drawn(50, 100.0f, 0.05f), Drawn(100, 10.0f, -5.0f), kZero, none, none},
        {"Crate", Maker<Game::cEmitterCrate>(), 150, kZero, Fixed(2.0f), kZero, Fixed(1.0f), kZero,
         Drawn(10, 100.0f, 0.075f), kZero, kZero, none, {0.0f, -5.0f, 0.0f}},
        {"Fairy", Maker<Game::cEmitterFairy>(), 1000, kZero, Fixed(0.5f), Fixed(1.0f), kZero, kZero, Fixed(0.1f),
         kZero, kZero, none, none},
        {"Poof", Maker<Game::cEmitterPoof>(), 101, kZero, Fixed(1.0f), kZero, Fixed(1.0f), kZero,
         Drawn(50, 100.0f, 0.05f), kZero, kZero, none, none},
        {"PossessSplatter", Maker<Game::cEmitterPossessSplatter>(), 50, kZero, Fixed(0.5f), kZero, Fixed(1.0f),
         kZero, Drawn(35, 100.0f, 0.05f), kZero, kZero, none, none},
        {"Ring", Maker<Game::cEmitterRing>(), 200, kZero, Fixed(1.0f), kZero, Fixed(1.0f), kZero,
         Drawn(50, 100.0f, 0.05f), kZero, kZero, none, none},
        {"RingExplode", Maker<Game::cEmitterRingExplode>(), 500, kZero, Fixed(1.0f), kZero, Fixed(1.0f), kZero,
         Drawn(50, 100.0f, 0.05f), kZero, kZero, none, none},
        {"Slashed", Maker<Game::cEmitterSlashed>(), 201, kZero, Fixed(0.5f), kZero, Fixed(1.0f), kZero,
         Drawn(10, 100.0f, 0.05f), kZero, kZero, none, none},
        {"Spawn", Maker<Game::cEmitterSpawn>(), 100, kZero, Fixed(1.5f), kZero, Fixed(1.0f), Fixed(0.5f),
         Fixed(0.5f), kZero, Drawn(200, 100.0f, 1.0f), none, none},
        {"SpawnOneUpwards", Maker<Game::cEmitterSpawnOneUpwards>(), 2, kZero, kZero, kZero, kZero, kZero, kZero,
         kZero, kZero, none, none},
        {"Splatter", Maker<Game::cEmitterSplatter>(), 200, kZero, Fixed(0.5f), kZero, Fixed(1.0f), kZero,
         Drawn(10, 100.0f, 0.05f), kZero, kZero, none, none},
        {"Walk", Maker<Game::cEmitterWalk>(), 100, kZero, Fixed(1.0f), kZero, Fixed(0.5f), Fixed(0.5f), kZero,
         kZero, kZero, none, none},
        {"EnvFog", Maker<Game::cEnvEmitterFog>(), 100, kZero, Fixed(6.0f), kZero, Fixed(0.05f), Fixed(2.5f),
         Fixed(2.5f), kZero, kZero, {0.0f, -0.5f, 0.0f}, none},
        {"EnvRain", Maker<Game::cEnvEmitterRain>(), 250, kZero, Fixed(0.5f), Fixed(1.0f), Fixed(1.0f),
         Fixed(0.05f), Fixed(0.1f), kZero, kZero, {0.0f, -18.0f, 0.0f}, {0.0f, -3.0f, 0.0f}},
        {"EnvSplatter", Maker<Game::cEnvEmitterSplatter>(), 250, kZero, Fixed(1.0f), kZero, Fixed(1.0f),
         Fixed(0.2f), kZero, kZero, kZero, none, none},
        {"PTEnemy", Maker<Game::cEmitterPTEnemy>(), 1000, Fixed(kForever), Fixed(kForever), Fixed(1.0f),
         Fixed(1.0f), Fixed(1.0f), Fixed(1.0f), kZero, kZero, none, none},
        {"PTPlayer", Maker<Game::cEmitterPTPlayer>(), 1000, Fixed(kForever), Fixed(kForever), Fixed(1.0f),
         Fixed(1.0f), Fixed(1.0f), Fixed(1.0f), kZero, kZero, none, none},
    };
}

// Compares with a little float slack at both ends.
void ExpectIn(float value, Range range, const std::string& what) {
    const float slack = 1e-5f;
    EXPECT_GE(value, range.lo - slack) << what;
    EXPECT_LE(value, range.hi + slack) << what;
}

class EmitterDefaultsTest : public ::testing::Test {
protected:
    void SetUp() override { Engine::SeedRandomOnce(20261210u); }
};

TEST_F(EmitterDefaultsTest, InitWritesEachKindsStartValuesIntoEveryRecord) {
    for (const DefaultsCase& c : Cases()) {
        SCOPED_TRACE(c.kind);
        std::unique_ptr<cStagingEmitter> emitter = c.make();
        EXPECT_EQ(c.staging_size, emitter->StagingSize());
        EXPECT_EQ(nullptr, emitter->staging.get()) << "nothing is allocated before Init";
        emitter->Init();
        ASSERT_NE(nullptr, emitter->staging.get());
        EXPECT_EQ(0u, emitter->staged);
        for (uint32_t i = 0; i < c.staging_size; ++i) {
            const ParticleRecord& r = emitter->staging[i];
            const std::string at = " of record " + std::to_string(i);
            EXPECT_EQ(Vector3{}, r.position) << at;
            EXPECT_EQ(c.velocity, r.velocity) << at;
            EXPECT_EQ(c.acceleration, r.acceleration) << at;
            ExpectIn(r.life, c.life, "life" + at);
            ExpectIn(r.lifetime, c.lifetime, "lifetime" + at);
            ExpectIn(r.alpha_death, c.alpha_death, "alpha_death" + at);
            ExpectIn(r.alpha_birth, c.alpha_birth, "alpha_birth" + at);
            ExpectIn(r.size_death, c.size_death, "size_death" + at);
            ExpectIn(r.size_birth, c.size_birth, "size_birth" + at);
            ExpectIn(r.spin_death, c.spin_death, "spin_death" + at);
            ExpectIn(r.spin_birth, c.spin_birth, "spin_birth" + at);
            if (::testing::Test::HasFailure()) return;
        }
    }
}

TEST_F(EmitterDefaultsTest, RandomStartValuesDifferFromRecordToRecord) {
    // One draw per emitter instead of one per record would give every record
    // the same size.
    for (const DefaultsCase& c : Cases()) {
        if (c.size_birth.lo == c.size_birth.hi) continue;
        SCOPED_TRACE(c.kind);
        std::unique_ptr<cStagingEmitter> emitter = c.make();
        emitter->Init();
        bool differs = false;
        for (uint32_t i = 1; i < c.staging_size; ++i)
            differs = differs || emitter->staging[i].size_birth != emitter->staging[0].size_birth;
        EXPECT_TRUE(differs);
    }
}

TEST_F(EmitterDefaultsTest, BossSpawnMarksSpinFromSToOneMinusS) {
    Game::cEmitterBossSpawn emitter;
    emitter.Init();
    for (uint32_t i = 0; i < emitter.StagingSize(); ++i)
        EXPECT_FLOAT_EQ(1.0f - emitter.staging[i].spin_death, emitter.staging[i].spin_birth) << i;
}

TEST_F(EmitterDefaultsTest, KindFieldsStartAsTheOwnersExpect) {
    EXPECT_EQ(0.5f, Game::cEmitterBossSpawn().interval);
    EXPECT_EQ(1.0f, Game::cEmitterWalk().interval);
    EXPECT_FALSE(Game::cEmitterWalk().enabled);
    EXPECT_FALSE(Game::cEmitterRing().enabled);
    EXPECT_FALSE(Game::cEmitterFairy().enabled);
    EXPECT_EQ(nullptr, Game::cEnvEmitterRain().drop_points);
}

TEST_F(EmitterDefaultsTest, ASecondInitStartsAgainWithNothingStaged) {
    Game::cEmitterSplatter emitter;
    emitter.Init();
    emitter.Burst({1.0f, 2.0f, 3.0f});
    ASSERT_EQ(30u, emitter.staged);
    emitter.Init();
    EXPECT_EQ(0u, emitter.staged);
    EXPECT_EQ(Vector3{}, emitter.staging[0].position);
}

TEST_F(EmitterDefaultsTest, ReleaseFreesTheStagingAndLaterBurstsStageNothing) {
    Game::cEmitterSplatter emitter;
    emitter.Burst({1.0f, 0.0f, 0.0f});
    EXPECT_EQ(0u, emitter.staged) << "a burst before Init has nowhere to stage";
    emitter.Init();
    emitter.Release();
    EXPECT_EQ(nullptr, emitter.staging.get());
    emitter.Burst({1.0f, 0.0f, 0.0f});
    EXPECT_EQ(0u, emitter.staged);
    EXPECT_EQ(0u, emitter.Room());
}

}  // namespace
