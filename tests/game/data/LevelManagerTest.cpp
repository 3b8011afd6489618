// cLevelManager: which file a load reads, what a failed load does, the
// checkpoint rule, and the objects a level file creates through the factory
// (stand-in classes fill the slots whose gameplay classes are not written yet).

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
#include "game/entities/eGameEntityTypes.h"
#include "tests/game/data/LevelRecorders.h"
#include "tests/support/TempDir.h"

namespace {

using Game::cGameFactory;
using Game::cLevelManager;
namespace Types = Game::GAME_ENT_TYPES;

template <Types::eGameEntityTypes Type>
class cStandIn : public Engine::cEntity {
public:
    std::int32_t GetType() const override { return Type; }
};

Engine::cEntity* AsEntity(Engine::iBaseEntity* e) { return dynamic_cast<Engine::cEntity*>(e); }

class LevelManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(TestSupport::StartLevelServices());
        cLevelManager& levels = cLevelManager::Instance();
        levels.current_state = [this] { return state; };
        levels.request_state = [this](int s) { requested.push_back(s); };
        levels.publish_candy = [this](unsigned n) { published.push_back(n); };
    }
    void TearDown() override {
        TestSupport::DestroyLevelServices();
        Engine::cLog::Destroy();
    }
    template <Types::eGameEntityTypes Type>
    void Provide() {
        ASSERT_TRUE(cGameFactory::Instance().RegisterType<cStandIn<Type>>(Type));
    }
    std::string WriteLevel(const std::string& name, const std::string& body) {
        return dir.Write("levels/" + name + ".xml", "<?xml version=\"1.0\"?>\n<LevelRoot>\n" + body + "</LevelRoot>\n");
    }
    bool Load(const std::string& name) { return cLevelManager::Instance().Load(name, dir.File("levels/")); }
    std::string LogText() {
        Engine::cLog::Destroy();
        return TestSupport::ReadFile(dir.File("Engine.log"));
    }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory in_dir{dir.Path()};
    int state = 0;
    std::vector<int> requested;
    std::vector<unsigned> published;
};

TEST_F(LevelManagerTest, PathPrefersPlayTestThenNameThenNumber) {
    cLevelManager& levels = cLevelManager::Instance();
    levels.editor_name = "Edited";
    levels.current_number = 3;
    struct Case {
        bool play_test;
        std::string name, directory, path;
    };
    const Case cases[] = {
        {true, "MenuLevel", "", "./GameData/Level/Edited.xml"},
        {false, "MenuLevel", "", "./GameData/Level/MenuLevel.xml"},
        {false, "", "", "./GameData/Level/Level3.xml"},
        {false, "", "other/", "other/Level3.xml"},
    };
    for (const Case& c : cases) {
        levels.editor_play_test = c.play_test;
        EXPECT_EQ(levels.LevelPath(c.name, c.directory), c.path);
    }
}

TEST_F(LevelManagerTest, MissingFileEndsTheGameAndRestartsTheNumbering) {
    cLevelManager& levels = cLevelManager::Instance();
    levels.current_number = 7;
    levels.checkpoint.reached = true;
    levels.checkpoint.collected_candy = {0};
    EXPECT_FALSE(levels.Load("", dir.File("levels/")));
    EXPECT_EQ(levels.current_number, 0);
    EXPECT_FALSE(levels.checkpoint.reached);
    EXPECT_TRUE(levels.checkpoint.collected_candy.empty());
    EXPECT_EQ(requested, std::vector<int>{cLevelManager::STATE_END});
    EXPECT_TRUE(published.empty());
    EXPECT_EQ(levels.LevelPath("", ""), "./GameData/Level/Level0.xml");
    EXPECT_NE(LogText().find("Error: Level: cannot read"), std::string::npos);
}

TEST_F(LevelManagerTest, CheckpointRecordSurvivesOnlyARestartOfTheSameLevel) {
    WriteLevel("Level2", "<Kid/>\n");
    struct Case {
        std::uint32_t loaded;
        int state;
        bool kept;
    };
    const Case cases[] = {
        {2, 14, true},                                  // restart of the same level
        {5, 14, false},                                 // the level number changed
        {5, cLevelManager::STATE_SCENE_EDITOR, true},   // the editor keeps it
        {2, cLevelManager::STATE_MAIN_MENU, false},
        {2, cLevelManager::STATE_RESULTS, false},
    };
    cLevelManager& levels = cLevelManager::Instance();
    for (const Case& c : cases) {
        levels.current_number = 2;
        levels.loaded_number = c.loaded;
        levels.checkpoint.reached = true;
        state = c.state;
        ASSERT_TRUE(Load(""));
        EXPECT_EQ(levels.checkpoint.reached, c.kept) << c.loaded << " " << c.state;
        EXPECT_EQ(levels.loaded_number, c.kept ? c.loaded : 2u);
        EXPECT_EQ(levels.level_name, "Level2");
    }
}

