// cStroke: tuning and its defaults, following the mouse over the ground,
// slashing only at speed with the left button held, frames of no length,
// the right-click grab that catches nothing, the skill rank, and standing
// still in the menu.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/physics/iPhysicsCmp.h"
#include "game/entities/cEmitterFairy.h"
#include "game/entities/cEmitterRing.h"
#include "game/entities/cBaseEnemy.h"
#include "game/entities/cChallengeSpawner.h"
#include "tests/game/entities/PlayerFixture.h"

namespace {

using Engine::Vector3;
using Game::cStroke;
using Game::eStrokeState;

constexpr float kFrame = 1.0f / 60.0f;

class StrokeTest : public PlayerFixture {
protected:
    StrokeTest() { Aim({0.0f, 12.0f, -10.0f}, {0.0f, 0.0f, 0.0f}); }

    // Puts the mouse on the pixel where point shows.
    void PointAt(const Vector3& point) {
        const Vector3 pixel = camera.ProjectToScreen(point);
        Engine::cMouseState::Instance().Move(static_cast<int32_t>(std::lround(pixel.x)),
                                             static_cast<int32_t>(std::lround(pixel.y)));
    }
    static void Press(int button) { Engine::cMouseState::Instance().ButtonDown(button); }
    static void Release(int button) { Engine::cMouseState::Instance().ButtonUp(button); }

