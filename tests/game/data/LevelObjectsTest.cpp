// cLevelManager with classes that set themselves up from the level: the
// values each kind receives, spawners and their nested enemies, refused
// set-ups, the level's lights, decoration batching, and the loads that fail.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/core/cLog.h"
#include "engine/entity/cEntity.h"
#include "engine/entity/cSceneManager.h"
#include "engine/render/scene/cLightManager.h"
#include "engine/render/scene/cLightPool.h"
#include "game/data/cLevelManager.h"
#include "game/entities/cGameFactory.h"
#include "game/entities/cTileLayerCells.h"
#include "game/entities/eGameEntityTypes.h"
#include "game/entities/iLevelObject.h"
#include "game/entities/iLevelSpawner.h"
#include "tests/game/data/LevelRecorders.h"
#include "tests/support/TempDir.h"

namespace {

using Game::cGameFactory;
using Game::cLevelManager;
using Game::LevelObjectValues;
using TestSupport::cRecorder;
using TestSupport::cSpawnerRecorder;
using TestSupport::Recorded;
using TestSupport::Spawner;
namespace Types = Game::GAME_ENT_TYPES;

bool Active(Engine::iBaseEntity* e) { return dynamic_cast<Engine::cEntity&>(*e).active; }

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

class LevelObjectsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(TestSupport::StartLevelServices());
        cLevelManager& levels = cLevelManager::Instance();
        levels.current_state = [this] { return state; };
        levels.request_state = [this](int s) { requested.push_back(s); };
        levels.bake_decorations = [this] { ++bakes; };
    }
    void TearDown() override {
        TestSupport::DestroyLevelServices();
        Engine::cLog::Destroy();
    }
    template <Types::eGameEntityTypes Type>
    void Provide() {
        ASSERT_TRUE(cGameFactory::Instance().RegisterType<cRecorder<Type>>(Type));
    }
    template <Types::eGameEntityTypes Type>
    void ProvideSpawner() {
        ASSERT_TRUE(cGameFactory::Instance().RegisterType<cSpawnerRecorder<Type>>(Type));
    }
    void WriteLevel(const std::string& name, const std::string& body) {
        dir.Write("levels/" + name + ".xml", "<?xml version=\"1.0\"?>\n<LevelRoot>\n" + body + "</LevelRoot>\n");
    }
    bool Load(const std::string& name) { return cLevelManager::Instance().Load(name, dir.File("levels/")); }
    std::string LogText() {
        Engine::cLog::Destroy();
        return TestSupport::ReadFile(dir.File("Engine.log"));
    }
    // Objects of type in level_entities.
    std::vector<Engine::iBaseEntity*> Listed(std::int32_t type) const {
        std::vector<Engine::iBaseEntity*> found;
        for (Engine::iBaseEntity* e : cLevelManager::Instance().level_entities) {
            if (e->GetType() == type) found.push_back(e);
        }
        return found;
    }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory in_dir{dir.Path()};
    int state = 0;
    int bakes = 0;
    std::vector<int> requested;
};

