// The tables the game ships: one rank-time record and one "not won" result
// per level (Level0 to Level10, eleven levels), ten locked achievements and
// no candy. Each file is checked as written (every value given, none left to
// a reader's default) and through the reader the game uses.

#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <string>
#include <vector>

#include "engine/core/cLog.h"
#include "game/data/cAchievementStore.h"
#include "game/data/cLevelStats.h"
#include "game/data/cPlayerResults.h"
#include "tests/support/TempDir.h"

namespace {

using Game::cAchievementStore;
using Game::cLevelStats;
using Game::cPlayerResults;

constexpr int32_t kLevels = 11;
constexpr int32_t kAchievements = 10;

const std::string kShippedFolder = std::string(BRAMBLEBY_SOURCE_DIR) + "/GameData/XML_Game/";

// The given attribute of every child element named name of the file's root, as written.
std::vector<std::string> AttributeTexts(const std::string& path, const char* name, const char* attribute) {
    tinyxml2::XMLDocument document;
    EXPECT_EQ(document.LoadFile(path.c_str()), tinyxml2::XML_SUCCESS) << path;
    std::vector<std::string> texts;
    const tinyxml2::XMLElement* root = document.RootElement();
    if (root == nullptr) return texts;
    for (const tinyxml2::XMLElement* e = root->FirstChildElement(name); e != nullptr;
         e = e->NextSiblingElement(name)) {
        const char* text = e->Attribute(attribute);
        texts.push_back(text == nullptr ? "(missing)" : text);
    }
    return texts;
}

class ShippedTablesTest : public ::testing::Test {
protected:
    void SetUp() override { DestroyAll(); }
    void TearDown() override {
        DestroyAll();
        Engine::cLog::Destroy();
    }
    static void DestroyAll() {
        cLevelStats::Destroy();
        cPlayerResults::Destroy();
        cAchievementStore::Destroy();
    }

    // An empty player folder, so that the readers fall back to the shipped copies.
    std::string PlayerFolder() const { return dir.File("player") + "/"; }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory cwd{dir.Path()};
};

TEST_F(ShippedTablesTest, EveryLevelHasFourRisingRankTimes) {
    const std::string path = kShippedFolder + "achievementStats.xml";
    for (const char* attribute : {"rank_1_time", "rank_2_time", "rank_3_time", "rank_4_time"}) {
        const std::vector<std::string> texts = AttributeTexts(path, "levelStat", attribute);
        EXPECT_EQ(texts.size(), static_cast<std::size_t>(kLevels)) << attribute;
        for (const std::string& text : texts) EXPECT_NE(text, "(missing)") << attribute;
    }
    ASSERT_TRUE(cLevelStats::Instance().Load(path));
    ASSERT_EQ(cLevelStats::Instance().LevelCount(), kLevels);
    for (int32_t level = 0; level < kLevels; ++level) {
        const auto times = cLevelStats::Instance().RankTimes(level);
        ASSERT_TRUE(times.has_value()) << level;
        EXPECT_GT(times->rank_1_time, 0) << level;
        EXPECT_LT(times->rank_1_time, times->rank_2_time) << level;
        EXPECT_LT(times->rank_2_time, times->rank_3_time) << level;
        EXPECT_LT(times->rank_3_time, times->rank_4_time) << level;
    }
}

TEST_F(ShippedTablesTest, EveryLevelStartsNotWonAndTheLastOneCanBeWon) {
    const std::string path = kShippedFolder + cPlayerResults::kFileName;
    EXPECT_EQ(AttributeTexts(path, "levelStat", "result"), std::vector<std::string>(kLevels, "-1"));
    const std::string shipped_text = TestSupport::ReadFile(path);

    ASSERT_TRUE(cPlayerResults::Instance().Load(PlayerFolder(), kShippedFolder));
    ASSERT_EQ(cPlayerResults::Instance().LevelCount(), kLevels);
    for (int32_t level = 0; level < kLevels; ++level) {
        EXPECT_EQ(cPlayerResults::Instance().Result(level), cPlayerResults::kNotWon) << level;
    }
    // Winning Level10 is stored (in the player's copy; the shipped one stays as shipped).
    ASSERT_TRUE(cPlayerResults::Instance().SetResult(kLevels - 1, 4));
    EXPECT_EQ(cPlayerResults::Instance().Result(kLevels - 1), 4);
    EXPECT_EQ(TestSupport::ReadFile(path), shipped_text);
}

TEST_F(ShippedTablesTest, TenAchievementsStartLockedWithNoCandy) {
    const std::string path = kShippedFolder + "PlayerData/achievementresult.xml";
    EXPECT_EQ(AttributeTexts(path, "AchievementStat", "result"), std::vector<std::string>(kAchievements, "0"));
    EXPECT_EQ(AttributeTexts(path, "CandyCount", "count"), std::vector<std::string>{"0"});

    ASSERT_TRUE(cAchievementStore::Instance().Load(PlayerFolder(), kShippedFolder));
    for (int32_t index = 0; index < kAchievements; ++index) {
        EXPECT_FALSE(cAchievementStore::Instance().IsUnlocked(index)) << index;
    }
    EXPECT_EQ(cAchievementStore::Instance().CandyCount(), 0);
}

}  // namespace
