// cGameFactory: the 61-slot type table, registration, and the entity life
// cycle through the process-wide factory.

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

#include "engine/core/cLog.h"
#include "engine/entity/cEntity.h"
#include "engine/entity/cSceneManager.h"
#include "engine/render/scene/cLightEntity.h"
#include "game/entities/cGameFactory.h"
#include "game/entities/cGroundPlane.h"
#include "game/entities/eGameEntityTypes.h"
#include "tests/support/TempDir.h"

namespace {

using Game::cGameFactory;
using Game::EntityTypeId;
namespace Types = Game::GAME_ENT_TYPES;

// Stands in for a gameplay class in a slot that has none.
class cStandInEntity : public Engine::cEntity {
public:
    std::int32_t GetType() const override { return Types::UNUSED_10; }
};

// A fresh, registered factory and scene manager per test; log lines land in
// a temporary folder.
class GameFactoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        cGameFactory::Destroy();
        Engine::cSceneManager::Destroy();
        ASSERT_TRUE(cGameFactory::Instance().Register());
    }
    void TearDown() override {
        cGameFactory::Instance().Shutdown();
        cGameFactory::Destroy();
        Engine::cSceneManager::Destroy();
        Engine::cLog::Destroy();
    }

    std::string LogText() {
        Engine::cLog::Destroy();
        return TestSupport::ReadFile(dir.File("Engine.log"));
    }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory in_dir{dir.Path()};
};

TEST(GameEntityTypesTest, IdentifiersKeepTheirTableValues) {
    struct Case {
        EntityTypeId id;
        std::int32_t value;
    };
    const Case cases[] = {
        {Engine::ENGINE_ENT_TYPES::CAMERA_ENTITY, 0}, {Engine::ENGINE_ENT_TYPES::LIGHT_ENTITY, 1},
        {Types::SAMPLE_ENTITY, 2},     {Types::KID, 3},              {Types::STROKE, 8},
        {Types::UNUSED_10, 10},        {Types::DUMB_ENEMY, 13},      {Types::PROJECTILE, 18},
        {Types::HEALING_LAMP_POST, 22}, {Types::WITCH_ENEMY3, 26},   {Types::TIME_SPAWN_ENEMY, 31},
        {Types::GROUND_PLANE, 35},     {Types::TARGET_BOX, 36},      {Types::NORMAL_WALL, 37},
        {Types::CAMERA_TRIGGER, 43},   {Types::ARROW_TRAP, 49},      {Types::SWAT, 52},
        {Types::WEAPON_ENEMY, 53},     {Types::HAMMER, 54},          {Types::FOG_TRIGGER_OFF, 55},
        {Types::CUTSCENE_TRIGGER, 59}, {Types::HEALTH_ICON, 60},     {Types::GAME_ENT_TYPES_END, 61},
    };
    for (const Case& c : cases) EXPECT_EQ(static_cast<std::int32_t>(c.id), c.value);
    EXPECT_EQ(EntityTypeId::FromValue(41), EntityTypeId(Types::WIN_POINT));
}

TEST_F(GameFactoryTest, RegisterMakesSixtyOneSlotsOfTheClassesThatExist) {
    cGameFactory& factory = cGameFactory::Instance();
    EXPECT_TRUE(factory.IsRegistered());
    ASSERT_EQ(factory.TypeCount(), 61u);
    // The classes written so far have their slots; every other slot is empty.
    EXPECT_NE(factory.GetTypedFactory<Engine::cLightEntity>(EntityTypeId::FromValue(1)), nullptr);
    EXPECT_NE(factory.GetTypedFactory<Game::cGroundPlane>(Types::GROUND_PLANE), nullptr);
    const std::set<std::int32_t> written{Types::SAMPLE_ENTITY, Types::DECORATION, Types::BILLBOARD_OBJ,
                                         Types::GROUND_PLANE, Types::BINARY_TILE, Types::DUMB_ENEMY,
                                         Types::DUMB_ENEMY_HP, Types::DUMB_ENEMY_FAST, Types::SPAWN_ENEMY,
                                         Types::TIME_SPAWN_ENEMY, Types::KID, Types::KID_KEY, Types::PATH,
                                         Types::STROKE, Types::GAME_CAMERA, Types::DEV_CAMERA,
                                         Types::CAMERA_TRIGGER, Types::CHECK_POINT, Types::WIN_POINT,
                                         Types::CHALLENGE_POINT, Types::FOG_TRIGGER_OFF, Types::FOG_TRIGGER_ON,
                                         Types::RAIN_TRIGGER_OFF, Types::RAIN_TRIGGER_ON,
                                         Types::POWER_UP_ENERGY, Types::COLLECTABLE,
                                         Types::KEY, Types::DOOR, Types::LOCKED_DOOR, Types::FENCE,
                                         Types::DESTRUCTABLES, Types::UNDESTRUCTABLE};
    for (std::int32_t id = 2; id < 61; ++id) {
        EXPECT_EQ(factory.GetFactory(EntityTypeId::FromValue(id)) != nullptr, written.count(id) == 1) << id;
    }
}

