// The enemy stats table: each kind's record read from its attribute set with
// the right defaults, the first of two equal names kept, a reload replacing
// the table, and an unreadable file leaving it empty with a log line.

#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <string>

#include "engine/core/cLog.h"
#include "game/data/cEnemyStatsTable.h"
#include "tests/support/TempDir.h"

namespace {

using Game::cEnemyStatsTable;
using Game::sEnemyStats;

class EnemyStatsTableTest : public ::testing::Test {
protected:
    void SetUp() override { cEnemyStatsTable::Destroy(); }
    void TearDown() override {
        cEnemyStatsTable::Destroy();
        Engine::cLog::Destroy();
    }

    // Writes a table with the given "EnemyStat" elements and loads it.
    bool Load(const std::string& entries) {
        dir.Write("EnemyStats.xml", "<EnemyStats>" + entries + "</EnemyStats>");
        return cEnemyStatsTable::Instance().Load(dir.Path().string() + "/", "EnemyStats.xml");
    }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory cwd{dir.Path()};
};

const char* const kFullCommon =
    R"(<EnemyStat Name="DollEnemy" Health="80" Speed="1.5" Speed2="2.5" AttPower="10" DistanceModifier="3"
        ExplodeRadius="9" SelfDestructRadius="9" Duration="9" DeathTolerance="4" Interval="5" Interval2="6"
        DamageRate="7" RegenRate="8"/>)";

TEST_F(EnemyStatsTableTest, CommonKindReadsItsSetAndIgnoresTheBombFields) {
    ASSERT_TRUE(Load(kFullCommon));
    const auto doll = cEnemyStatsTable::Instance().Find("DollEnemy");
    ASSERT_TRUE(doll.has_value());
    const float read[] = {doll->health,          doll->speed,          doll->speed2,   doll->attack_power,
                          doll->distance_modifier, doll->death_tolerance, doll->interval, doll->interval2,
                          doll->damage_rate,     doll->regen_rate};
    const float expected[] = {80.0f, 1.5f, 2.5f, 10.0f, 3.0f, 4.0f, 5.0f, 6.0f, 7.0f, 8.0f};
    for (size_t i = 0; i < std::size(read); ++i) EXPECT_FLOAT_EQ(read[i], expected[i]) << "field " << i;
    EXPECT_FLOAT_EQ(doll->explode_radius, 1.0f);
    EXPECT_FLOAT_EQ(doll->self_destruct_radius, 1.0f);
    EXPECT_FLOAT_EQ(doll->duration, 1.0f);
}

