// Rank times and the player's level results: defaults for missing values,
// the shipped copy used when the player has none, every change written to the
// player's copy only (the shipped copy stays as shipped), and unreadable or
// short files logged and left alone.

#include <gtest/gtest.h>

#include <string>

#include "engine/core/cLog.h"
#include "game/data/GameDataLoader.h"
#include "game/data/cAchievementStore.h"
#include "game/data/cLevelStats.h"
#include "game/data/cPlayerResults.h"
#include "tests/support/TempDir.h"

namespace {

using Game::cLevelStats;
using Game::cPlayerResults;

class PlayerDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        cLevelStats::Destroy();
        cPlayerResults::Destroy();
    }
    void TearDown() override {
        cLevelStats::Destroy();
        cPlayerResults::Destroy();
        Engine::cLog::Destroy();
    }

    std::string Folder(const std::string& name) const { return dir.File(name) + "/"; }
    std::string Results(const std::string& body) const { return "<LevelResults>" + body + "</LevelResults>"; }
    std::string Log() {
        Engine::cLog::Instance().Close();
        return TestSupport::ReadFile(dir.File("Engine.log"));
    }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory cwd{dir.Path()};
};

TEST_F(PlayerDataTest, RankTimesKeepFileOrderAndDefaultEachMissingTime) {
    const std::string path = dir.Write("stats.xml", R"(<LevelStats><levelStat rank_1_time="11" rank_2_time="12"
        rank_3_time="13" rank_4_time="14"/><levelStat rank_2_time="22"/></LevelStats>)");
    ASSERT_TRUE(cLevelStats::Instance().Load(path));
    ASSERT_EQ(cLevelStats::Instance().LevelCount(), 2);
    const auto first = cLevelStats::Instance().RankTimes(0);
    const auto second = cLevelStats::Instance().RankTimes(1);
    ASSERT_TRUE(first && second);
    EXPECT_EQ((std::vector<int32_t>{first->rank_1_time, first->rank_2_time, first->rank_3_time, first->rank_4_time}),
              (std::vector<int32_t>{11, 12, 13, 14}));
    EXPECT_EQ((std::vector<int32_t>{second->rank_1_time, second->rank_2_time, second->rank_3_time,
                                    second->rank_4_time}),
              (std::vector<int32_t>{30, 22, 50, 60}));
    EXPECT_FALSE(cLevelStats::Instance().RankTimes(2).has_value());
    EXPECT_FALSE(cLevelStats::Instance().RankTimes(-1).has_value());
}

TEST_F(PlayerDataTest, MissingRankTimesFileIsLoggedAndLeavesNoLevels) {
    EXPECT_FALSE(cLevelStats::Instance().Load(dir.File("none.xml")));
    EXPECT_EQ(cLevelStats::Instance().LevelCount(), 0);
    EXPECT_NE(Log().find("Error: Cannot read level rank times: "), std::string::npos);
}

TEST_F(PlayerDataTest, PlayerCopyIsPreferredOverTheShippedCopy) {
    dir.Write("shipped/PlayerData/levelresult.xml", Results(R"(<levelStat result="1"/>)"));
    dir.Write("player/PlayerData/levelresult.xml", Results(R"(<levelStat result="4"/><levelStat/>)"));
    ASSERT_TRUE(cPlayerResults::Instance().Load(Folder("player"), Folder("shipped")));
    EXPECT_EQ(cPlayerResults::Instance().LevelCount(), 2);
    EXPECT_EQ(cPlayerResults::Instance().Result(0), 4);
    EXPECT_EQ(cPlayerResults::Instance().Result(1), -1);
    EXPECT_EQ(cPlayerResults::Instance().Result(2), -1);
}