TEST_F(LevelObjectsTest, EachKindReceivesTheValuesOfItsElement) {
    Provide<Types::KID>();
    Provide<Types::STROKE>();
    Provide<Types::DUMB_ENEMY>();
    Provide<Types::CAMERA_TRIGGER>();
    Provide<Types::WIN_POINT>();
    Provide<Types::RAIN_TRIGGER_ON>();
    Provide<Types::FOG_TRIGGER_ON>();
    Provide<Types::KEY>();
    Provide<Types::DECORATION>();
    Provide<Types::BILLBOARD_OBJ>();
    Provide<Types::BINARY_TILE>();
    WriteLevel("Level4",
               "<Kid posX=\"2\" posY=\"0.5\" posZ=\"3\" scaleX=\"2\" rotation=\"45\">\n"
               "  <waypoint posX=\"5\" posY=\"0.5\" posZ=\"0\"/>\n  <waypoint posZ=\"7\"/>\n</Kid>\n"
               "<BasicEnemy posX=\"4\" posZ=\"1\" rotation=\"30\"/>\n"
               "<CameraTrigger posX=\"1\" scaleX=\"6\">\n"
               "  <CinematicTarget azimuth=\"30\" latitude=\"20\" distance=\"12\" targetX=\"4\" targetZ=\"5\"/>\n"
               "</CameraTrigger>\n"
               "<WinPoint rotation=\"90\"><CinematicTarget distance=\"8\"/></WinPoint>\n"
               "<RainTriggerOn Intensity=\"0.8\"/>\n<FogTriggerOn/>\n"
               "<Key posX=\"7\"/>\n<Key posX=\"8\"/>\n"
               "<Decoration id=\"Tree\" scaleY=\"3\" rotation=\"10\"/>\n"
               "<Billboard BillboardID=\"Moon\" scaleX=\"4\"/>\n"
               "<BinaryMapLayer width=\"3\" height=\"2\" minX=\"-3\" minZ=\"-2\">101001</BinaryMapLayer>\n");
    cRecorder<Types::STROKE> camera;  // any entity stands for the gameplay camera
    cLevelManager& levels = cLevelManager::Instance();
    levels.current_number = 4;
    levels.game_camera = &camera;
    state = 14;
    ASSERT_TRUE(Load(""));
    ASSERT_NE(levels.kid, nullptr);
    ASSERT_NE(levels.stroke, nullptr);

    const LevelObjectValues& kid = Recorded<Types::KID>(levels.kid)->values;
    EXPECT_EQ(kid.name, "Kid");
    EXPECT_FLOAT_EQ(kid.position.z, 3.0f);
    EXPECT_FLOAT_EQ(kid.scale.x, 2.0f);
    EXPECT_FLOAT_EQ(kid.rotation_degrees, 0.0f);  // the kid takes no rotation
    EXPECT_EQ(kid.checkpoint_id, -1);
    EXPECT_EQ(kid.key_count, 0);
    EXPECT_EQ(kid.game_state, 14);
    ASSERT_EQ(kid.waypoints.size(), 2u);
    EXPECT_FLOAT_EQ(kid.waypoints[1].x, 1.0f);
    EXPECT_FLOAT_EQ(kid.waypoints[1].z, 7.0f);
    EXPECT_FLOAT_EQ(Recorded<Types::KID>(levels.kid)->placed_at_set_up.x, 2.0f);
    EXPECT_EQ(Recorded<Types::STROKE>(levels.stroke)->values.kid, levels.kid);

    const auto enemy = Recorded<Types::DUMB_ENEMY>(Listed(Types::DUMB_ENEMY).at(0));
    EXPECT_EQ(enemy->values.kid, levels.kid);
    EXPECT_EQ(enemy->values.stroke, levels.stroke);
    EXPECT_FLOAT_EQ(enemy->values.rotation_degrees, 0.0f);  // basic enemies take no rotation
    EXPECT_EQ(enemy->set_ups, 1);

    const LevelObjectValues& trigger = Recorded<Types::CAMERA_TRIGGER>(Listed(Types::CAMERA_TRIGGER).at(0))->values;
    EXPECT_EQ(trigger.game_camera, &camera);
    EXPECT_EQ(trigger.kid, nullptr);
    ASSERT_TRUE(trigger.cinematic.has_value());
    EXPECT_FLOAT_EQ(trigger.cinematic->azimuth, 30.0f);
    EXPECT_FLOAT_EQ(trigger.cinematic->distance, 12.0f);
    EXPECT_FLOAT_EQ(trigger.cinematic->target.y, 1.0f);
    EXPECT_FLOAT_EQ(trigger.cinematic->target.z, 5.0f);
    EXPECT_FLOAT_EQ(trigger.cinematic->blend_time, 3.0f);

    const LevelObjectValues& win = Recorded<Types::WIN_POINT>(Listed(Types::WIN_POINT).at(0))->values;
    ASSERT_TRUE(win.cinematic.has_value());
    EXPECT_FLOAT_EQ(win.cinematic->distance, 8.0f);
    EXPECT_FLOAT_EQ(win.cinematic->azimuth, 1.0f);
    EXPECT_FLOAT_EQ(win.rotation_degrees, 90.0f);

    EXPECT_FLOAT_EQ(Recorded<Types::RAIN_TRIGGER_ON>(Listed(Types::RAIN_TRIGGER_ON).at(0))->values.intensity, 0.8f);
    EXPECT_FLOAT_EQ(Recorded<Types::FOG_TRIGGER_ON>(Listed(Types::FOG_TRIGGER_ON).at(0))->values.intensity, 0.5f);

    const std::vector<Engine::iBaseEntity*> keys = Listed(Types::KEY);
    ASSERT_EQ(keys.size(), 2u);
    for (std::uint32_t i = 0; i < 2; ++i) {
        const LevelObjectValues& key = Recorded<Types::KEY>(keys[i])->values;
        EXPECT_EQ(key.ordinal, i);
        EXPECT_EQ(key.kid, levels.kid);
    }

    ASSERT_EQ(levels.decorations.size(), 1u);
    const LevelObjectValues& tree = Recorded<Types::DECORATION>(levels.decorations[0].second)->values;
    EXPECT_EQ(tree.catalogue_id, "Tree");
    EXPECT_EQ(tree.name, "Deco_Tree0");
    EXPECT_FLOAT_EQ(tree.scale.y, 3.0f);
    EXPECT_FLOAT_EQ(tree.rotation_degrees, 10.0f);
    ASSERT_EQ(levels.billboards.size(), 1u);
    const LevelObjectValues& moon = Recorded<Types::BILLBOARD_OBJ>(levels.billboards[0].second)->values;
    EXPECT_EQ(moon.catalogue_id, "Moon");
    EXPECT_EQ(moon.name, "Moon1");
    EXPECT_FLOAT_EQ(moon.scale.x, 1.0f);  // billboards take only the position

    ASSERT_NE(levels.tile_layer, nullptr);
    EXPECT_EQ(Recorded<Types::BINARY_TILE>(levels.tile_layer)->tile_text, "101001");
}

