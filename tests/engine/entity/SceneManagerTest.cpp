// cSceneManager: admission at Flush, the update order, removal, look-up by
// name, listeners and cameras.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/entity/cSceneManager.h"
#include "engine/entity/iCameraEntity.h"
#include "tests/engine/entity/EntityFakes.h"

namespace EntityTests {
namespace {

using Engine::cSceneManager;

// Registers a newcomer the first time it is updated.
class cSpawnerEntity : public cAlphaEntity {
public:
    void Update(float dt) override {
        cAlphaEntity::Update(dt);
        if (spawn != nullptr) {
            spawn->Init("spawned");
            spawn = nullptr;
        }
    }
    cJournalEntity* spawn = nullptr;
};

class cJournalCamera : public Engine::iCameraEntity {
public:
    explicit cJournalCamera(Journal* journal) : journal(journal) {}
    std::int32_t GetType() const override { return Engine::ENGINE_ENT_TYPES::CAMERA_ENTITY; }
    void Reset() override {}
    void Update(float) override {
        journal->push_back("camera update");
        if (spawn != nullptr) {
            spawn->Init("from camera");
            spawn = nullptr;
        }
    }
    Journal* journal;
    cJournalEntity* spawn = nullptr;
};

class SceneManagerTest : public ::testing::Test {
protected:
    void SetUp() override { cSceneManager::Destroy(); }
    void TearDown() override { cSceneManager::Destroy(); }

    // Names and journals an entity and registers it.
    void Register(cJournalEntity& entity, const std::string& name) {
        entity.journal = &journal;
        entity.Init(name);
    }

    static std::vector<Engine::cEntity*> PendingList() {
        std::vector<Engine::cEntity*> list;
        const auto& pending = cSceneManager::Instance().GetPending();
        for (std::size_t i = 0; i < pending.Size(); ++i) list.push_back(pending[i]);
        return list;
    }
    static const std::vector<Engine::cEntity*>& Admitted() { return cSceneManager::Instance().GetEntities(); }