TEST_F(LevelManagerTest, ObjectsAreCreatedPlacedAndListedInLoaderOrder) {
    Provide<Types::KID>();
    Provide<Types::DUMB_ENEMY>();
    Provide<Types::BOMB_ENEMY>();
    Provide<Types::COLLECTABLE>();
    Provide<Types::STROKE>();
    WriteLevel("Test",
               "<Collectable posX=\"9\" posY=\"0\" posZ=\"0\"/>\n"
               "<BasicEnemy posX=\"3\" posY=\"0\" posZ=\"4\" scaleX=\"2\" rotation=\"90\"/>\n"
               "<BombEnemy posX=\"1\" posZ=\"2\" rotation=\"90\"/>\n"
               "<Kid posX=\"0\" posY=\"0.5\" posZ=\"0\" scaleX=\"3\" scaleY=\"3\" scaleZ=\"3\">\n"
               "  <waypoint posX=\"5\" posY=\"0.5\" posZ=\"0\"/>\n  <waypoint posZ=\"6\"/>\n</Kid>\n"
               "<GlobalAmbientLight Red=\"0.2f\" Green=\"0.3f\" Blue=\"0.5f\" Alpha=\"0.1f\"/>\n");
    ASSERT_TRUE(Load("Test"));
    cLevelManager& levels = cLevelManager::Instance();
    ASSERT_EQ(levels.level_entities.size(), 4u);
    EXPECT_EQ(levels.level_entities[0], levels.kid);
    ASSERT_NE(levels.stroke, nullptr);
    EXPECT_EQ(AsEntity(levels.stroke)->name, "Stroke");
    EXPECT_EQ(levels.level_entities[1]->GetType(), Types::BOMB_ENEMY);
    EXPECT_EQ(levels.level_entities[2]->GetType(), Types::DUMB_ENEMY);
    EXPECT_EQ(levels.level_entities[3]->GetType(), Types::COLLECTABLE);

    Engine::cEntity* kid = AsEntity(levels.kid);
    ASSERT_NE(kid, nullptr);
    EXPECT_TRUE(kid->active);
    EXPECT_FLOAT_EQ(kid->position.y, 0.5f);
    EXPECT_FLOAT_EQ(kid->scale.x, 3.0f);
    ASSERT_EQ(levels.waypoints.size(), 2u);
    EXPECT_FLOAT_EQ(levels.waypoints[0].x, 5.0f);
    EXPECT_FLOAT_EQ(levels.waypoints[1].x, 1.0f);  // missing numbers count as 1
    EXPECT_FLOAT_EQ(levels.waypoints[1].z, 6.0f);

    Engine::cEntity* bomb = AsEntity(levels.level_entities[1]);
    EXPECT_FLOAT_EQ(bomb->position.y, 1.0f);
    EXPECT_NEAR(bomb->rotation.w, std::cos(3.14159265f / 4.0f), 1e-5f);
    Engine::cEntity* basic = AsEntity(levels.level_entities[2]);
    EXPECT_FLOAT_EQ(basic->position.z, 4.0f);
    EXPECT_FLOAT_EQ(basic->scale.x, 2.0f);
    EXPECT_FLOAT_EQ(basic->rotation.w, 1.0f);  // basic enemies take no rotation from the file

    EXPECT_EQ(published, std::vector<unsigned>{1});
}

TEST_F(LevelManagerTest, UsedItemsAreLeftOutButStillCountedAsCandy) {
    Provide<Types::COLLECTABLE>();
    Provide<Types::KEY>();
    WriteLevel("Level0",
               "<Kid/>\n<Collectable posX=\"1\"/>\n<Key posX=\"5\"/>\n<Collectable posX=\"2\"/>\n<Key posX=\"6\"/>\n");
    cLevelManager& levels = cLevelManager::Instance();
    levels.loaded_number = 0;
    levels.checkpoint.collected_candy = {0};
    levels.checkpoint.collected_keys = {1};
    state = 14;
    ASSERT_TRUE(Load(""));
    EXPECT_EQ(levels.candy_total, 2u);
    ASSERT_EQ(levels.level_entities.size(), 2u);
    EXPECT_EQ(levels.level_entities[0]->GetType(), Types::KEY);
    EXPECT_FLOAT_EQ(AsEntity(levels.level_entities[0])->position.x, 5.0f);
    EXPECT_EQ(levels.level_entities[1]->GetType(), Types::COLLECTABLE);
    EXPECT_FLOAT_EQ(AsEntity(levels.level_entities[1])->position.x, 2.0f);
}