TEST_F(LevelObjectsTest, KidRestartsAtTheCheckpointWithItsId) {
    Provide<Types::KID>();
    WriteLevel("Level0", "<Kid posX=\"1\" posY=\"0\" posZ=\"1\"><waypoint posX=\"9\"/></Kid>\n");
    cLevelManager& levels = cLevelManager::Instance();
    levels.loaded_number = 0;
    levels.checkpoint.reached = true;
    levels.checkpoint.position = {4.0f, 0.5f, -2.0f};
    levels.checkpoint.checkpoint_id = 3;
    // Two keys taken (the second touched twice), one spent on a door; two pieces of candy.
    levels.checkpoint.key_count = 2;
    levels.checkpoint.collected_keys = {0, 2, 2};
    levels.checkpoint.opened_doors = {1};
    levels.checkpoint.collected_candy = {3, 4, 3};
    state = 14;
    ASSERT_TRUE(Load(""));
    auto* kid = Recorded<Types::KID>(levels.kid);
    ASSERT_NE(kid, nullptr);
    EXPECT_EQ(kid->values.checkpoint_id, 3);
    EXPECT_EQ(kid->values.key_count, 1);
    EXPECT_EQ(kid->values.candy_count, 2);
    EXPECT_FLOAT_EQ(kid->values.position.x, 4.0f);
    EXPECT_FLOAT_EQ(kid->placed_at_set_up.z, -2.0f);
    ASSERT_EQ(kid->values.waypoints.size(), 1u);
    EXPECT_FLOAT_EQ(levels.waypoints.at(0).x, 9.0f);
}

