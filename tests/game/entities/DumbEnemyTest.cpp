// The three ghosts: rising, turning toward and reaching the kid, slash hits
// with their flash and stun, death by slashing, possession after a stun, the
// freeze once the kid is dead or has won, and the refused set-up without a
// stats record.

#include "game/entities/cDumbEnemy.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/audio/SoundManagerAccess.h"
#include "engine/core/Random.h"
#include "engine/render/scene/cModelGfxCmp.h"
#include "game/entities/cGlobalEffects.h"
#include "game/entities/cDumbEnemyFast.h"
#include "game/entities/cDumbEnemyHP.h"
#include "tests/game/entities/EnemyFixture.h"

namespace {

using Engine::Vector3;
using Game::cDumbEnemy;
using Game::eGhostState;
namespace Types = Game::GAME_ENT_TYPES;

constexpr float kDegrees = 57.295776f;

float AngleDegrees(const Vector3& a, const Vector3& b) {
    const float c = Engine::Dot(Engine::Normalise(a), Engine::Normalise(b));
    return std::acos(std::fmax(-1.0f, std::fmin(1.0f, c))) * kDegrees;
}

struct KindCase {
    Game::EntityTypeId type;
    float divisor;
    float attack;  // from the fixture's stats table
    bool forgets_touch;
};

const KindCase kKinds[] = {
    {Types::DUMB_ENEMY, 15.0f, 0.4f, false},
    {Types::DUMB_ENEMY_FAST, 5.0f, 0.5f, true},
    {Types::DUMB_ENEMY_HP, 25.0f, 0.25f, true},
};

class DumbEnemyTest : public EnemyTest::EnemyFixture {
protected:
    // A ghost of the kind that has finished rising at at.
    cDumbEnemy* Walking(Game::EntityTypeId type, const Vector3& at) {
        cDumbEnemy* ghost = Make<cDumbEnemy>(type, at);
        if (ghost == nullptr) return nullptr;
        for (int i = 0; i < 200 && ghost->State() == eGhostState::Rise; ++i) Step();
        return ghost;
    }

    // Keeps the stroke on the ghost, slashing or not, for seconds.
    void Slash(cDumbEnemy& ghost, bool slashing, float seconds) {
        for (float t = 0.0f; t < seconds; t += EnemyTest::kFrame) {
            stroke->slashing = slashing;
            stroke->physics->SetVelocity({12.0f, 0.0f, 0.0f});
            Place(*stroke, ghost.position);
            Step();
        }
    }

    static float Flash(const cDumbEnemy& ghost) { return ghost.model->emissive.r; }