    Journal journal;
};

TEST_F(SceneManagerTest, RegisteredEntitiesWaitInPendingUntilFlush) {
    cAlphaEntity a, b;
    Register(a, "a");
    Register(b, "b");
    EXPECT_EQ(PendingList(), (std::vector<Engine::cEntity*>{&a, &b}));
    EXPECT_TRUE(Admitted().empty());

    cSceneManager::Instance().Flush();

    EXPECT_TRUE(PendingList().empty());
    EXPECT_EQ(Admitted(), (std::vector<Engine::cEntity*>{&a, &b}));
}

TEST_F(SceneManagerTest, UpdateStepsEntitiesThenCamerasThenNewcomers) {
    cAlphaEntity first, second, from_camera;
    cSpawnerEntity spawner;
    cBetaEntity spawned;
    cJournalCamera camera(&journal);
    Register(first, "first");
    spawner.journal = &journal;
    spawner.Init("spawner");
    spawner.spawn = &spawned;
    spawned.journal = &journal;
    from_camera.journal = &journal;
    camera.spawn = &from_camera;
    Register(second, "second");
    cSceneManager::Instance().AddCamera(&camera);

    cSceneManager::Instance().Update(0.016f);

    EXPECT_EQ(journal, Journal({"update first", "update spawner", "update second", "camera update", "update spawned",
                                "update from camera"}));
    EXPECT_EQ(PendingList(), (std::vector<Engine::cEntity*>{&spawned, &from_camera})) << "newcomers stay pending";

    journal.clear();
    cSceneManager::Instance().Update(0.016f);
    EXPECT_EQ(journal, Journal({"update first", "update spawner", "update second", "update spawned",
                                "update from camera", "camera update"}))
        << "admitted at the next flush, stepped once per update";
    EXPECT_EQ(spawned.updates, 2);
}

TEST_F(SceneManagerTest, InactiveEntitiesAreStillStepped) {
    cAlphaEntity sleeper;
    Register(sleeper, "sleeper");
    sleeper.SetActive(false);
    cSceneManager::Instance().Update(0.016f);
    EXPECT_EQ(sleeper.updates, 1);
}

TEST_F(SceneManagerTest, RemoveTakesTheEntityOutOfEitherListKeepingOrder) {
    cAlphaEntity a, b, c, d, e;
    Register(a, "a");
    Register(b, "b");
    Register(c, "c");
    cSceneManager::Instance().Flush();
    Register(d, "d");
    Register(e, "e");

    cSceneManager::Instance().Remove(&b);
    cSceneManager::Instance().Remove(&d);

    EXPECT_EQ(Admitted(), (std::vector<Engine::cEntity*>{&a, &c}));
    EXPECT_EQ(PendingList(), (std::vector<Engine::cEntity*>{&e}));
}

TEST_F(SceneManagerTest, EntityRegisteredAndResetBeforeAFlushIsNeverAdmitted) {
    cAlphaEntity brief;
    Register(brief, "brief");
    brief.Reset();
    cSceneManager::Instance().Update(0.016f);
    EXPECT_TRUE(Admitted().empty());
    EXPECT_EQ(brief.updates, 0);
}

TEST_F(SceneManagerTest, ListenersHearEventsInRegistrationOrderBeforeRemoval) {
    cJournalListener one(&journal, "one"), two(&journal, "two"), three(&journal, "three");
    cSceneManager& scene = cSceneManager::Instance();
    scene.AddListener(&one);
    scene.AddListener(&two);
    scene.AddListener(&three);
    cAlphaEntity entity;
    entity.Init("x");
    scene.RemoveListener(&two);
    scene.Remove(&entity);
    scene.Clear();
    cAlphaEntity stranger;
    stranger.name = "stranger";
    scene.Remove(&stranger);

    EXPECT_EQ(journal, Journal({"one added x", "two added x", "three added x", "one removed x", "three removed x",
                                "one cleared", "three cleared", "one removed stranger", "three removed stranger"}));
    scene.RemoveListener(&one);
    scene.RemoveListener(&three);
}

TEST_F(SceneManagerTest, FindByNamePrefersPendingThenTheEarliestAdmitted) {
    cAlphaEntity kid, enemy_old, door_first, door_second, enemy_new, stroke;
    Register(kid, "Kid");
    Register(enemy_old, "Enemy");
    Register(door_first, "Door");
    Register(door_second, "Door");
    cSceneManager::Instance().Flush();
    Register(enemy_new, "Enemy");
    Register(stroke, "Stroke");

    struct Case {
        const char* name;
        Engine::cEntity* expected;
    };
    const Case cases[] = {
        {"Kid", &kid},           {"Enemy", &enemy_new}, {"Door", &door_first}, {"Stroke", &stroke},
        {"kid", nullptr},        {"Ki", nullptr},       {"Kid ", nullptr},     {"", nullptr},
        {"Nobody", nullptr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cSceneManager::Instance().FindByName(c.name), static_cast<Engine::iBaseEntity*>(c.expected))
            << '"' << c.name << '"';
    }
}

TEST_F(SceneManagerTest, ClearForgetsAdmittedEntitiesOnly) {
    Journal unused;
    cAlphaEntity admitted, waiting;
    cJournalCamera camera(&unused);
    Register(admitted, "admitted");
    cSceneManager::Instance().Flush();
    Register(waiting, "waiting");
    cSceneManager::Instance().AddCamera(&camera);

    cSceneManager::Instance().Clear();

    EXPECT_TRUE(Admitted().empty());
    EXPECT_EQ(PendingList(), (std::vector<Engine::cEntity*>{&waiting}));
    EXPECT_EQ(cSceneManager::Instance().GetCameras().size(), 1u);
    EXPECT_TRUE(admitted.active) << "entities are not reset";
    EXPECT_EQ(admitted.name, "admitted");
}

TEST_F(SceneManagerTest, RemoveCameraTakesTheFirstOccurrence) {
    Journal unused;
    cJournalCamera one(&unused), two(&unused);
    cSceneManager& scene = cSceneManager::Instance();
    scene.AddCamera(&one);
    scene.AddCamera(&two);
    scene.AddCamera(&one);
    scene.RemoveCamera(&one);
    EXPECT_EQ(scene.GetCameras(), (std::vector<Engine::iCameraEntity*>{&two, &one}));
}

}  // namespace
}  // namespace EntityTests