TEST_F(LevelObjectsTest, UsedItemsAreSkippedAndTheOthersKeepTheirOrdinals) {
    Provide<Types::KID>();
    Provide<Types::COLLECTABLE>();
    Provide<Types::LOCKED_DOOR>();
    WriteLevel("Level1", "<Kid/>\n<Collectable/>\n<LockedDoor/>\n<Collectable/>\n<LockedDoor/>\n<Collectable/>\n");
    cLevelManager& levels = cLevelManager::Instance();
    levels.current_number = 1;
    levels.loaded_number = 1;
    levels.checkpoint.reached = true;
    levels.checkpoint.collected_candy = {0, 2};
    levels.checkpoint.opened_doors = {1};
    state = 14;
    ASSERT_TRUE(Load(""));
    EXPECT_EQ(levels.candy_total, 3u);
    const std::vector<Engine::iBaseEntity*> candy = Listed(Types::COLLECTABLE);
    ASSERT_EQ(candy.size(), 1u);
    EXPECT_EQ(Recorded<Types::COLLECTABLE>(candy[0])->values.ordinal, 1u);
    EXPECT_EQ(Recorded<Types::COLLECTABLE>(candy[0])->values.kid, levels.kid);
    const std::vector<Engine::iBaseEntity*> doors = Listed(Types::LOCKED_DOOR);
    ASSERT_EQ(doors.size(), 1u);
    EXPECT_EQ(Recorded<Types::LOCKED_DOOR>(doors[0])->values.ordinal, 0u);
}

TEST_F(LevelObjectsTest, TimeSpawnerGetsAFreshInactiveSetPerWave) {
    ProvideSpawner<Types::TIME_SPAWN_ENEMY>();
    Provide<Types::DUMB_ENEMY>();
    Provide<Types::BOMB_ENEMY>();
    struct Case {
        std::string waves;  // the attribute, or empty for none
        int state;
        std::size_t spawns;
    };
    const Case cases[] = {
        {"3", 0, 6},
        {"3", cLevelManager::STATE_SCENE_EDITOR, 2},
        {"0", 0, 0},
        {"0", cLevelManager::STATE_SCENE_EDITOR, 2},
        {"", 0, 2},
        {"4000000000", 0, 2 * cLevelManager::MAX_WAVES},
    };
    for (const Case& c : cases) {
        const std::string waves = c.waves.empty() ? "" : " NoOfWaves=\"" + c.waves + "\"";
        WriteLevel("Waves", "<TimeSpawnEnemy posX=\"10\" posY=\"0\" posZ=\"20\" TimeInterval=\"2.5\"" + waves +
                                ">\n  <BasicEnemy posX=\"11\"/>\n  <BombEnemy posX=\"12\"/>\n</TimeSpawnEnemy>\n");
        state = c.state;
        ASSERT_TRUE(Load("Waves"));
        cLevelManager& levels = cLevelManager::Instance();
        ASSERT_EQ(levels.spawners.size(), 1u);
        auto* spawner = Spawner<Types::TIME_SPAWN_ENEMY>(levels.spawners[0]);
        ASSERT_NE(spawner, nullptr);
        EXPECT_FLOAT_EQ(spawner->values.time_interval, 2.5f);
        ASSERT_EQ(spawner->spawns.size(), c.spawns) << c.waves << " " << c.state;
        EXPECT_EQ(levels.level_entities.size(), 1 + c.spawns);
        for (std::size_t i = 0; i < spawner->spawns.size(); ++i) {
            EXPECT_FALSE(Active(spawner->spawns[i]));
            EXPECT_EQ(spawner->spawns[i]->GetType(), i % 2 == 0 ? Types::DUMB_ENEMY : Types::BOMB_ENEMY);
            for (std::size_t j = 0; j < i; ++j) EXPECT_NE(spawner->spawns[i], spawner->spawns[j]);
            // The spawner takes its place only after its waves.
            EXPECT_FLOAT_EQ(spawner->positions[i].x, 0.0f);
        }
        EXPECT_FLOAT_EQ(spawner->position.x, 10.0f);
        EXPECT_FLOAT_EQ(spawner->position.z, 20.0f);
        cGameFactory::Instance().ReleaseAll();
    }
    EXPECT_EQ(Count(LogText(), "Error: Level: TimeSpawnEnemy asks for 4000000000 waves"), 1u);
}