    static bool Finite(const Vector3& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }
};

// A plain ghost set up as the level loader sets one up, with the stroke; null when it is refused.
Game::cBaseEnemy* MakeGhost(cStroke* stroke) {
    Game::LevelObjectValues values;
    values.name = "BasicEnemy";
    values.stroke = stroke;
    auto* ghost = dynamic_cast<Game::cBaseEnemy*>(Game::cGameFactory::Instance().Create(Game::GAME_ENT_TYPES::DUMB_ENEMY));
    if (ghost == nullptr) return nullptr;
    ghost->Init(values.name);
    return dynamic_cast<Game::iLevelObject*>(ghost)->SetUpFromLevel(values) ? ghost : nullptr;
}

TEST_F(StrokeTest, MissingTuningFileGivesTheDefaultsAndALogLine) {
    cStroke* stroke = MakeStroke();
    const Game::StrokeTuning& t = stroke->Tuning();
    EXPECT_FLOAT_EQ(stroke->attack_power, 0.1f);
    EXPECT_FLOAT_EQ(t.rank_s, 0.5f);
    EXPECT_FLOAT_EQ(t.rank_c, 0.2f);
    EXPECT_FALSE(stroke->right_click_follow);
    EXPECT_FLOAT_EQ(stroke->max_energy, 0.0f);
    EXPECT_FLOAT_EQ(t.spring_const, 0.5f);
    EXPECT_FLOAT_EQ(t.slow_radius, 3.0f);
    EXPECT_FLOAT_EQ(stroke->slash_time, 0.001f);
    EXPECT_EQ(stroke->hits, 0);
    EXPECT_EQ(stroke->State(), eStrokeState::Idle);
    EXPECT_NE(LogText().find("Error: Tuning: cannot read the element Stroke"), std::string::npos);
}

TEST_F(StrokeTest, TuningFileIsReadAndEnergyStartsFull) {
    WriteTuning("Stroke", "FollowerAttackPower=\"25\" RankS=\"2\" RightClickFollow=\"true\" MaxEnergy=\"80\" "
                          "EnergyRegen=\"5\"");
    cStroke* stroke = MakeStroke();
    EXPECT_FLOAT_EQ(stroke->attack_power, 25.0f);
    EXPECT_FLOAT_EQ(stroke->Tuning().rank_s, 2.0f);
    EXPECT_FLOAT_EQ(stroke->Tuning().rank_a, 0.4f) << "missing attribute";
    EXPECT_TRUE(stroke->right_click_follow);
    EXPECT_FLOAT_EQ(stroke->energy, 80.0f);
    ASSERT_NE(stroke->physics, nullptr);
    EXPECT_EQ(stroke->physics->GetName(), "Stroke");
    EXPECT_EQ(stroke->physics->GetGroupName(), "Stroke");
    EXPECT_TRUE(stroke->physics->HasFlag(Engine::ePhysicsFlags::NoResponse));
}

TEST_F(StrokeTest, TheStrokeReachesTheMousePointOnTheFlyingPlaneInOneStep) {
    cStroke* stroke = MakeStroke();
    const Vector3 points[] = {{3.0f, 0.5f, 2.0f}, {-4.0f, 0.5f, -1.0f}, {0.0f, 0.5f, 6.0f}};
    for (const Vector3& point : points) {
        PointAt(point);
        Step(kFrame);
        EXPECT_NEAR(stroke->position.x, point.x, 0.1f);
        EXPECT_NEAR(stroke->position.y, 0.5f, 1e-3f);
        EXPECT_NEAR(stroke->position.z, point.z, 0.1f);
    }
    Step(kFrame);
    EXPECT_LT(Engine::Length(stroke->physics->GetVelocity()), 1e-3f) << "a still mouse leaves the stroke still";
}

TEST_F(StrokeTest, SlashingCountsOnlyWithTheLeftButtonHeldAndAtSpeed) {
    struct Case {
        const char* what;
        bool held;
        float speed;  // units per second the mouse point moves
        bool slashing;
    };
    const Case cases[] = {
        {"held and fast", true, 12.0f, true},
        {"held and slow", true, 8.0f, false},
        {"held and still", true, 0.0f, false},
        {"not held and fast", false, 12.0f, false},
    };
    for (const Case& c : cases) {
        cStroke* stroke = MakeStroke();
        PointAt({0.0f, 0.5f, 0.0f});
        Step(kFrame);
        if (c.held) Press(0);
        float slashed = 0.0f;
        for (int frame = 1; frame <= 10; ++frame) {
            PointAt({c.speed * kFrame * static_cast<float>(frame), 0.5f, 0.0f});
            Step(kFrame);
            if (frame > 1) {
                EXPECT_EQ(stroke->slashing, c.slashing) << c.what << " frame " << frame;
                if (stroke->slashing) slashed += kFrame;
            }
        }
        EXPECT_EQ(stroke->State(), c.held ? eStrokeState::Slash : eStrokeState::Idle) << c.what;
        EXPECT_NEAR(stroke->slash_time, 0.001f + slashed, 1e-4f) << c.what;
        if (c.held) Release(0);
        Step(kFrame);
        EXPECT_EQ(stroke->State(), eStrokeState::Idle) << c.what;
        EXPECT_FALSE(stroke->slashing) << c.what;
        Game::cGameFactory::Instance().ReleaseAll();
    }
}

TEST_F(StrokeTest, StartingASlashSprinklesAndLightsTheDustTrail) {
    cStroke* stroke = MakeStroke();
    ASSERT_NE(stroke->FairyEmitter(), nullptr);
    EXPECT_FALSE(stroke->FairyEmitter()->enabled);
    Press(0);
    Step(kFrame);
    Step(kFrame);
    EXPECT_EQ(stroke->State(), eStrokeState::Slash);
    EXPECT_TRUE(stroke->FairyEmitter()->enabled);
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "once FairySprinkle"), 1);
    Release(0);
    Step(kFrame);
    Step(kFrame);
    EXPECT_FALSE(stroke->FairyEmitter()->enabled);
}

TEST_F(StrokeTest, AFrameOfNoLengthNeverPutsNaNIntoThePosition) {
    cStroke* stroke = MakeStroke();
    PointAt({2.0f, 0.5f, 3.0f});
    Press(0);
    for (float dt : {0.0f, kFrame, 0.0f, -kFrame, 0.0f}) {
        Step(dt);
        EXPECT_TRUE(Finite(stroke->position)) << dt;
        EXPECT_TRUE(Finite(stroke->physics->GetVelocity())) << dt;
        EXPECT_TRUE(Finite(stroke->target_offset)) << dt;
        EXPECT_TRUE(std::isfinite(stroke->slash_time)) << dt;
    }
    Step(kFrame);
    EXPECT_NEAR(stroke->position.x, 2.0f, 0.1f) << "the next real frame reaches the mouse";
}

