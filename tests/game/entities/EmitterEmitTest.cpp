// Emitter kinds that stage every frame: rates over fixed steps, switches,
// and the start values of what they stage. Each frame ends as the particle
// system ends it, with the staged records taken and staged set back to 0.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/core/Random.h"
#include "game/entities/DropPoint.h"
#include "game/entities/cEmitterBossSpawn.h"
#include "game/entities/cEmitterBurrow.h"
#include "game/entities/cEmitterFairy.h"
#include "game/entities/cEmitterPTPlayer.h"
#include "game/entities/cEmitterRing.h"
#include "game/entities/cEmitterWalk.h"
#include "game/entities/cEnvEmitterFog.h"
#include "game/entities/cEnvEmitterRain.h"
#include "game/entities/cEnvEmitterSplatter.h"

namespace {

using Engine::ParticleRecord;
using Engine::Vector3;

class EmitterEmitTest : public ::testing::Test {
protected:
    void SetUp() override { Engine::SeedRandomOnce(20261210u); }
};

// One frame as the system runs it: Emit, then the staged records are taken.
uint32_t Frame(Engine::iParticleEmitter& emitter, float dt) {
    emitter.Emit(dt);
    const uint32_t staged = emitter.staged;
    emitter.staged = 0;
    return staged;
}

float Horizontal(const Vector3& v) { return std::sqrt(v.x * v.x + v.z * v.z); }

TEST_F(EmitterEmitTest, FairyStrewsFiftySpecksPerUnitMoved) {
    struct MoveCase {
        float distance;
        uint32_t specks;
    };
    const MoveCase cases[] = {{0.0f, 0}, {0.01f, 0}, {0.0625f, 3}, {0.5f, 25}, {1.0f, 50}, {3.0f, 150}, {40.0f, 1000}};
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.distance);
        Game::cEmitterFairy fairy;
        fairy.Init();
        fairy.enabled = true;
        fairy.previous = {1.0f, 2.0f, 0.0f};
        fairy.current = {1.0f, 2.0f, c.distance};
        EXPECT_EQ(c.specks, Frame(fairy, 0.016f));
    }
}

TEST_F(EmitterEmitTest, FairySpecksLieOnTheSegmentALittleBehindTheHeading) {
    Game::cEmitterFairy fairy;
    fairy.Init();
    fairy.previous = {0.0f, 1.0f, 0.0f};
    fairy.current = {2.0f, 1.0f, 0.0f};
    fairy.direction = {0.0f, 0.0f, 5.0f};
    EXPECT_EQ(0u, Frame(fairy, 0.016f)) << "switched off";
    fairy.enabled = true;
    fairy.Emit(0.016f);
    ASSERT_EQ(100u, fairy.staged);
    for (uint32_t i = 0; i < fairy.staged; ++i) {
        const ParticleRecord& r = fairy.staging[i];
        EXPECT_FLOAT_EQ(-0.2f, r.position.z) << "behind the normalised heading";
        EXPECT_EQ(1.0f, r.position.y);
        EXPECT_GE(r.position.x, 0.0f);
        EXPECT_LE(r.position.x, 2.0f * 0.99f + 1e-5f);
        EXPECT_GE(r.life, 0.0f);
        EXPECT_LE(r.life, 0.49f + 1e-6f);
        EXPECT_EQ(0.0f, r.velocity.y);
        EXPECT_NEAR(1.0f, Engine::Length(r.velocity), 1e-5f);
    }
}

TEST_F(EmitterEmitTest, RingPlacesTenSparksAFrameOnItsCircle) {
    Game::cEmitterRing ring;
    ring.Init();
    ring.radius = 0.5f;
    ring.centre = {4.0f, 2.0f, -1.0f};
    EXPECT_EQ(0u, Frame(ring, 0.016f)) << "switched off";
    ring.enabled = true;
    for (int frame = 0; frame < 30; ++frame) EXPECT_EQ(10u, Frame(ring, 0.016f));
    for (int frame = 0; frame < 25; ++frame) ring.Emit(0.016f);
    EXPECT_EQ(200u, ring.staged) << "frames without a merge fill the staging and stop";
    for (uint32_t i = 0; i < ring.staged; ++i) {
        const ParticleRecord& r = ring.staging[i];
        EXPECT_NEAR(0.5f, Horizontal(r.position - ring.centre), 1e-5f);
        EXPECT_FLOAT_EQ(2.0f + 0.5f * 0.01f, r.position.y);
        EXPECT_EQ(0.2f, r.life);
        EXPECT_EQ(Vector3{}, r.velocity);
    }
}