TEST_F(LevelObjectsTest, SpawnEnemyHandsOverItsEnemiesAndOneNestedSpawner) {
    ProvideSpawner<Types::SPAWN_ENEMY>();
    Provide<Types::KID>();
    Provide<Types::DUMB_ENEMY>();
    Provide<Types::BOMB_ENEMY>();
    Provide<Types::DRAG_ENEMY>();
    WriteLevel("Nested",
               "<Kid/>\n"
               "<SpawnEnemy posX=\"3\" scaleX=\"2\">\n"
               "  <BasicEnemy posX=\"1\"/>\n"
               "  <SpawnEnemy posX=\"6\">\n"
               "    <BombEnemy/>\n    <BombEnemy/>\n"
               "    <SpawnEnemy posX=\"9\"><BasicEnemy/></SpawnEnemy>\n"
               "  </SpawnEnemy>\n"
               "  <Decoration id=\"Tree\"/>\n"
               "  <DragEnemy posX=\"2\"/>\n"
               "</SpawnEnemy>\n");
    ASSERT_TRUE(Load("Nested"));
    cLevelManager& levels = cLevelManager::Instance();
    ASSERT_EQ(levels.spawners.size(), 1u);
    auto* outer = Spawner<Types::SPAWN_ENEMY>(levels.spawners[0]);
    ASSERT_NE(outer, nullptr);
    EXPECT_TRUE(outer->active);
    EXPECT_FLOAT_EQ(outer->position.x, 3.0f);
    EXPECT_FLOAT_EQ(outer->scale.x, 2.0f);
    ASSERT_EQ(outer->spawns.size(), 3u);
    EXPECT_EQ(outer->spawns[0]->GetType(), Types::DUMB_ENEMY);
    EXPECT_EQ(outer->spawns[2]->GetType(), Types::DRAG_ENEMY);
    EXPECT_EQ(Recorded<Types::DRAG_ENEMY>(outer->spawns[2])->values.kid, levels.kid);

    auto* inner = Spawner<Types::SPAWN_ENEMY>(outer->spawns[1]);
    ASSERT_NE(inner, nullptr);
    EXPECT_FLOAT_EQ(inner->position.x, 6.0f);
    ASSERT_EQ(inner->spawns.size(), 2u);  // the third level of spawners is not read
    for (Engine::iBaseEntity* spawn : {outer->spawns[0], outer->spawns[1], outer->spawns[2], inner->spawns[0],
                                       inner->spawns[1]}) {
        EXPECT_FALSE(Active(spawn));
    }
    EXPECT_EQ(Listed(Types::SPAWN_ENEMY).size(), 2u);
    EXPECT_EQ(Listed(Types::DUMB_ENEMY).size(), 1u);
    EXPECT_TRUE(levels.decorations.empty());
}

TEST_F(LevelObjectsTest, ChildrenOfASpawnerThatTakesNoSpawnsAreSkipped) {
    Provide<Types::SPAWN_ENEMY>();
    Provide<Types::TIME_SPAWN_ENEMY>();
    Provide<Types::DUMB_ENEMY>();
    WriteLevel("Plain",
               "<SpawnEnemy><BasicEnemy/><BasicEnemy/></SpawnEnemy>\n<SpawnEnemy/>\n"
               "<TimeSpawnEnemy NoOfWaves=\"3\"><BasicEnemy/></TimeSpawnEnemy>\n");
    ASSERT_TRUE(Load("Plain"));
    EXPECT_EQ(cLevelManager::Instance().spawners.size(), 3u);
    EXPECT_TRUE(Listed(Types::DUMB_ENEMY).empty());
    const std::string log = LogText();
    EXPECT_EQ(Count(log, "Error: Level: the class of SpawnEnemy takes no spawns"), 1u);
    EXPECT_EQ(Count(log, "Error: Level: the class of TimeSpawnEnemy takes no spawns"), 1u);
}