TEST_F(PlayerDataTest, FirstSaveSeedsThePlayerCopyAndLeavesTheShippedOneAlone) {
    const std::string shipped_text = Results(R"(<levelStat result="-1"/><levelStat result="-1"/>)");
    const std::string shipped = dir.Write("shipped/PlayerData/levelresult.xml", shipped_text);
    ASSERT_TRUE(cPlayerResults::Instance().Load(Folder("player"), Folder("shipped")));
    ASSERT_TRUE(cPlayerResults::Instance().SetResult(1, 3));
    EXPECT_EQ(cPlayerResults::Instance().Result(1), 3);
    EXPECT_EQ(TestSupport::ReadFile(shipped), shipped_text);

    // A better or worse win replaces the result; a fresh start reads the player's copy back.
    ASSERT_TRUE(cPlayerResults::Instance().SetResult(1, 0));
    cPlayerResults::Destroy();
    ASSERT_TRUE(cPlayerResults::Instance().Load(Folder("player"), Folder("shipped")));
    EXPECT_EQ(cPlayerResults::Instance().Result(0), -1);
    EXPECT_EQ(cPlayerResults::Instance().Result(1), 0);
}

TEST_F(PlayerDataTest, LevelTheFileDoesNotListChangesNothing) {
    const std::string text = Results(R"(<levelStat result="2"/>)");
    const std::string path = dir.Write("player/PlayerData/levelresult.xml", text);
    ASSERT_TRUE(cPlayerResults::Instance().Load(Folder("player"), Folder("shipped")));
    for (int32_t level : {1, 5, -1}) {
        EXPECT_FALSE(cPlayerResults::Instance().SetResult(level, 4)) << level;
        EXPECT_EQ(cPlayerResults::Instance().Result(level), -1) << level;
    }
    EXPECT_EQ(cPlayerResults::Instance().Result(0), 2);
    EXPECT_EQ(TestSupport::ReadFile(path), text);
}

// The file is read again for every change: a level it no longer lists keeps its loaded result.
TEST_F(PlayerDataTest, LevelDroppedFromTheFileSinceLoadKeepsItsResult) {
    dir.Write("player/PlayerData/levelresult.xml", Results(R"(<levelStat result="2"/><levelStat result="1"/>)"));
    ASSERT_TRUE(cPlayerResults::Instance().Load(Folder("player"), Folder("shipped")));
    dir.Write("player/PlayerData/levelresult.xml", Results(R"(<levelStat result="2"/>)"));
    EXPECT_FALSE(cPlayerResults::Instance().SetResult(1, 4));
    EXPECT_EQ(cPlayerResults::Instance().Result(1), 1);
}

TEST_F(PlayerDataTest, NoCopyAnywhereIsLoggedAndEveryLevelIsNotWon) {
    EXPECT_FALSE(cPlayerResults::Instance().Load(Folder("player"), Folder("shipped")));
    EXPECT_EQ(cPlayerResults::Instance().Result(0), -1);
    EXPECT_FALSE(cPlayerResults::Instance().SetResult(0, 4));
    EXPECT_NE(Log().find("Error: Cannot read player data: "), std::string::npos);
}

}  // namespace

namespace {

// The start-up step fills all three stores from one game folder, preferring the player's copies.
TEST_F(PlayerDataTest, LoadPlayerDataFillsEveryStore) {
    dir.Write("game/achievementStats.xml", R"(<LevelStats><levelStat rank_1_time="7"/></LevelStats>)");
    dir.Write("game/PlayerData/levelresult.xml", Results(R"(<levelStat result="1"/>)"));
    dir.Write("game/PlayerData/achievementresult.xml",
              R"(<A><AchievementStat result="0"/><CandyCount count="3"/></A>)");
    dir.Write("player/PlayerData/levelresult.xml", Results(R"(<levelStat result="4"/>)"));
    ASSERT_TRUE(Game::LoadPlayerData(Folder("game"), Folder("player")));
    EXPECT_EQ(cLevelStats::Instance().RankTimes(0)->rank_1_time, 7);
    EXPECT_EQ(cPlayerResults::Instance().Result(0), 4);
    EXPECT_EQ(Game::cAchievementStore::Instance().CandyCount(), 3);
    Game::cAchievementStore::Destroy();
}

TEST_F(PlayerDataTest, LoadPlayerDataReportsAMissingFile) {
    dir.Write("game/achievementStats.xml", R"(<LevelStats><levelStat/></LevelStats>)");
    dir.Write("game/PlayerData/levelresult.xml", Results(R"(<levelStat result="1"/>)"));
    EXPECT_FALSE(Game::LoadPlayerData(Folder("game"), Folder("player")));
    EXPECT_EQ(cPlayerResults::Instance().Result(0), 1);
    Game::cAchievementStore::Destroy();
}

}  // namespace
