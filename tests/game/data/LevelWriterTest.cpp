// cLevelWriter: a written level reads back through cLevelManager with the
// same objects, transforms, extras, spawns and tile layer.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "engine/core/Quaternion.h"
#include "engine/core/cLog.h"
#include "engine/entity/cEntity.h"
#include "engine/entity/cSceneManager.h"
#include "game/data/cLevelManager.h"
#include "game/data/cLevelWriter.h"
#include "game/entities/cGameFactory.h"
#include "engine/render/scene/cLightManager.h"
#include "engine/render/scene/cLightPool.h"
#include "game/entities/eGameEntityTypes.h"
#include "tests/game/data/LevelRecorders.h"
#include "tests/support/TempDir.h"

namespace {

using Game::cGameFactory;
using Game::cLevelManager;
using Game::cLevelWriter;
using Game::LevelObjectValues;
using TestSupport::cRecorder;
using TestSupport::cSpawnerRecorder;
using TestSupport::Recorded;
using TestSupport::Spawner;
namespace Types = Game::GAME_ENT_TYPES;

template <Types::eGameEntityTypes Type>
class cWritten : public Engine::cEntity {
public:
    std::int32_t GetType() const override { return Type; }
};

class LevelWriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(TestSupport::StartLevelServices());
        ASSERT_TRUE(cGameFactory::Instance().RegisterType<cWritten<Types::KID>>(Types::KID));
        ASSERT_TRUE(cGameFactory::Instance().RegisterType<cWritten<Types::BOMB_ENEMY>>(Types::BOMB_ENEMY));
    }
    void TearDown() override {
        TestSupport::DestroyLevelServices();
        Engine::cLog::Destroy();
    }
    std::string LogText() {
        Engine::cLog::Destroy();
        return TestSupport::ReadFile(dir.File("Engine.log"));
    }
    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory in_dir{dir.Path()};
};

TEST_F(LevelWriterTest, WrittenLevelReadsBackTheSame) {
    cWritten<Types::KID> kid;
    kid.position = {1.5f, 0.5f, -2.0f};
    kid.scale = {2.0f, 2.0f, 2.0f};
    cWritten<Types::BOMB_ENEMY> bomb;
    bomb.position = {3.0f, 0.0f, 4.0f};
    bomb.rotation = Engine::Quaternion::FromAxisAngle({0.0f, 1.0f, 0.0f}, 3.14159265f / 2.0f);
    cWritten<Types::STROKE> stroke;

    const std::string path = dir.File("Saved.xml");
    cLevelWriter writer(path);
    tinyxml2::XMLElement* kid_element = writer.AddObject(kid);
    ASSERT_NE(kid_element, nullptr);
    writer.AddWaypoint(kid_element, {5.0f, 0.5f, 0.25f});
    ASSERT_NE(writer.AddObject(bomb), nullptr);
    EXPECT_EQ(writer.AddObject(stroke), nullptr);
    writer.AddTileLayer(Game::cTileLayerCells(3, 2, -3.0f, -2.0f, 0.0f, "101001"));
    ASSERT_TRUE(writer.Save());

    const std::string text = TestSupport::ReadFile(path);
    EXPECT_NE(text.find("posX=\"1.500000\""), std::string::npos) << text;
    EXPECT_NE(text.find("<GlobalAmbientLight Red=\"0.2f\" Green=\"0.3f\" Blue=\"0.5f\" Alpha=\"0.1f\"/>"),
              std::string::npos);
    EXPECT_NE(text.find(">101001</BinaryMapLayer>"), std::string::npos);

    cLevelManager& levels = cLevelManager::Instance();
    ASSERT_TRUE(levels.Load("Saved", dir.Path().string() + "/"));
    ASSERT_EQ(levels.level_entities.size(), 2u);
    auto* read_kid = dynamic_cast<Engine::cEntity*>(levels.kid);
    ASSERT_NE(read_kid, nullptr);
    EXPECT_FLOAT_EQ(read_kid->position.x, 1.5f);
    EXPECT_FLOAT_EQ(read_kid->scale.y, 2.0f);
    ASSERT_EQ(levels.waypoints.size(), 1u);
    EXPECT_FLOAT_EQ(levels.waypoints[0].z, 0.25f);
    auto* read_bomb = dynamic_cast<Engine::cEntity*>(levels.level_entities[1]);
    EXPECT_NEAR(read_bomb->rotation.w, bomb.rotation.w, 1e-5f);
    EXPECT_NEAR(read_bomb->rotation.y, bomb.rotation.y, 1e-5f);
    EXPECT_EQ(levels.tile_cells.Text(), "101001");
    EXPECT_FLOAT_EQ(levels.tile_cells.MinZ(), -2.0f);
    EXPECT_FLOAT_EQ(Engine::cLightManager::Instance().Ambient().b, 0.5f);

    EXPECT_NE(LogText().find("Error: Level writer:"), std::string::npos);
}

