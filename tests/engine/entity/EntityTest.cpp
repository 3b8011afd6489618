// cEntity: world matrix, toggle, activation, Init and Reset.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/core/cLog.h"
#include "engine/entity/cSceneManager.h"
#include "tests/engine/entity/EntityFakes.h"
#include "tests/support/TempDir.h"

namespace EntityTests {
namespace {

using Engine::Matrix4x4;
using Engine::Quaternion;
using Engine::Vector3;

const float kHalfRoot2 = std::sqrt(0.5f);

struct WorldCase {
    const char* label;
    Quaternion rotation;
    Vector3 scale;
    Vector3 position;
    float rows[4][4];
};

// Hand-computed from the rotation table: each rotation row scaled by its own
// scale component, the position in the last column.
const WorldCase kWorldCases[] = {
    {"identity rotation", {1, 0, 0, 0}, {2, 3, 4}, {5, 6, 7},
     {{2, 0, 0, 5}, {0, 3, 0, 6}, {0, 0, 4, 7}, {0, 0, 0, 1}}},
    {"quarter turn about z, rows scaled 1 2 3", {kHalfRoot2, 0, 0, kHalfRoot2}, {1, 2, 3}, {1, 2, 3},
     {{0, -1, 0, 1}, {2, 0, 0, 2}, {0, 0, 3, 3}, {0, 0, 0, 1}}},
    {"quarter turn about x", {kHalfRoot2, kHalfRoot2, 0, 0}, {2, 2, 2}, {-1, 0, 4},
     {{2, 0, 0, -1}, {0, 0, -2, 0}, {0, 2, 0, 4}, {0, 0, 0, 1}}},
    {"quarter turn about y", {kHalfRoot2, 0, kHalfRoot2, 0}, {1, 1, 1}, {0, 0, 0},
     {{0, 0, 1, 0}, {0, 1, 0, 0}, {-1, 0, 0, 0}, {0, 0, 0, 1}}},
};

void ExpectRows(const Matrix4x4& world, const WorldCase& c) {
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) EXPECT_NEAR(world.m[i][j], c.rows[i][j], 1e-6f) << c.label << " [" << i << "][" << j << "]";
    }
}

// Every test starts with a fresh scene manager and journaling model and physics pools.
class EntityTest : public ::testing::Test {
protected:
    void SetUp() override {
        Engine::cSceneManager::Destroy();
        pool.journal = &journal;
        Engine::cEntity::SetModelPool(&pool);
        Engine::cEntity::SetPhysicsPool(&physics_pool);
    }
    void TearDown() override {
        Engine::cEntity::SetModelPool(nullptr);
        Engine::cEntity::SetPhysicsPool(nullptr);
        Engine::cSceneManager::Destroy();
    }

    Journal journal;
    cFakeModelPool pool;
    cFakePhysicsPool physics_pool;
};

TEST_F(EntityTest, WorldMatrixFollowsTheRotationTableScaledByRow) {
    for (const WorldCase& c : kWorldCases) {
        cAlphaEntity by_set_position;
        by_set_position.rotation = c.rotation;
        by_set_position.scale = c.scale;
        by_set_position.SetPosition(c.position);
        ExpectRows(by_set_position.world, c);

        cAlphaEntity by_update;
        by_update.rotation = c.rotation;
        by_update.scale = c.scale;
        by_update.position = c.position;
        by_update.Update(0.016f);
        ExpectRows(by_update.world, c);
    }
}

TEST_F(EntityTest, ConstructedEntityIsInert) {
    cAlphaEntity entity;
    EXPECT_TRUE(entity.name.empty());
    EXPECT_FALSE(entity.active);
    EXPECT_FALSE(entity.queued);
    EXPECT_EQ(entity.rotation, Quaternion(1, 0, 0, 0));
    EXPECT_EQ(entity.scale, Vector3(1, 1, 1));
    EXPECT_EQ(entity.world, Matrix4x4::Identity());
    EXPECT_EQ(entity.GetModel(), nullptr);
    EXPECT_EQ(entity.physics, nullptr);
}

TEST_F(EntityTest, ToggleTwiceReturnsTrueThenFalse) {
    cAlphaEntity entity;
    EXPECT_TRUE(entity.Toggle());
    EXPECT_FALSE(entity.Toggle());
    EXPECT_FALSE(entity.toggle);
}

TEST_F(EntityTest, SetActiveDrivesModelVisibilityAndPhysicsDisabledFlag) {
    struct Case {
        bool with_model, with_physics, start_on, on;
    };
    const Case cases[] = {
        {false, false, true, false}, {true, false, true, false}, {false, true, true, false},
        {true, true, true, false},   {true, true, false, true},
    };
    for (const Case& c : cases) {
        cAlphaEntity entity;
        cFakeModel model;
        cFakePhysics physics;
        model.visible = c.start_on;
        physics.disabled = !c.start_on;
        entity.active = c.start_on;
        if (c.with_model) entity.SetModel(&model);
        if (c.with_physics) entity.physics = &physics;

        entity.SetActive(c.on);

        const std::string label = std::string("model ") + (c.with_model ? "yes" : "no") + ", physics " +
                                  (c.with_physics ? "yes" : "no") + ", on " + (c.on ? "yes" : "no");
        EXPECT_EQ(entity.active, c.on) << label;
        EXPECT_EQ(model.visible, c.with_model ? c.on : c.start_on) << label;
        EXPECT_EQ(physics.disabled, c.with_physics ? !c.on : !c.start_on) << label;
        EXPECT_EQ(model.releases, 0) << label;
        EXPECT_FALSE(physics.removed) << label;
    }
}

