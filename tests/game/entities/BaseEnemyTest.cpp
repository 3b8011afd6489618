// cBaseEnemy: the hold meter's scale curve, shrinking to death while held,
// growing back once let go, and the collision callback's routing of contacts
// (stroke first to the enemy, then to the stroke; kid; anything else ignored).

#include "game/entities/cBaseEnemy.h"

#include <string>
#include <vector>

#include "game/entities/cDumbEnemy.h"
#include "tests/game/entities/EnemyFixture.h"

namespace {

using Engine::Vector3;
using Game::cDumbEnemy;
using Game::eGhostState;
namespace Types = Game::GAME_ENT_TYPES;

// A plain ghost that writes down which handlers the callback called, and
// whether the stroke already held it when its own stroke handler ran.
class cRecordingGhost : public cDumbEnemy {
public:
    void OnStrokeHit() override {
        calls.push_back(stroke->grabbed == nullptr ? "stroke hit, not yet grabbed" : "stroke hit, already grabbed");
        cDumbEnemy::OnStrokeHit();
    }
    void OnTouchKid() override {
        calls.push_back("kid");
        cDumbEnemy::OnTouchKid();
    }

    std::vector<std::string> calls;
};

// Something else a ghost may touch.
class cOtherThing : public Engine::cEntity {
public:
    std::int32_t GetType() const override { return Types::DECORATION; }
};

class BaseEnemyTest : public EnemyTest::EnemyFixture {
protected:
    cDumbEnemy* Walking(const Vector3& at) {
        cDumbEnemy* ghost = Make<cDumbEnemy>(Types::DUMB_ENEMY, at);
        if (ghost == nullptr) return nullptr;
        for (int i = 0; i < 200 && ghost->State() == eGhostState::Rise; ++i) Step();
        return ghost;
    }

    void Grab(cDumbEnemy& ghost) {
        stroke->grabbed = &ghost;
        ghost.SetHeld(true);
    }
};

TEST_F(BaseEnemyTest, TheHoldScaleEasesFromFullSizeToAFifthWithAnOvershoot) {
    const cDumbEnemy enemy;
    struct Case {
        float meter_left;  // hold_max - hold_meter
        float scale;
    };
    // u = m / 100 - 1; 0.2 + (((1.85079 u + 0.85079) u^2 + 1) * 0.8, worked by hand.
    const Case cases[] = {{100.0f, 1.0f}, {0.0f, 0.2f}, {50.0f, 0.985079f}, {10.0f, 0.4719312f}};
    for (const Case& c : cases) EXPECT_NEAR(enemy.HeldScale(c.meter_left), c.scale, 1e-5f) << c.meter_left;
    // The overshoot: somewhere before the meter empties the enemy is larger than full size.
    EXPECT_GT(enemy.HeldScale(80.0f), 1.0f);
}

TEST_F(BaseEnemyTest, HoldingAGhostForTenSecondsShrinksAndKillsItAndTheStrokeLetsGo) {
    Place(*kid, {0.0f, 0.0f, 80.0f});
    cDumbEnemy* ghost = Walking({0.0f, 0.0f, 0.0f});
    ASSERT_NE(ghost, nullptr);
    EXPECT_FLOAT_EQ(ghost->hold_rate, 10.0f);
    Grab(*ghost);

    Run(9.0f);
    EXPECT_NEAR(ghost->hold_meter, 90.0f, 0.5f);
    EXPECT_LT(ghost->scale.x, 0.65f);
    EXPECT_FLOAT_EQ(ghost->scale.x, ghost->scale.y);
    EXPECT_FLOAT_EQ(ghost->scale.x, ghost->scale.z);
    EXPECT_FALSE(ghost->IsDead());
    EXPECT_EQ(stroke->grabbed, ghost);

    Run(1.2f);
    EXPECT_TRUE(ghost->IsDead());
    Run(0.4f);
    EXPECT_FALSE(ghost->active);
    EXPECT_TRUE(ghost->queued);
    EXPECT_EQ(stroke->grabbed, nullptr);
}

TEST_F(BaseEnemyTest, AGhostLetGoEarlyGrowsBackAtTheSameRate) {
    Place(*kid, {0.0f, 0.0f, 80.0f});
    cDumbEnemy* ghost = Walking({0.0f, 0.0f, 0.0f});
    ASSERT_NE(ghost, nullptr);
    Grab(*ghost);
    Run(8.0f);
    const float smallest = ghost->scale.x;
    ASSERT_LT(smallest, 0.8f);

    stroke->grabbed = nullptr;
    ghost->SetHeld(false);
    Run(4.0f);
    EXPECT_NEAR(ghost->hold_meter, 40.0f, 0.5f);
    EXPECT_GT(ghost->scale.x, smallest);
    Run(4.5f);

    EXPECT_LE(ghost->hold_meter, 0.0f);
    EXPECT_NEAR(ghost->scale.x, 1.0f, 1e-3f);
    EXPECT_FALSE(ghost->IsDead());
    EXPECT_EQ(ghost->State(), eGhostState::Walk);
}

TEST_F(BaseEnemyTest, TheCallbackRoutesContactsByTheOtherBodysName) {
    struct Case {
        const char* body;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"Stroke", {"stroke hit, not yet grabbed"}},
        {"StrokeTrail", {"stroke hit, not yet grabbed"}},
        {"Kid", {"kid"}},
        {"KidLight", {"kid"}},
        {"kid", {}},
        {"Floor", {}},
        {"Enemy", {}},
    };
    cOtherThing others[std::size(cases)];
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].body);
        cRecordingGhost ghost;
        ASSERT_TRUE(ghost.Setup({0.0f, 0.0f, 0.0f}, {1.0f, 1.0f, 1.0f}));
        ghost.kid = kid.get();
        ghost.stroke = stroke.get();
        Engine::iPhysicsCmp* other = Body(cases[i].body, others[i], {0.0f, 0.0f, 0.0f});

        Game::cBaseEnemy::OnCollision(ghost.physics, other);

        EXPECT_EQ(ghost.calls, cases[i].calls);
        ghost.Reset();
    }
}

TEST_F(BaseEnemyTest, AStrokeContactHitsTheEnemyBeforeTheStrokeGrabsIt) {
    cRecordingGhost ghost;
    ASSERT_TRUE(ghost.Setup({0.0f, 0.0f, 0.0f}, {1.0f, 1.0f, 1.0f}));
    ghost.kid = kid.get();
    ghost.stroke = stroke.get();
    Place(*stroke, {0.2f, 0.0f, 0.2f});
    stroke->slashing = true;
    stroke->grabbing = true;

    Game::cBaseEnemy::OnCollision(ghost.physics, stroke->physics);

    EXPECT_EQ(ghost.calls, std::vector<std::string>{"stroke hit, not yet grabbed"});
    EXPECT_FLOAT_EQ(ghost.damage, stroke->attack_power);
    EXPECT_EQ(stroke->grabbed, &ghost);
    EXPECT_TRUE(ghost.held);
    EXPECT_FALSE(stroke->grabbing);
    ghost.Reset();
}

}  // namespace