// Every extra the editor saves comes back to the object that reads it.
TEST_F(LevelWriterTest, ExtrasAndSpawnsReadBackTheSame) {
    cGameFactory& factory = cGameFactory::Instance();
    ASSERT_TRUE(factory.RegisterType<cSpawnerRecorder<Types::SPAWN_ENEMY>>(Types::SPAWN_ENEMY));
    ASSERT_TRUE(factory.RegisterType<cSpawnerRecorder<Types::TIME_SPAWN_ENEMY>>(Types::TIME_SPAWN_ENEMY));
    ASSERT_TRUE(factory.RegisterType<cRecorder<Types::DUMB_ENEMY>>(Types::DUMB_ENEMY));
    ASSERT_TRUE(factory.RegisterType<cRecorder<Types::CAMERA_TRIGGER>>(Types::CAMERA_TRIGGER));
    ASSERT_TRUE(factory.RegisterType<cRecorder<Types::WIN_POINT>>(Types::WIN_POINT));
    ASSERT_TRUE(factory.RegisterType<cRecorder<Types::FOG_TRIGGER_ON>>(Types::FOG_TRIGGER_ON));
    ASSERT_TRUE(factory.RegisterType<cRecorder<Types::DECORATION>>(Types::DECORATION));
    ASSERT_TRUE(factory.RegisterType<cRecorder<Types::BILLBOARD_OBJ>>(Types::BILLBOARD_OBJ));

    cWritten<Types::KID> kid;
    cWritten<Types::SPAWN_ENEMY> spawner;
    spawner.position = {3.0f, 0.0f, 4.0f};
    cWritten<Types::SPAWN_ENEMY> inner;
    inner.position = {6.0f, 0.0f, 4.0f};
    cWritten<Types::TIME_SPAWN_ENEMY> timed;
    timed.position = {-5.0f, 0.0f, 2.0f};
    cWritten<Types::DUMB_ENEMY> basic;
    basic.position = {7.0f, 0.0f, 1.0f};
    cWritten<Types::BOMB_ENEMY> bomb;
    cWritten<Types::CAMERA_TRIGGER> trigger;
    cWritten<Types::WIN_POINT> win;
    cWritten<Types::FOG_TRIGGER_ON> fog;
    cWritten<Types::DECORATION> tree;
    cWritten<Types::BILLBOARD_OBJ> moon;

    LevelObjectValues path;
    path.waypoints = {{5.0f, 0.5f, 0.0f}, {5.0f, 0.5f, 8.0f}};
    LevelObjectValues waves;
    waves.time_interval = 2.5f;
    waves.no_of_waves = 3;
    LevelObjectValues shot;
    shot.cinematic = Game::CinematicTarget{30.0f, 20.0f, 12.0f, {4.0f, 0.0f, 5.0f}};
    LevelObjectValues mist;
    mist.intensity = 0.75f;
    LevelObjectValues tree_id;
    tree_id.catalogue_id = "Tree";
    LevelObjectValues moon_id;
    moon_id.catalogue_id = "Moon";

    const std::string path_name = dir.File("Extras.xml");
    cLevelWriter writer(path_name);
    ASSERT_NE(writer.AddObject(kid, path), nullptr);
    tinyxml2::XMLElement* spawner_element = writer.AddObject(spawner);
    ASSERT_NE(spawner_element, nullptr);
    ASSERT_NE(writer.AddSpawn(spawner_element, basic), nullptr);
    tinyxml2::XMLElement* inner_element = writer.AddSpawn(spawner_element, inner);
    ASSERT_NE(inner_element, nullptr);
    ASSERT_NE(writer.AddSpawn(inner_element, basic), nullptr);
    ASSERT_NE(writer.AddSpawn(inner_element, basic), nullptr);
    EXPECT_EQ(writer.AddSpawn(inner_element, inner), nullptr);  // the loader reads one level of nesting
    EXPECT_EQ(writer.AddSpawn(spawner_element, tree), nullptr);
    EXPECT_EQ(writer.AddSpawn(nullptr, basic), nullptr);
    tinyxml2::XMLElement* timed_element = writer.AddObject(timed, waves);
    ASSERT_NE(timed_element, nullptr);
    ASSERT_NE(writer.AddSpawn(timed_element, basic), nullptr);
    EXPECT_EQ(writer.AddSpawn(timed_element, inner), nullptr);
    ASSERT_NE(writer.AddObject(trigger, shot), nullptr);
    ASSERT_NE(writer.AddObject(win, shot), nullptr);
    ASSERT_NE(writer.AddObject(fog, mist), nullptr);
    ASSERT_NE(writer.AddObject(tree, tree_id), nullptr);
    ASSERT_NE(writer.AddObject(moon, moon_id), nullptr);
    writer.AddTileLayer(Game::cTileLayerCells());
    ASSERT_TRUE(writer.Save());

    cLevelManager& levels = cLevelManager::Instance();
    ASSERT_TRUE(levels.Load("Extras", dir.Path().string() + "/"));
    ASSERT_EQ(levels.waypoints.size(), 2u);
    EXPECT_FLOAT_EQ(levels.waypoints[1].z, 8.0f);

    ASSERT_EQ(levels.spawners.size(), 2u);
    auto* outer = Spawner<Types::SPAWN_ENEMY>(levels.spawners[0]);
    ASSERT_NE(outer, nullptr);
    EXPECT_FLOAT_EQ(outer->position.x, 3.0f);
    ASSERT_EQ(outer->spawns.size(), 2u);
    EXPECT_FLOAT_EQ(dynamic_cast<Engine::cEntity*>(outer->spawns[0])->position.x, 7.0f);
    auto* read_inner = Spawner<Types::SPAWN_ENEMY>(outer->spawns[1]);
    ASSERT_NE(read_inner, nullptr);
    EXPECT_FLOAT_EQ(read_inner->position.x, 6.0f);
    EXPECT_EQ(read_inner->spawns.size(), 2u);

    auto* read_timed = Spawner<Types::TIME_SPAWN_ENEMY>(levels.spawners[1]);
    ASSERT_NE(read_timed, nullptr);
    EXPECT_FLOAT_EQ(read_timed->values.time_interval, 2.5f);
    EXPECT_EQ(read_timed->values.no_of_waves, 3u);
    EXPECT_EQ(read_timed->spawns.size(), 3u);
    EXPECT_FLOAT_EQ(read_timed->position.x, -5.0f);

    for (Engine::iBaseEntity* e : levels.level_entities) {
        std::optional<Game::CinematicTarget> read_shot;
        if (auto* t = Recorded<Types::CAMERA_TRIGGER>(e)) read_shot = t->values.cinematic;
        if (auto* w = Recorded<Types::WIN_POINT>(e)) read_shot = w->values.cinematic;
        if (auto* f = Recorded<Types::FOG_TRIGGER_ON>(e)) {
            EXPECT_FLOAT_EQ(f->values.intensity, 0.75f);
        }
        if (e->GetType() != Types::CAMERA_TRIGGER && e->GetType() != Types::WIN_POINT) continue;
        ASSERT_TRUE(read_shot.has_value()) << e->GetType();
        EXPECT_FLOAT_EQ(read_shot->azimuth, 30.0f);
        EXPECT_FLOAT_EQ(read_shot->latitude, 20.0f);
        EXPECT_FLOAT_EQ(read_shot->distance, 12.0f);
        EXPECT_FLOAT_EQ(read_shot->target.x, 4.0f);
        EXPECT_FLOAT_EQ(read_shot->target.y, 0.0f);
    }
    ASSERT_EQ(levels.decorations.size(), 1u);
    EXPECT_EQ(Recorded<Types::DECORATION>(levels.decorations[0].second)->values.catalogue_id, "Tree");
    ASSERT_EQ(levels.billboards.size(), 1u);
    EXPECT_EQ(levels.billboards[0].first, "Moon");
    const std::string log = LogText();
    EXPECT_EQ(log.find("skipped"), std::string::npos) << log;
    EXPECT_EQ(log.find("refused"), std::string::npos) << log;
    EXPECT_NE(log.find("Error: Level writer:  not saved: a TimeSpawnEnemy element cannot hold type 30"),
              std::string::npos);
}

TEST_F(LevelWriterTest, TypesNameTheirElements) {
    struct Case {
        std::int32_t type;
        const char* name;
    };
    const Case cases[] = {{13, "BasicEnemy"}, {19, "DollEnemy"}, {29, "DragEnemy"}, {39, "Door"},
                          {51, "BossEnemy"},  {55, "FogTriggerOff"}, {58, "RainTriggerOn"}, {8, nullptr}};
    for (const Case& c : cases) {
        const char* name = cLevelWriter::ElementName(c.type);
        if (c.name == nullptr) {
            EXPECT_EQ(name, nullptr) << c.type;
        } else {
            ASSERT_NE(name, nullptr) << c.type;
            EXPECT_STREQ(name, c.name);
        }
    }
}

}  // namespace