TEST_F(EntityTest, InitMakesThePooledObjectLiveAndPending) {
    cJournalListener listener(&journal, "listener");
    Engine::cSceneManager::Instance().AddListener(&listener);
    cAlphaEntity entity;
    cFakeModel model;
    cFakePhysics physics;
    entity.queued = true;
    entity.toggle = true;
    entity.SetModel(&model);
    entity.physics = &physics;

    entity.Init("Kid");

    EXPECT_TRUE(entity.active);
    EXPECT_FALSE(entity.queued);
    EXPECT_FALSE(entity.toggle);
    EXPECT_EQ(entity.name, "Kid");
    EXPECT_EQ(entity.GetModel(), nullptr);
    EXPECT_EQ(entity.physics, nullptr);
    const auto& pending = Engine::cSceneManager::Instance().GetPending();
    ASSERT_EQ(pending.Size(), 1u);
    EXPECT_EQ(pending[0], &entity);
    EXPECT_TRUE(Engine::cSceneManager::Instance().GetEntities().empty());
    EXPECT_EQ(journal, Journal({"listener added Kid"}));
    Engine::cSceneManager::Instance().RemoveListener(&listener);
}

TEST_F(EntityTest, ResetGivesTheModelAndPhysicsBackAndUnregisters) {
    cAlphaEntity entity;
    entity.Init("Enemy");
    cFakeModel model;
    cFakePhysics physics;
    model.journal = &journal;
    physics_pool.journal = &journal;
    entity.SetModel(&model);
    entity.physics = &physics;
    entity.SetPosition({1, 2, 3});
    entity.scale = {4, 5, 6};
    entity.rotation = {0, 1, 0, 0};
    cJournalListener listener(&journal, "listener");
    Engine::cSceneManager::Instance().AddListener(&listener);

    entity.Reset();

    // Fields are cleared first, so the listener sees an empty name; the model goes back to its
    // pool before it is released; the scene manager comes last.
    EXPECT_EQ(journal, Journal({"model given back", "model release", "physics given back", "listener removed "}));
    ASSERT_EQ(pool.given_back.size(), 1u);
    EXPECT_EQ(pool.given_back[0], &model);
    EXPECT_EQ(entity.GetModel(), nullptr);
    EXPECT_EQ(physics_pool.given_back, std::vector<Engine::iPhysicsCmp*>({&physics}));
    EXPECT_EQ(entity.physics, nullptr) << "forgotten, so a torn-down entity cannot reach it";
    EXPECT_EQ(model.kind, Engine::iGraphicsCmp::kReleasedKind);
    EXPECT_FALSE(model.visible);
    EXPECT_TRUE(entity.name.empty());
    EXPECT_FALSE(entity.active);
    EXPECT_EQ(entity.position, Vector3(0, 0, 0));
    EXPECT_EQ(entity.scale, Vector3(1, 1, 1));
    EXPECT_EQ(entity.rotation, Quaternion(1, 0, 0, 0));
    EXPECT_EQ(Engine::cSceneManager::Instance().GetPending().Size(), 0u);
    EXPECT_EQ(Engine::cSceneManager::Instance().FindByName("Enemy"), nullptr);
    Engine::cSceneManager::Instance().RemoveListener(&listener);
}

TEST_F(EntityTest, ResetWithoutModelPoolLogsAndStillReleasesTheModel) {
    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory in_dir(dir.Path());
    Engine::cEntity::SetModelPool(nullptr);
    cAlphaEntity entity;
    cFakeModel model;
    entity.Init("Crate");
    entity.SetModel(&model);

    entity.Reset();

    EXPECT_EQ(model.releases, 1);
    EXPECT_EQ(entity.GetModel(), nullptr);
    Engine::cLog::Destroy();
    EXPECT_EQ(TestSupport::ReadFile(dir.File("Engine.log")),
              "Error: cEntity::Reset: no model component pool to give a model back to\n");
}

TEST_F(EntityTest, ResetOfAnUnregisteredEntityStillTellsTheListeners) {
    cJournalListener listener(&journal, "listener");
    Engine::cSceneManager::Instance().AddListener(&listener);
    cAlphaEntity never_registered;
    never_registered.Reset();
    EXPECT_EQ(journal, Journal({"listener removed "}));
    Engine::cSceneManager::Instance().RemoveListener(&listener);
}

}  // namespace
}  // namespace EntityTests