TEST_F(EnemyStatsTableTest, BombReadsItsOwnSetAndIgnoresTheCommonFields) {
    ASSERT_TRUE(Load(R"(<EnemyStat Name="BombEnemy" Health="50" Speed="2" Speed2="7" AttPower="30" ExplodeRadius="3"
                         SelfDestructRadius="1.5" Duration="2" Interval="7" RegenRate="7"/>)"));
    const auto bomb = cEnemyStatsTable::Instance().Find("BombEnemy");
    ASSERT_TRUE(bomb.has_value());
    EXPECT_FLOAT_EQ(bomb->health, 50.0f);
    EXPECT_FLOAT_EQ(bomb->speed, 2.0f);
    EXPECT_FLOAT_EQ(bomb->attack_power, 30.0f);
    EXPECT_FLOAT_EQ(bomb->explode_radius, 3.0f);
    EXPECT_FLOAT_EQ(bomb->self_destruct_radius, 1.5f);
    EXPECT_FLOAT_EQ(bomb->duration, 2.0f);
    EXPECT_FLOAT_EQ(bomb->speed2, 1.0f);
    EXPECT_FLOAT_EQ(bomb->interval, 1.0f);
    EXPECT_FLOAT_EQ(bomb->regen_rate, 1.0f);
}

TEST_F(EnemyStatsTableTest, MissingAttributesTakeTheirDefaults) {
    ASSERT_TRUE(Load(R"(<EnemyStat Name="ChaserEnemy"/><EnemyStat Name="BombEnemy"/><EnemyStat Health="5"/>)"));
    for (const char* name : {"ChaserEnemy", "BombEnemy"}) {
        const auto stats = cEnemyStatsTable::Instance().Find(name);
        ASSERT_TRUE(stats.has_value()) << name;
        EXPECT_FLOAT_EQ(stats->health, 100.0f) << name;
        EXPECT_FLOAT_EQ(stats->speed, 1.0f) << name;
        EXPECT_FLOAT_EQ(stats->attack_power, 1.0f) << name;
        EXPECT_FLOAT_EQ(stats->damage_rate, 1.0f) << name;
        EXPECT_FLOAT_EQ(stats->duration, 1.0f) << name;
    }
    const auto unnamed = cEnemyStatsTable::Instance().Find("noName");
    ASSERT_TRUE(unnamed.has_value());
    EXPECT_FLOAT_EQ(unnamed->health, 5.0f);
}

TEST_F(EnemyStatsTableTest, FirstOfTwoEqualNamesWinsAndLookupIsExact) {
    ASSERT_TRUE(Load(R"(<EnemyStat Name="DollEnemy" Health="10"/><EnemyStat Name="DollEnemy" Health="20"/>)"));
    EXPECT_FLOAT_EQ(cEnemyStatsTable::Instance().Find("DollEnemy")->health, 10.0f);
    EXPECT_FALSE(cEnemyStatsTable::Instance().Find("dollenemy").has_value());
    EXPECT_FALSE(cEnemyStatsTable::Instance().Find("DollEnemyFast").has_value());
}

TEST_F(EnemyStatsTableTest, ReloadReplacesTheWholeTable) {
    ASSERT_TRUE(Load(R"(<EnemyStat Name="DollEnemy" Health="10"/><EnemyStat Name="SpikeTrap"/>)"));
    ASSERT_TRUE(Load(R"(<EnemyStat Name="DollEnemy" Health="30"/>)"));
    EXPECT_FLOAT_EQ(cEnemyStatsTable::Instance().Find("DollEnemy")->health, 30.0f);
    EXPECT_FALSE(cEnemyStatsTable::Instance().Find("SpikeTrap").has_value());
}

TEST_F(EnemyStatsTableTest, UnreadableFileEmptiesTheTableAndIsLogged) {
    ASSERT_TRUE(Load(R"(<EnemyStat Name="DollEnemy"/>)"));
    EXPECT_FALSE(cEnemyStatsTable::Instance().Load(dir.Path().string() + "/", "Missing.xml"));
    EXPECT_TRUE(cEnemyStatsTable::Instance().Records().empty());
    Engine::cLog::Instance().Close();
    const std::string log = TestSupport::ReadFile(dir.File("Engine.log"));
    EXPECT_NE(log.find("Error: Cannot read enemy stats: "), std::string::npos) << log;
    EXPECT_NE(log.find("Missing.xml"), std::string::npos) << log;
}

// Every kind the game sets up has a record in the shipped table, since there is no fallback record.
TEST_F(EnemyStatsTableTest, ShippedTableHoldsEveryKindTheGameLooksUp) {
    const std::string directory = std::string(BRAMBLEBY_SOURCE_DIR) + "/GameData/XML_Game/GameStats/";
    ASSERT_TRUE(cEnemyStatsTable::Instance().Load(directory, cEnemyStatsTable::kFileName));
    for (const char* name : {"DollEnemy", "DollEnemyFast", "DollEnemyHP", "BombEnemy", "ChaserEnemy", "ShieldEnemy",
                             "TeleportEnemy", "WitchEnemy", "MukEnemy", "Destructable", "SpikeTrap", "AttackTrap"}) {
        const auto stats = cEnemyStatsTable::Instance().Find(name);
        ASSERT_TRUE(stats.has_value()) << name;
        EXPECT_GT(stats->health, 0.0f) << name;
    }
}

// One number of a shipped single-element tuning file, as written.
float ShippedTuning(const std::string& file, const char* element, const char* attribute) {
    tinyxml2::XMLDocument document;
    const std::string path = std::string(BRAMBLEBY_SOURCE_DIR) + "/GameData/XML_Game/" + file;
    EXPECT_EQ(document.LoadFile(path.c_str()), tinyxml2::XML_SUCCESS) << path;
    const tinyxml2::XMLElement* root = document.FirstChildElement(element);
    EXPECT_NE(root, nullptr) << path;
    return root == nullptr ? 0.0f : root->FloatAttribute(attribute, 0.0f);
}

// The ghosts' numbers make a fair fight against the shipped kid and stroke:
// every ghost's touch leaves the kid alive twice and kills it the third time,
// and the plain ghost dies at the third slash hit, the fast one at the
// second, the tough one at the fifth.
TEST_F(EnemyStatsTableTest, ShippedGhostsKillTheKidAtTheThirdTouchAndDieToAFewHits) {
    const float kid_health = ShippedTuning("Kid.xml", "Kid", "Health");
    const float slash_power = ShippedTuning("Stroke.xml", "Stroke", "FollowerAttackPower");
    ASSERT_GT(kid_health, 0.0f);
    ASSERT_GT(slash_power, 0.0f);
    const std::string directory = std::string(BRAMBLEBY_SOURCE_DIR) + "/GameData/XML_Game/GameStats/";
    ASSERT_TRUE(cEnemyStatsTable::Instance().Load(directory, cEnemyStatsTable::kFileName));
    struct Case {
        const char* name;
        int hits_to_kill;
    };
    for (const Case& c : {Case{"DollEnemy", 3}, Case{"DollEnemyFast", 2}, Case{"DollEnemyHP", 5}}) {
        SCOPED_TRACE(c.name);
        const auto stats = cEnemyStatsTable::Instance().Find(c.name);
        ASSERT_TRUE(stats.has_value());
        float kid_damage = 0.0f;
        for (int touch = 1; touch <= 2; ++touch) kid_damage += stats->attack_power;
        EXPECT_LT(kid_damage, kid_health);
        EXPECT_GE(kid_damage + stats->attack_power, kid_health);
        float ghost_damage = 0.0f;
        for (int hit = 1; hit < c.hits_to_kill; ++hit) ghost_damage += slash_power;
        EXPECT_GT(stats->health, ghost_damage);
        EXPECT_LE(stats->health, ghost_damage + slash_power);
        EXPECT_GT(stats->speed, 0.0f);
    }
}

}  // namespace