TEST_F(EmitterEmitTest, RingSparksGoAllTheWayRound) {
    // The angle must cover the whole turn: the last twelfth of the circle
    // (330 to 360 degrees) receives sparks like any other part.
    Game::cEmitterRing ring;
    ring.Init();
    ring.radius = 1.0f;
    ring.enabled = true;
    int sectors[12] = {};
    for (int frame = 0; frame < 200; ++frame) {
        ring.Emit(0.016f);
        for (uint32_t i = 0; i < ring.staged; ++i) {
            float degrees = std::atan2(ring.staging[i].position.z, ring.staging[i].position.x) * 57.295776f;
            if (degrees < 0.0f) degrees += 360.0f;
            ++sectors[static_cast<int>(degrees / 30.0f) % 12];
        }
        ring.staged = 0;
    }
    for (int s = 0; s < 12; ++s) EXPECT_GT(sectors[s], 60) << "sector " << s;
}

TEST_F(EmitterEmitTest, WalkPuffsOnceTheIntervalHasPassedUntilAQuarterDrawRestartsIt) {
    Game::cEmitterWalk walk;
    walk.Init();
    walk.interval = 0.5f;
    walk.position = {1.0f, 0.0f, 1.0f};
    EXPECT_EQ(0u, Frame(walk, 0.25f)) << "switched off";
    EXPECT_EQ(0.0f, walk.timer);
    walk.enabled = true;
    int puff_frames = 0;
    int restarts = 0;
    int quiet_run = 0;
    for (int frame = 0; frame < 8000; ++frame) {
        const bool due = !(walk.interval > walk.timer);
        walk.Emit(0.25f);
        EXPECT_EQ(due ? 5u : 0u, walk.staged) << "frame " << frame;
        if (due) {
            ++puff_frames;
            if (walk.timer == 0.0f) {
                ++restarts;
                quiet_run = 0;
            }
            for (uint32_t i = 0; i < walk.staged; ++i) {
                const ParticleRecord& r = walk.staging[i];
                EXPECT_EQ(Vector3(1.0f, 0.2f, 1.0f), r.position);
                EXPECT_EQ(0.5f, r.life);
                EXPECT_EQ(-r.velocity, r.acceleration);
            }
        } else {
            ++quiet_run;
            EXPECT_LE(quiet_run, 2) << "0.25 s steps reach a 0.5 s interval in two quiet frames";
        }
        walk.staged = 0;
        if (::testing::Test::HasFailure()) return;
    }
    // About one puff frame in four restarts the timer.
    EXPECT_GT(restarts, puff_frames / 4 - puff_frames / 20);
    EXPECT_LT(restarts, puff_frames / 4 + puff_frames / 20);
}

TEST_F(EmitterEmitTest, BossSpawnDropsOneMarkEachTimeTheTimerPassesTheInterval) {
    struct StepCase {
        float dt;
        int period;  // frames from one mark to the next
    };
    const StepCase cases[] = {{0.25f, 4}, {0.125f, 6}, {1.0f, 2}, {0.3f, 3}};
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.dt);
        Game::cEmitterBossSpawn boss;
        boss.Init();
        boss.position = {2.0f, 0.0f, 5.0f};
        EXPECT_EQ(0u, Frame(boss, c.dt)) << "switched off";
        boss.enabled = true;
        for (int frame = 1; frame <= 5 * c.period; ++frame) {
            boss.Emit(c.dt);
            const bool mark = frame % c.period == 0;
            ASSERT_EQ(mark ? 1u : 0u, boss.staged) << "frame " << frame;
            if (mark) {
                EXPECT_EQ(boss.position, boss.staging[0].position);
                EXPECT_EQ(1.0f, boss.staging[0].life);
                EXPECT_EQ(0.0f, boss.timer);
            }
            boss.staged = 0;
        }
    }
}

TEST_F(EmitterEmitTest, FogCarriesFractionsAndDensityZeroGivesNothing) {
    struct DensityCase {
        float density;
        float dt;
        int frames;
        uint32_t banks;
    };
    const DensityCase cases[] = {
        {0.0f, 0.5f, 200, 0},     // enabled but without density
        {1.0f, 0.1f, 10, 50},     // five a frame
        {0.1f, 0.1f, 10, 5},      // one every second frame
        {0.02f, 0.1f, 9, 0},      // a tenth of a bank a frame: nothing yet
        {0.02f, 0.1f, 10, 1},     // ...until the tenth frame
        {100.0f, 1.0f, 3, 300},   // at most a hundred a frame
        {-1.0f, 0.1f, 50, 0},
    };
    for (const DensityCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.density << " for " << c.frames << " frames");
        Game::cEnvEmitterFog fog;
        fog.Init();
        fog.enabled = true;
        fog.density = c.density;
        uint32_t banks = 0;
        for (int frame = 0; frame < c.frames; ++frame) banks += Frame(fog, c.dt);
        EXPECT_EQ(c.banks, banks);
    }
}

