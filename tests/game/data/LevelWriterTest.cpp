// cLevelWriter: a written level reads back through cLevelManager with the
// same objects, transforms, waypoints and tile layer.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/core/Quaternion.h"
#include "engine/core/cLog.h"
#include "engine/entity/cEntity.h"
#include "engine/entity/cSceneManager.h"
#include "game/data/cLevelManager.h"
#include "game/data/cLevelWriter.h"
#include "game/entities/cGameFactory.h"
#include "game/entities/eGameEntityTypes.h"
#include "tests/support/TempDir.h"

namespace {

using Game::cGameFactory;
using Game::cLevelManager;
using Game::cLevelWriter;
namespace Types = Game::GAME_ENT_TYPES;

template <Types::eGameEntityTypes Type>
class cWritten : public Engine::cEntity {
public:
    std::int32_t GetType() const override { return Type; }
};

class LevelWriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        cLevelManager::Destroy();
        cGameFactory::Destroy();
        Engine::cSceneManager::Destroy();
        ASSERT_TRUE(cGameFactory::Instance().Register());
        ASSERT_TRUE(cGameFactory::Instance().RegisterType<cWritten<Types::KID>>(Types::KID));
        ASSERT_TRUE(cGameFactory::Instance().RegisterType<cWritten<Types::BOMB_ENEMY>>(Types::BOMB_ENEMY));
    }
    void TearDown() override {
        cLevelManager::Destroy();
        cGameFactory::Instance().Shutdown();
        cGameFactory::Destroy();
        Engine::cSceneManager::Destroy();
        Engine::cLog::Destroy();
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
    EXPECT_FLOAT_EQ(levels.ambient[2], 0.5f);

    Engine::cLog::Destroy();
    EXPECT_NE(TestSupport::ReadFile(dir.File("Engine.log")).find("Error: Level writer:"), std::string::npos);
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