TEST_F(GameFactoryTest, SecondRegisterIsRefusedAndKeepsLivePools) {
    cGameFactory& factory = cGameFactory::Instance();
    ASSERT_TRUE(factory.RegisterType<cStandInEntity>(Types::UNUSED_10));
    Engine::iBaseEntity* live = factory.Create(Types::UNUSED_10);

    EXPECT_FALSE(factory.Register());

    EXPECT_NE(factory.GetFactory(Types::UNUSED_10), nullptr);
    factory.Destroy(&live);
    EXPECT_EQ(live, nullptr);
    EXPECT_EQ(LogText(), "Error: cGameFactory::Register: the entity types are already registered\n");
}

TEST_F(GameFactoryTest, CreateOfATypeWithoutClassGivesNullAndLogs) {
    EXPECT_EQ(cGameFactory::Instance().Create(Types::BOMB_ENEMY), nullptr);
    EXPECT_EQ(cGameFactory::Instance().CreateTyped<cStandInEntity>(Types::NORMAL_WALL), nullptr);
    EXPECT_EQ(LogText(),
              "Error: GenericFactoryManager: no class is registered for type 20\n"
              "Error: GenericFactoryManager: no class is registered for type 37\n");
}

TEST_F(GameFactoryTest, EntityLifeCycleThroughTheProcessWideFactory) {
    cGameFactory& factory = cGameFactory::Instance();
    ASSERT_TRUE(factory.RegisterType<cStandInEntity>(Types::UNUSED_10));
    Engine::cSceneManager& scene = Engine::cSceneManager::Instance();

    cStandInEntity* entity = factory.CreateTyped<cStandInEntity>(Types::UNUSED_10);
    ASSERT_NE(entity, nullptr);
    entity->Init("StandIn");
    scene.Update(0.016f);
    ASSERT_EQ(scene.GetEntities().size(), 1u);

    factory.QueueDeletion(entity);
    factory.QueueDeletion(entity);
    EXPECT_EQ(factory.QueuedDeletions(), 1u);
    EXPECT_EQ(scene.FindByName("StandIn"), entity);

    factory.FlushDeletions();

    EXPECT_TRUE(scene.GetEntities().empty());
    EXPECT_EQ(factory.CreateTyped<cStandInEntity>(Types::UNUSED_10), entity) << "back in its own pool";
}

TEST_F(GameFactoryTest, ShutdownReleasesEverythingAndEmptiesTheTable) {
    cGameFactory& factory = cGameFactory::Instance();
    ASSERT_TRUE(factory.RegisterType<cStandInEntity>(Types::UNUSED_10));
    cStandInEntity* entity = factory.CreateTyped<cStandInEntity>(Types::UNUSED_10);
    entity->Init("StandIn");
    factory.QueueDeletion(entity);

    factory.Shutdown();

    EXPECT_FALSE(factory.IsRegistered());
    EXPECT_EQ(factory.TypeCount(), 0u);
    EXPECT_EQ(factory.QueuedDeletions(), 0u);
    EXPECT_TRUE(Engine::cSceneManager::Instance().GetPending().Empty()) << "released before the pools went";
    EXPECT_TRUE(factory.Register()) << "a shut-down factory can be registered again";
    EXPECT_EQ(factory.TypeCount(), 61u);
}

TEST(GameFactoryInstanceTest, DestroyGivesAFreshFactoryOnNextUse) {
    cGameFactory::Destroy();
    cGameFactory::Instance().Register();
    cGameFactory::Destroy();
    EXPECT_FALSE(cGameFactory::Exists());
    EXPECT_FALSE(cGameFactory::Instance().IsRegistered());
    cGameFactory::Destroy();
}

}  // namespace