TEST_F(LevelObjectsTest, RefusedObjectsGoBackToTheFactory) {
    ProvideSpawner<Types::SPAWN_ENEMY>();
    Provide<Types::DECORATION>();
    Provide<Types::DUMB_ENEMY>();
    auto* decoration_factory =
        cGameFactory::Instance().GetTypedFactory<cRecorder<Types::DECORATION>>(Types::DECORATION);
    ASSERT_NE(decoration_factory, nullptr);
    const std::size_t free_before = decoration_factory->GetPool().FreeList().Size();
    WriteLevel("Refusals", "<Decoration id=\"Missing\"/>\n<Decoration id=\"Tree\"/>\n<Decoration id=\"Missing\"/>\n");
    ASSERT_TRUE(Load("Refusals"));
    cLevelManager& levels = cLevelManager::Instance();
    ASSERT_EQ(levels.decorations.size(), 1u);
    EXPECT_EQ(levels.decorations[0].first, "Tree");
    EXPECT_EQ(Recorded<Types::DECORATION>(levels.decorations[0].second)->values.name, "Deco_Tree1");
    EXPECT_EQ(decoration_factory->GetPool().FreeList().Size(), free_before - 1);
    const auto& free_list = decoration_factory->GetPool().FreeList();
    for (std::size_t i = 0; i < free_list.Size(); ++i) EXPECT_FALSE(Active(free_list[i]));
    EXPECT_EQ(Count(LogText(), "Error: Level: Decoration \"Deco_Missing"), 2u);
}

TEST_F(LevelObjectsTest, AmbientColourReachesTheLightManagerAndTheSunIsMadeOnce) {
    WriteLevel("Lit", "<GlobalAmbientLight Red=\"0.2f\" Green=\"0.3f\" Blue=\"0.5f\"/>\n");
    WriteLevel("Dark", "");
    for (const char* level : {"Lit", "Lit", "Dark"}) {
        ASSERT_TRUE(Load(level));
        const Engine::ColorRGBA& ambient = Engine::cLightManager::Instance().Ambient();
        EXPECT_FLOAT_EQ(ambient.r, 0.2f);  // a level without the element keeps the colour
        EXPECT_FLOAT_EQ(ambient.b, 0.5f);
        EXPECT_FLOAT_EQ(ambient.a, 1.0f);
        std::vector<Engine::cLightGfxCmp*> suns;
        for (Engine::cLightGfxCmp* light : Engine::cLightPool::Instance().Lights()) {
            if (light->Name() == "gDirectional") suns.push_back(light);
        }
        ASSERT_EQ(suns.size(), 1u) << level;
        const Engine::LightRecord& sun = suns[0]->light;
        EXPECT_EQ(sun.type, Engine::LT_Directional);
        EXPECT_FLOAT_EQ(sun.diffuse.r, 0.071f);
        EXPECT_FLOAT_EQ(sun.diffuse.g, 0.065f);
        EXPECT_FLOAT_EQ(sun.diffuse.b, 0.057f);
        const float d = -1.0f / std::sqrt(3.0f);
        EXPECT_NEAR(sun.direction.x, d, 1e-6f);
        EXPECT_NEAR(sun.direction.z, d, 1e-6f);
        const auto& active = Engine::cLightManager::Instance().ActiveLights();
        ASSERT_EQ(active.size(), 1u);
        EXPECT_EQ(active[0], &sun);
    }
}

TEST_F(LevelObjectsTest, DecorationsAreBatchedExceptInTheEditor) {
    WriteLevel("Scenery", "<Decoration id=\"Tree\"/>\n");
    struct Case {
        int state;
        int bakes;
    };
    const Case cases[] = {{0, 1}, {14, 1}, {cLevelManager::STATE_SCENE_EDITOR, 0}};
    for (const Case& c : cases) {
        bakes = 0;
        state = c.state;
        ASSERT_TRUE(Load("Scenery"));
        EXPECT_EQ(bakes, c.bakes) << c.state;
    }
}