TEST_F(StrokeTest, AMouseRayThatMissesThePlaneLeavesTheStrokeWhereItWas) {
    cStroke* stroke = MakeStroke();
    PointAt({1.0f, 0.5f, 1.0f});
    Step(kFrame);
    const Vector3 reached = stroke->position;
    Aim({0.0f, 2.0f, 0.0f}, {0.0f, 4.0f, 10.0f});  // looking up at the sky
    Engine::cMouseState::Instance().Move(320, 100);
    Run(0.5f, kFrame);
    EXPECT_NEAR(Engine::Distance(stroke->position, reached), 0.0f, 1e-4f);
}

TEST_F(StrokeTest, MouseAtTheWindowsEdgesMapsOnePixelInside) {
    cStroke* stroke = MakeStroke();
    struct Case {
        int32_t x, y;
        uint32_t px, py;
    };
    const Case cases[] = {{0, 240, 1, 240}, {1, 240, 1, 240}, {700, 240, 638, 240}, {20000, 240, 1, 240},
                          {320, -5, 320, 1}, {320, 479, 320, 479}, {320, 480, 320, 478}};
    for (const Case& c : cases) {
        Engine::cMouseState::Instance().Move(c.x, c.y);
        Step(kFrame);
        const Engine::Ray ray = camera.MouseRay(c.px, c.py);
        const float distance = (0.5f - ray.origin.y) / ray.direction.y;
        const Vector3 expected = ray.origin + ray.direction * distance;
        EXPECT_NEAR(stroke->position.x, expected.x, 1e-3f) << c.x << "," << c.y;
        EXPECT_NEAR(stroke->position.z, expected.z, 1e-3f) << c.x << "," << c.y;
    }
}

TEST_F(StrokeTest, ARightClickThatCatchesNothingEndsAfterTwoUpdates) {
    cStroke* stroke = MakeStroke();
    Press(1);
    Step(kFrame);
    EXPECT_EQ(stroke->State(), eStrokeState::Grab);
    EXPECT_TRUE(stroke->grabbing);
    ASSERT_NE(stroke->RingEmitter(), nullptr);
    EXPECT_TRUE(stroke->RingEmitter()->enabled);
    EXPECT_FLOAT_EQ(stroke->RingEmitter()->radius, 0.5f);
    Step(kFrame);
    EXPECT_EQ(stroke->State(), eStrokeState::Grab);
    Step(kFrame);
    EXPECT_EQ(stroke->State(), eStrokeState::Idle) << "still holding the button";
    EXPECT_FALSE(stroke->grabbing);
    EXPECT_FALSE(stroke->RingEmitter()->enabled);
    Run(0.5f, kFrame);
    EXPECT_EQ(stroke->State(), eStrokeState::Idle) << "a held button is no fresh press";
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "once PickSound"), 1);
}

// Only the first enemy contact after a right click can grab, and only a
// grabbable enemy within reach; releasing the button lets it go.
TEST_F(StrokeTest, TheFirstContactOfAnOpenGrabTakesAnEnemyWithinReach) {
    LoadGhostStats();
    cStroke* stroke = MakeStroke();
    Game::cBaseEnemy* ghost = MakeGhost(stroke);
    ASSERT_NE(ghost, nullptr);
    struct Case {
        const char* what;
        Vector3 offset;
        bool grabbable;
        bool grabbed;
    };
    const Case cases[] = {
        {"within reach", {0.6f, 0.0f, 0.6f}, true, true},
        {"out of reach", {0.8f, 0.0f, 0.8f}, true, false},
        {"not grabbable", {0.1f, 0.0f, 0.0f}, false, false},
    };
    for (const Case& c : cases) {
        ghost->grabbable = c.grabbable;
        Press(1);
        Step(kFrame);
        ASSERT_EQ(stroke->State(), eStrokeState::Grab) << c.what;
        ghost->position = stroke->position + c.offset;
        stroke->OnEnemyContact(ghost);
        EXPECT_FALSE(stroke->grabbing) << c.what;
        EXPECT_EQ(stroke->grabbed == ghost, c.grabbed) << c.what;
        EXPECT_EQ(ghost->held, c.grabbed) << c.what;
        ghost->position = stroke->position;
        ghost->grabbable = true;
        stroke->OnEnemyContact(ghost);
        EXPECT_EQ(stroke->grabbed == ghost, c.grabbed) << c.what << ": a later contact grabs nothing";
        Run(0.2f, kFrame);
        EXPECT_EQ(stroke->State(), c.grabbed ? eStrokeState::Grab : eStrokeState::Idle) << c.what;
        Release(1);
        Step(kFrame);
        EXPECT_EQ(stroke->State(), eStrokeState::Idle) << c.what;
        EXPECT_EQ(stroke->grabbed, nullptr) << c.what;
        EXPECT_FALSE(ghost->held) << c.what << ": released";
    }
}