TEST_F(EmitterEmitTest, FogBanksAppearThreeUpWithinTheCircleAroundThePosition) {
    Game::cEnvEmitterFog fog;
    fog.Init();
    fog.position = {10.0f, 1.0f, -4.0f};
    fog.density = 1.0f;
    EXPECT_EQ(0u, Frame(fog, 1.0f)) << "switched off";
    EXPECT_EQ(0.0f, fog.carry);
    fog.enabled = true;
    fog.Emit(1.0f);
    ASSERT_EQ(50u, fog.staged);
    for (uint32_t i = 0; i < fog.staged; ++i) {
        const ParticleRecord& r = fog.staging[i];
        EXPECT_EQ(4.0f, r.position.y);
        EXPECT_LE(Horizontal(r.position - fog.position), 5.5f + 1e-4f);
        EXPECT_EQ(6.0f, r.life);
        EXPECT_EQ(Vector3(0.0f, -0.5f, 0.0f), r.velocity) << "the default sinking";
    }
}

TEST_F(EmitterEmitTest, RainStagesOneDropPerDropPointTenUpInTheWind) {
    std::vector<Game::DropPoint> points;
    Game::cEnvEmitterRain rain;
    rain.Init();
    EXPECT_EQ(0u, Frame(rain, 0.016f)) << "no list to read";
    rain.drop_points = &points;
    rain.wind = {1.5f, -2.0f};
    rain.tilt = 0.25f;
    for (size_t count : {0u, 1u, 3u, 250u, 400u}) {
        SCOPED_TRACE(count);
        points.clear();
        for (size_t i = 0; i < count; ++i) points.push_back({static_cast<float>(i), -static_cast<float>(i)});
        rain.staged = 7;  // replaced, not added to
        rain.Emit(0.016f);
        ASSERT_EQ(std::min<size_t>(count, 250), rain.staged);
        for (uint32_t i = 0; i < rain.staged; ++i) {
            const ParticleRecord& r = rain.staging[i];
            EXPECT_EQ(Vector3(points[i].x, 10.0f, points[i].z), r.position);
            EXPECT_EQ(0.5f, r.life);
            EXPECT_EQ(Vector3(1.5f, -18.0f, -2.0f), r.velocity);
            EXPECT_EQ(0.25f, r.spin_death);
            EXPECT_EQ(0.25f, r.spin_birth);
        }
    }
}

TEST_F(EmitterEmitTest, SplashesFallOnTheFirstHalfOfTheDropPoints) {
    std::vector<Game::DropPoint> points;
    Game::cEnvEmitterSplatter splatter;
    splatter.Init();
    EXPECT_EQ(0u, Frame(splatter, 0.016f)) << "no list to read";
    splatter.drop_points = &points;
    struct CountCase {
        size_t points;
        uint32_t splashes;
    };
    for (const CountCase& c : {CountCase{0, 0}, {1, 0}, {2, 1}, {5, 2}, {500, 250}, {700, 250}}) {
        SCOPED_TRACE(c.points);
        points.assign(c.points, {});
        for (size_t i = 0; i < c.points; ++i) points[i] = {static_cast<float>(i) + 0.5f, 2.0f};
        splatter.Emit(0.016f);
        ASSERT_EQ(c.splashes, splatter.staged);
        for (uint32_t i = 0; i < splatter.staged; ++i) {
            EXPECT_EQ(Vector3(points[i].x, 0.1f, points[i].z), splatter.staging[i].position);
            EXPECT_EQ(1.0f, splatter.staging[i].life);
        }
    }
}

TEST_F(EmitterEmitTest, PlacedMarkersAndClodsStageOneRecordEach) {
    Game::cEmitterPTPlayer markers;
    markers.Init();
    for (int i = 0; i < 1005; ++i) markers.Place({static_cast<float>(i), 0.0f, 0.0f});
    ASSERT_EQ(1000u, markers.staged);
    EXPECT_EQ(Vector3(999.0f, 0.0f, 0.0f), markers.staging[999].position);
    Game::cEmitterBurrow burrow;
    burrow.Init();
    burrow.Place({1.0f, 2.0f, 3.0f});
    ASSERT_EQ(1u, burrow.staged);
    EXPECT_EQ(Vector3(1.0f, 2.0f, 3.0f), burrow.staging[0].position);
    EXPECT_EQ(0.5f, burrow.staging[0].life);
    burrow.staged = 0;
    EXPECT_EQ(0u, Frame(burrow, 0.1f)) << "a burrow emits nothing by itself";
}

}  // namespace