    // The random numbers drawn from a plain ghost's killing slash to its removal.
    std::uint64_t DeathDraws() {
        Place(*kid, {0.0f, 0.0f, 60.0f});
        cDumbEnemy* ghost = Walking(Types::DUMB_ENEMY, {0.0f, 0.0f, 0.0f});
        EXPECT_NE(ghost, nullptr);
        if (ghost == nullptr) return 0;
        ghost->damage = ghost->health - 0.05f;  // the next hit kills
        const std::uint64_t before = Engine::RandomDrawCount();
        Slash(*ghost, true, EnemyTest::kFrame);
        Place(*stroke, {0.0f, 0.5f, 50.0f});
        Run(1.0f);
        EXPECT_TRUE(ghost->queued);
        return Engine::RandomDrawCount() - before;
    }
};

// A sound manager whose every sound is still playing.
class BusySounds : public RecordingSounds {
public:
    using RecordingSounds::RecordingSounds;
    bool IsPlaying(const std::string&) const override { return true; }
};

TEST_F(DumbEnemyTest, RisesOutOfTheGroundToItsPlaceInOneSecond) {
    Place(*kid, {0.0f, 0.0f, 40.0f});
    cDumbEnemy* ghost = Make<cDumbEnemy>(Types::DUMB_ENEMY, {4.0f, 0.0f, 3.0f});
    ASSERT_NE(ghost, nullptr);
    EXPECT_EQ(ghost->name, "sampleEnemy");
    EXPECT_EQ(ghost->State(), eGhostState::Rise);

    Step(0.25f);
    EXPECT_NEAR(ghost->position.y, -3.75f, 1e-4f);
    EXPECT_FLOAT_EQ(ghost->position.x, 4.0f);
    EXPECT_FLOAT_EQ(ghost->position.z, 3.0f);
    Step(0.25f);
    EXPECT_NEAR(ghost->position.y, -2.5f, 1e-4f);
    Step(0.5f);
    EXPECT_NEAR(ghost->position.y, 0.0f, 1e-4f);
    EXPECT_EQ(ghost->State(), eGhostState::Rise);  // risen only once the second has passed

    Step(0.01f);
    EXPECT_TRUE(ghost->risen);
    EXPECT_EQ(ghost->State(), eGhostState::Walk);
    EXPECT_EQ(static_cast<Engine::cModelGfxCmp*>(ghost->model)->CurrentAnimation(), "GhostWalk");
}

TEST_F(DumbEnemyTest, EachKindTurnsItsShareOfTheAngleTowardTheKidPerFrame) {
    for (const KindCase& c : kKinds) {
        SCOPED_TRACE(static_cast<int>(c.type));
        cDumbEnemy* ghost = Walking(c.type, {0.0f, 0.0f, -6.0f});
        ASSERT_NE(ghost, nullptr);
        ASSERT_EQ(ghost->State(), eGhostState::Walk);
        ghost->Face({1.0f, 0.0f, 0.0f});  // square to the kid, who is along +z
        const Vector3 to_kid = kid->position - ghost->position;

        Step();

        EXPECT_NEAR(AngleDegrees(ghost->Facing(), to_kid), 90.0f - 90.0f / c.divisor, 0.05f);
        EXPECT_GT(ghost->Facing().z, 0.0f);  // toward the kid, not away
        const Vector3 velocity = ghost->physics->GetVelocity();
        EXPECT_NEAR(Engine::Length(velocity), ghost->speed, 1e-4f);
        EXPECT_NEAR(AngleDegrees(velocity, ghost->Facing()), 0.0f, 0.05f);
        ghost->Remove();
        Step();
    }
}

TEST_F(DumbEnemyTest, EachKindTurnsAroundReachesAStandingKidAndPossessesIt) {
    for (const KindCase& c : kKinds) {
        SCOPED_TRACE(static_cast<int>(c.type));
        kid->damage = 0.0f;
        cDumbEnemy* ghost = Walking(c.type, {5.0f, 0.0f, 5.0f});
        ASSERT_NE(ghost, nullptr);
        ghost->Face({1.0f, 0.0f, 1.0f});  // facing straight away from the kid
        for (int i = 0; i < 60 * 30 && kid->damage == 0.0f; ++i) Step();

        EXPECT_FLOAT_EQ(kid->damage, c.attack);
        EXPECT_EQ(ghost->State(), eGhostState::Possess);
        EXPECT_FALSE(ghost->active);
        EXPECT_TRUE(ghost->queued);
        EXPECT_LT(Engine::Length(ghost->position - kid->position), 1.5f);
        Step();  // the deletion is delivered: the ghost is back in its pool
        EXPECT_TRUE(ghost->name.empty());
        EXPECT_FLOAT_EQ(kid->damage, c.attack);  // it possessed once
    }
}

TEST_F(DumbEnemyTest, ASlashAtSpeedHitsOncePerFlash) {
    Place(*kid, {0.0f, 0.0f, 60.0f});
    cDumbEnemy* ghost = Walking(Types::DUMB_ENEMY, {0.0f, 0.0f, 0.0f});
    ASSERT_NE(ghost, nullptr);

    Slash(*ghost, true, EnemyTest::kFrame);
    EXPECT_FLOAT_EQ(ghost->damage, 0.1f);
    EXPECT_EQ(stroke->hits, 1);
    EXPECT_FALSE(ghost->flash_done);
    EXPECT_EQ(stroke->physics->GetVelocity(), Vector3(0.0f, 0.0f, 0.0f));
    EXPECT_EQ(static_cast<Engine::cModelGfxCmp*>(ghost->model)->CurrentAnimation(), "GhostOnHit");

    // A second contact a tenth of a second later arrives during the flash: no hit.
    Slash(*ghost, true, 0.1f);
    EXPECT_FLOAT_EQ(ghost->damage, 0.1f);
    EXPECT_EQ(stroke->hits, 1);
    EXPECT_EQ(ghost->State(), eGhostState::Stunned);

    Slash(*ghost, true, 0.2f);
    EXPECT_FLOAT_EQ(ghost->damage, 0.2f);
    EXPECT_EQ(stroke->hits, 2);
}

TEST_F(DumbEnemyTest, TheStrokeHeldStillOrMovedSlowlyDoesNoHarm) {
    Place(*kid, {0.0f, 0.0f, 60.0f});
    cDumbEnemy* ghost = Walking(Types::DUMB_ENEMY, {0.0f, 0.0f, 0.0f});
    ASSERT_NE(ghost, nullptr);

    Slash(*ghost, false, 1.0f);

    EXPECT_FLOAT_EQ(ghost->damage, 0.0f);
    EXPECT_EQ(stroke->hits, 0);
    EXPECT_TRUE(ghost->flash_done);
    EXPECT_EQ(ghost->State(), eGhostState::Walk);
    EXPECT_FLOAT_EQ(Flash(*ghost), 0.0f);
}

TEST_F(DumbEnemyTest, AHitFlashesUpAndDownInAFifthOfASecondWhileTheGhostStandsStunned) {
    Place(*kid, {0.0f, 0.0f, 60.0f});
    cDumbEnemy* ghost = Walking(Types::DUMB_ENEMY, {0.0f, 0.0f, 0.0f});
    ASSERT_NE(ghost, nullptr);
    Slash(*ghost, true, EnemyTest::kFrame);
    Place(*stroke, {0.0f, 0.5f, 50.0f});

    float peak = 0.0f;
    float seconds = 0.0f;
    const Vector3 stunned_at = ghost->position;
    while (!ghost->flash_done && seconds < 1.0f) {
        Step();
        seconds += EnemyTest::kFrame;
        peak = std::fmax(peak, Flash(*ghost));
        if (!ghost->flash_done) {
            EXPECT_EQ(ghost->position, stunned_at);
        }
    }

    EXPECT_NEAR(peak, 0.5f, 1e-5f);
    EXPECT_FLOAT_EQ(Flash(*ghost), 0.0f);
    EXPECT_GT(seconds, 0.2f);
    EXPECT_LT(seconds, 0.3f);
    Step();
    EXPECT_EQ(ghost->State(), eGhostState::Walk);
}

TEST_F(DumbEnemyTest, HalfASecondOfSteadySlashingKillsAPlainGhostAfterItsStun) {
    Place(*kid, {0.0f, 0.0f, 60.0f});
    cDumbEnemy* ghost = Walking(Types::DUMB_ENEMY, {0.0f, 0.0f, 0.0f});
    ASSERT_NE(ghost, nullptr);

    float seconds = 0.0f;
    while (!ghost->IsDead() && seconds < 2.0f) {
        Slash(*ghost, true, EnemyTest::kFrame);
        seconds += EnemyTest::kFrame;
    }
    EXPECT_EQ(stroke->hits, 3);
    EXPECT_GT(seconds, 0.4f);
    EXPECT_LT(seconds, 0.6f);
    // The killing hit stuns first; death follows once the ghost is back in Walk.
    EXPECT_EQ(ghost->State(), eGhostState::Stunned);
    Slash(*ghost, true, 0.3f);
    EXPECT_EQ(ghost->State(), eGhostState::Die);
    EXPECT_EQ(stroke->hits, 3);  // no hit once its damage has reached its health
    EXPECT_TRUE(ghost->active);

    Run(0.2f);
    EXPECT_GT(ghost->scale.y, 2.0f);  // stretching toward four times its height
    EXPECT_LT(ghost->scale.x, 0.5f);
    Run(0.1f);
    EXPECT_FALSE(ghost->active);
    EXPECT_TRUE(ghost->queued);
}

TEST_F(DumbEnemyTest, ATouchDuringTheStunPossessesOnlyForThePlainGhost) {
    for (const KindCase& c : kKinds) {
        SCOPED_TRACE(static_cast<int>(c.type));
        kid->damage = 0.0f;
        Place(*kid, {0.0f, 0.0f, 60.0f});
        cDumbEnemy* ghost = Walking(c.type, {0.0f, 0.0f, 0.0f});
        ASSERT_NE(ghost, nullptr);
        Slash(*ghost, true, EnemyTest::kFrame);
        Place(*stroke, {0.0f, 0.5f, 50.0f});
        Step();
        ASSERT_EQ(ghost->State(), eGhostState::Stunned);

        ghost->OnTouchKid();
        Run(0.4f);

        EXPECT_FLOAT_EQ(kid->damage, c.forgets_touch ? 0.0f : c.attack);
        if (c.forgets_touch) {
            EXPECT_EQ(ghost->State(), eGhostState::Walk);
            ghost->Remove();
            Step();
        } else {
            EXPECT_TRUE(ghost->name.empty());  // it possessed the kid and went back to its pool
        }
    }
}

TEST_F(DumbEnemyTest, GhostsStandFrozenOnceTheKidIsDeadOrHasWon) {
    for (const std::uint32_t bit : {Game::cKid::kStatusDead, Game::cKid::kStatusWon}) {
        SCOPED_TRACE(bit);
        kid->status = 0;
        Place(*kid, {0.0f, 0.0f, 30.0f});
        cDumbEnemy* ghost = Walking(Types::DUMB_ENEMY, {0.0f, 0.0f, 0.0f});
        ASSERT_NE(ghost, nullptr);
        Run(0.2f);
        ASSERT_GT(Engine::Length(ghost->physics->GetVelocity()), 0.0f);

        kid->status |= bit;
        Step();
        const Vector3 frozen_at = ghost->position;
        Run(1.0f);

        EXPECT_EQ(ghost->position, frozen_at);
        EXPECT_EQ(ghost->State(), eGhostState::Walk);
        EXPECT_TRUE(ghost->active);
        Game::cGameFactory::Instance().ReleaseAll();
    }
}

TEST_F(DumbEnemyTest, AKindWithoutItsStatsRecordIsRefusedWithALogLine) {
    LoadStats(R"(<EnemyStats><EnemyStat Name="DollEnemy" Health="1"/></EnemyStats>)");

    EXPECT_EQ(Make<Game::cDumbEnemyHP>(Types::DUMB_ENEMY_HP, {0.0f, 0.0f, 0.0f}, "BasicEnemyHP"), nullptr);
    EXPECT_NE(Make<cDumbEnemy>(Types::DUMB_ENEMY, {0.0f, 0.0f, 0.0f}), nullptr);

    const std::string log = EngineLog();
    EXPECT_NE(log.find("Error: "), std::string::npos);
    EXPECT_NE(log.find("\"DollEnemyHP\""), std::string::npos);
    EXPECT_EQ(log.find("\"DollEnemy\""), std::string::npos);
}

// How often a name was played, in "once Name" form.
int Played(const std::vector<std::string>& sounds, const std::string& entry) {
    return static_cast<int>(std::count(sounds.begin(), sounds.end(), entry));
}

// Sound plays on the clock: a death draws the same random numbers whether or
// not an earlier burst still sounds, so a seeded run repeats exactly.
TEST_F(DumbEnemyTest, ADeathDrawsTheSameRandomNumbersWhetherOrNotABurstStillSounds) {
    const std::uint64_t quiet = DeathDraws();
    Engine::InstallSoundManager(std::make_unique<BusySounds>(sounds));
    const std::uint64_t busy = DeathDraws();
    EXPECT_GT(quiet, 0u);
    EXPECT_EQ(busy, quiet);
}

TEST_F(DumbEnemyTest, RiseHitDeathAndPossessionEachPlayTheirSoundAndFireTheirEffect) {
    Game::cGlobalEffects& effects = Game::cGlobalEffects::Instance();
    ASSERT_NE(effects.Spawn(), nullptr);
    const std::uint32_t marks = effects.Spawn()->Room();
    const std::uint32_t sparks = effects.Slashed()->Room();
    const std::uint32_t splatter = effects.Splatter()->Room();
    const std::uint32_t possess_splatter = effects.PossessSplatter()->Room();
    Place(*kid, {0.0f, 0.0f, 60.0f});

    cDumbEnemy* ghost = Walking(Types::DUMB_ENEMY, {0.0f, 0.0f, 0.0f});
    ASSERT_NE(ghost, nullptr);
    EXPECT_EQ(Played(sounds, "once Engine"), 1);  // one rise, one sound
    EXPECT_EQ(effects.Spawn()->Room(), marks - 1);

    ghost->damage = ghost->health - 0.05f;  // the next hit kills
    Slash(*ghost, true, EnemyTest::kFrame);
    EXPECT_EQ(Played(sounds, "once SlashMonster"), 1);
    EXPECT_EQ(effects.Slashed()->Room(), sparks - Game::cEmitterSlashed::kBurstCount);
    Place(*stroke, {0.0f, 0.5f, 50.0f});
    Run(1.0f);
    EXPECT_TRUE(ghost->queued);
    EXPECT_EQ(Played(sounds, "once DumbDeath1") + Played(sounds, "once DumbDeath2"), 1);
    EXPECT_EQ(Played(sounds, "once Engine"), 2);  // the burst at the end of the stretch
    EXPECT_EQ(effects.Splatter()->Room(), splatter - Game::cEmitterSplatter::kBurstCount);

    cDumbEnemy* toucher = Walking(Types::DUMB_ENEMY, {0.0f, 0.0f, 58.0f});
    ASSERT_NE(toucher, nullptr);
    for (int i = 0; i < 600 && !toucher->queued; ++i) Step();
    EXPECT_EQ(Played(sounds, "once DumbPossess"), 1);
    EXPECT_EQ(Played(sounds, "once GirlHurt"), 1);
    EXPECT_EQ(effects.PossessSplatter()->Room(), possess_splatter - Game::cEmitterPossessSplatter::kBurstCount);
}

}  // namespace