TEST_F(StrokeTest, WithRightClickFollowAHeldEnemyIsDraggedOnTheGroundUnderTheFairy) {
    WriteTuning("Stroke", "RightClickFollow=\"true\"");
    LoadGhostStats();
    cStroke* stroke = MakeStroke();
    Game::cBaseEnemy* ghost = MakeGhost(stroke);
    ASSERT_NE(ghost, nullptr);
    PointAt({0.0f, 0.5f, 0.0f});
    Press(1);
    Step(kFrame);
    ghost->position = stroke->position;
    stroke->OnEnemyContact(ghost);
    ASSERT_EQ(stroke->grabbed, ghost);
    PointAt({4.0f, 0.5f, 3.0f});
    Step(kFrame);
    Step(kFrame);
    EXPECT_NEAR(ghost->position.x, stroke->position.x, 0.01f);
    EXPECT_NEAR(ghost->position.z, stroke->position.z, 0.01f);
    EXPECT_FLOAT_EQ(ghost->position.y, 0.0f);
    EXPECT_GT(ghost->position.x, 3.0f) << "it came along";
}

TEST_F(StrokeTest, SkillRankFollowsHitsPerSecondOfSlashing) {
    cStroke* stroke = MakeStroke();
    struct Case {
        int hits;
        float slash_time;
        int rank;
    };
    const Case cases[] = {
        {0, 0.001f, 0},  {2, 10.0f, 0},  {3, 10.0f, 1}, {4, 10.0f, 2},  {5, 10.0f, 3},
        {6, 10.0f, 4},   {1, 0.001f, 4}, {0, 0.0f, -1},
    };
    for (const Case& c : cases) {
        stroke->hits = c.hits;
        stroke->slash_time = c.slash_time;
        EXPECT_EQ(stroke->SkillRank(), c.rank) << c.hits << " in " << c.slash_time;
    }
}

TEST_F(StrokeTest, EnergyRefillsWhileIdleUpToItsMaximum) {
    WriteTuning("Stroke", "MaxEnergy=\"10\" EnergyRegen=\"4\"");
    cStroke* stroke = MakeStroke();
    stroke->energy = -3.0f;
    Run(1.0f, kFrame);
    EXPECT_NEAR(stroke->energy, 4.0f, 0.1f) << "raised to 0, then 4 per second";
    Run(3.0f, kFrame);
    EXPECT_FLOAT_EQ(stroke->energy, 10.0f);
}

TEST_F(StrokeTest, TheStrokeStandsStillInTheMenuAndOnTheWinScreen) {
    for (int state : {3, 13}) {
        cStroke* stroke = MakeStroke();
        Game::cLevelManager::Instance().current_state = [state] { return state; };
        Press(0);
        PointAt({3.0f, 0.5f, 3.0f});
        Run(0.2f, kFrame);
        EXPECT_EQ(stroke->State(), eStrokeState::Idle) << state;
        EXPECT_EQ(stroke->position, (Vector3{0.0f, 0.0f, 0.0f})) << state;
        Release(0);
        Game::cLevelManager::Instance().current_state = [] { return 10; };
        Game::cGameFactory::Instance().ReleaseAll();
    }
}

TEST_F(StrokeTest, TheStrokeTellsTheLevelsKidAboutItself) {
    Game::cGameData::Instance().challenge_spawning = true;
    Game::cKid* kid = MakeKid();
    cStroke* stroke = MakeStroke(kid);
    ASSERT_NE(kid->Spawner(), nullptr);
    EXPECT_EQ(kid->Spawner()->stroke, stroke);
}

}  // namespace