TEST_F(LevelObjectsTest, LoadsThatFailSay) {
    WriteLevel("Level2", "<Collectable/>\n");
    WriteLevel("NoKidEdit", "<Collectable/>\n");
    WriteLevel("MenuLevel", "<Decoration/>\n");
    struct Case {
        std::string name;
        std::int32_t number;
        std::string play_test;  // the editor's level, or empty
        int state;
        bool loads;
        bool ends_game;
        std::string log;
    };
    const Case cases[] = {
        {"", 2, "", 14, false, false, "Error: Level: " + dir.File("levels/") + "Level2.xml has no Kid"},
        {"", 2, "NoKidEdit", 14, false, false, "NoKidEdit.xml has no Kid"},
        {"", 2, "", cLevelManager::STATE_SCENE_EDITOR, true, false, ""},
        {"MenuLevel", 2, "", 14, true, false, ""},
        {"WinLevel", 2, "", 14, false, false, "WinLevel.xml; nothing loaded"},
        {"", 2, "Gone", 14, false, false, "Gone.xml; nothing loaded"},
        {"", 7, "", 14, false, true, "Level7.xml; the game ends"},
    };
    cLevelManager& levels = cLevelManager::Instance();
    for (const Case& c : cases) {
        requested.clear();
        levels.current_number = c.number;
        levels.loaded_number = static_cast<std::uint32_t>(c.number);
        levels.checkpoint.reached = true;
        levels.editor_play_test = !c.play_test.empty();
        levels.editor_name = c.play_test;
        state = c.state;
        EXPECT_EQ(Load(c.name), c.loads) << c.name << c.play_test;
        EXPECT_EQ(requested.empty(), !c.ends_game) << c.name << c.play_test;
        EXPECT_EQ(levels.current_number, c.ends_game ? 0 : c.number);
        EXPECT_EQ(levels.checkpoint.reached, !c.ends_game);
        EXPECT_TRUE(levels.level_entities.empty());
        if (!c.log.empty()) {
            EXPECT_NE(LogText().find(c.log), std::string::npos) << c.log;
        }
    }
}

TEST_F(LevelObjectsTest, ARepeatedRootIsReadOnce) {
    Provide<Types::KID>();
    Provide<Types::COLLECTABLE>();
    dir.Write("levels/Twice.xml", "<LevelRoot><Kid/><Collectable/></LevelRoot>\n"
                                  "<LevelRoot><Kid/><Collectable/></LevelRoot>\n");
    ASSERT_TRUE(Load("Twice"));
    cLevelManager& levels = cLevelManager::Instance();
    EXPECT_EQ(levels.level_entities.size(), 2u);
    EXPECT_EQ(levels.candy_total, 1u);
    EXPECT_EQ(Count(LogText(), "repeats its root element 1 time(s)"), 1u);
}

TEST_F(LevelObjectsTest, TileLayersOfAbsurdSizeAreRefused) {
    Provide<Types::BINARY_TILE>();
    struct Case {
        std::string width, height;
        bool made;
    };
    const Case cases[] = {
        {"3", "2", true},       {"4096", "1", true},  {"4097", "1", false}, {"1", "5000", false},
        {"2048", "4096", false}, {"0", "4", false},    {"-3", "2", false},   {"2147483647", "2", false},
    };
    for (const Case& c : cases) {
        WriteLevel("Tiles",
                   "<BinaryMapLayer width=\"" + c.width + "\" height=\"" + c.height + "\">101</BinaryMapLayer>\n");
        ASSERT_TRUE(Load("Tiles"));
        EXPECT_EQ(cLevelManager::Instance().tile_layer != nullptr, c.made) << c.width << " x " << c.height;
        cGameFactory::Instance().ReleaseAll();
    }
    EXPECT_EQ(Count(LogText(), "Error: Level: BinaryMapLayer of "), 6u);
}

TEST_F(LevelObjectsTest, ALayerWithoutTextEndsTheTileLayers) {
    Provide<Types::BINARY_TILE>();
    WriteLevel("Tiles", "<BinaryMapLayer width=\"1\" height=\"1\">1</BinaryMapLayer>\n"
                        "<BinaryMapLayer width=\"1\" height=\"1\"/>\n"
                        "<BinaryMapLayer width=\"1\" height=\"1\">2</BinaryMapLayer>\n");
    ASSERT_TRUE(Load("Tiles"));
    cLevelManager& levels = cLevelManager::Instance();
    ASSERT_NE(levels.tile_layer, nullptr);
    EXPECT_EQ(Recorded<Types::BINARY_TILE>(levels.tile_layer)->tile_text, "1");
}

}  // namespace