TEST_F(LevelManagerTest, KidStartsAtTheCheckpointWhenTheRecordHasOne) {
    Provide<Types::KID>();
    WriteLevel("Level0", "<Kid posX=\"0\" posY=\"0\" posZ=\"0\"/>\n");
    cLevelManager& levels = cLevelManager::Instance();
    levels.loaded_number = 0;
    levels.checkpoint.reached = true;
    levels.checkpoint.position = {4.0f, 0.5f, -2.0f};
    state = 14;
    ASSERT_TRUE(Load(""));
    Engine::cEntity* kid = AsEntity(levels.kid);
    ASSERT_NE(kid, nullptr);
    EXPECT_FLOAT_EQ(kid->position.x, 4.0f);
    EXPECT_FLOAT_EQ(kid->position.z, -2.0f);
}

TEST_F(LevelManagerTest, DecorationsAndBillboardsGetCountedNames) {
    Provide<Types::DECORATION>();
    Provide<Types::BILLBOARD_OBJ>();
    WriteLevel("Test",
               "<Decoration id=\"Tree\"/>\n<Billboard BillboardID=\"Sun\"/>\n<Decoration/>\n"
               "<Billboard BillboardID=\"Sun\"/>\n");
    ASSERT_TRUE(Load("Test"));
    cLevelManager& levels = cLevelManager::Instance();
    ASSERT_EQ(levels.decorations.size(), 2u);
    EXPECT_EQ(levels.decorations[0].first, "Tree");
    EXPECT_EQ(AsEntity(levels.decorations[0].second)->name, "Deco_Tree0");
    EXPECT_EQ(AsEntity(levels.decorations[1].second)->name, "Deco_noName1");
    ASSERT_EQ(levels.billboards.size(), 2u);
    EXPECT_EQ(AsEntity(levels.billboards[0].second)->name, "Sun1");
    EXPECT_EQ(AsEntity(levels.billboards[1].second)->name, "Sun3");
    EXPECT_TRUE(levels.level_entities.empty());
}

TEST_F(LevelManagerTest, KindsWithoutAClassAreSkippedWithOneLineEach) {
    Provide<Types::BINARY_TILE>();
    WriteLevel("Test",
               "<HealingLampPost/>\n<NormalWall/>\n<NormalWall/>\n<Door/>\n<Unknown/>\n"
               "<BinaryMapLayer width=\"3\" height=\"2\" minX=\"-3\" minZ=\"-2\">101001</BinaryMapLayer>\n");
    ASSERT_TRUE(Load("Test"));
    cLevelManager& levels = cLevelManager::Instance();
    EXPECT_EQ(levels.kid, nullptr);
    EXPECT_EQ(levels.stroke, nullptr);
    EXPECT_TRUE(levels.level_entities.empty());
    EXPECT_NE(levels.tile_layer, nullptr) << "the tile layer has its class";
    EXPECT_EQ(levels.tile_cells.Text(), "101001");
    EXPECT_FLOAT_EQ(levels.tile_cells.MinX(), -3.0f);
    const std::string log = LogText();
    struct Case {
        std::string line;
        std::size_t count;
    };
    const Case cases[] = {
        {"Error: Level: HealingLampPost skipped: no entity class for type 22", 1},
        {"Error: Level: NormalWall skipped: no entity class for type 37", 2},
        {"Error: Level: Door skipped: no entity class for type 39", 1},
        {"Error: Level: BinaryMapLayer skipped", 0},
        {"Error: Level: no stroke: no entity class for type 8", 1},
        {"Unknown", 0},
        {"GenericFactoryManager", 0},
    };
    for (const Case& c : cases) {
        std::size_t count = 0;
        for (std::size_t at = log.find(c.line); at != std::string::npos; at = log.find(c.line, at + 1)) ++count;
        EXPECT_EQ(count, c.count) << c.line;
    }
}

}  // namespace
