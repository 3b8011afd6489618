// The achievement store: unlocks written through with one banner per newly
// unlocked achievement, the candy count saved and read back, and the banner
// timing (slide in, rest, slide out, next banner) with its overshooting ease.

#include <gtest/gtest.h>

#include <string>

#include "engine/core/cLog.h"
#include "game/data/cAchievementStore.h"
#include "tests/support/TempDir.h"

namespace {

using Game::cAchievementStore;

class AchievementStoreTest : public ::testing::Test {
protected:
    void SetUp() override { cAchievementStore::Destroy(); }
    void TearDown() override {
        cAchievementStore::Destroy();
        Engine::cLog::Destroy();
    }

    cAchievementStore& Store() { return cAchievementStore::Instance(); }
    std::string Folder(const std::string& name) const { return dir.File(name) + "/"; }
    // Writes the shipped copy with the given results and candy element, then loads with no player copy.
    void LoadShipped(const std::string& body) {
        shipped_text = "<AchievementResults>" + body + "</AchievementResults>";
        dir.Write("shipped/PlayerData/achievementresult.xml", shipped_text);
        ASSERT_TRUE(Store().Load(Folder("player"), Folder("shipped")));
    }
    void Reload() {
        cAchievementStore::Destroy();
        ASSERT_TRUE(Store().Load(Folder("player"), Folder("shipped")));
    }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory cwd{dir.Path()};
    std::string shipped_text;
};

const char* const kFour = R"(<AchievementStat result="0"/><AchievementStat result="1"/><AchievementStat/>
    <AchievementStat result="0"/><CandyCount count="12"/>)";

TEST_F(AchievementStoreTest, LoadReadsEachStateAndTheCandyCount) {
    LoadShipped(kFour);
    const bool expected[] = {false, true, false, false, false};
    for (int32_t i = 0; i < 5; ++i) EXPECT_EQ(Store().IsUnlocked(i), expected[i]) << i;
    EXPECT_FALSE(Store().IsUnlocked(-1));
    EXPECT_EQ(Store().CandyCount(), 12);
}

TEST_F(AchievementStoreTest, UnlockTwiceQueuesOneBannerAndIsWrittenToThePlayerCopy) {
    LoadShipped(kFour);
    ASSERT_TRUE(Store().Unlock(3));
    ASSERT_TRUE(Store().Unlock(3));
    ASSERT_TRUE(Store().Unlock(1));  // already unlocked: no banner
    EXPECT_EQ(Store().QueuedBanners(), 1u);
    EXPECT_EQ(Store().CurrentBanner()->index, 3);
    EXPECT_TRUE(Store().IsUnlocked(3));
    EXPECT_EQ(TestSupport::ReadFile(dir.File("shipped/PlayerData/achievementresult.xml")), shipped_text);
    Reload();
    EXPECT_TRUE(Store().IsUnlocked(3));
    EXPECT_FALSE(Store().IsUnlocked(0));
    EXPECT_EQ(Store().QueuedBanners(), 0u);
}

TEST_F(AchievementStoreTest, UnlockingAnUnlistedAchievementChangesNothing) {
    LoadShipped(kFour);
    for (int32_t index : {4, 9, -1}) EXPECT_FALSE(Store().Unlock(index)) << index;
    EXPECT_EQ(Store().QueuedBanners(), 0u);
    EXPECT_FALSE(std::filesystem::exists(dir.File("player/PlayerData/achievementresult.xml")));
}

TEST_F(AchievementStoreTest, CandyCountIsSavedAndReadBackEvenWhenTheFileLackedIt) {
    for (const char* body : {kFour, R"(<AchievementStat result="0"/>)"}) {
        std::filesystem::remove_all(dir.File("player"));
        cAchievementStore::Destroy();
        LoadShipped(body);
        Store().SetCandyCount(345);
        ASSERT_TRUE(Store().SaveCandyCount());
        Reload();
        EXPECT_EQ(Store().CandyCount(), 345) << body;
    }
}

TEST_F(AchievementStoreTest, BannerSlidesInRestsSlidesOutAndTheNextFollows) {
    LoadShipped(kFour);
    Store().QueueBanner(7);
    Store().QueueBanner(2);
    struct Step {
        float dt;
        int32_t index;
        float offset;
    };
    // The ease passes its midpoint at half its duration, so the offsets there are exact.
    // Times 1, 3, 6.5 and 7 s into the first banner; at 8 s the second starts from its left end.
    // At 6.5 s the slide out has begun and first dips left: -0.125 * (0.5 * 3.5949094 - 2.5949094).
    const Step steps[] = {{1.0f, 7, -0.5f}, {2.0f, 7, 0.0f},  {3.5f, 7, -0.0996818f},
                          {0.5f, 7, 0.5f},  {1.0f, 2, -1.0f}, {1.0f, 2, -0.5f}};
    for (const Step& step : steps) {
        Store().UpdateBanners(step.dt);
        const auto banner = Store().CurrentBanner();
        ASSERT_TRUE(banner.has_value());
        EXPECT_EQ(banner->index, step.index);
        EXPECT_NEAR(banner->offset_x, step.offset, 1e-4f);
    }
    Store().UpdateBanners(7.0f);
    EXPECT_FALSE(Store().CurrentBanner().has_value());
}

TEST_F(AchievementStoreTest, EaseOvershootsBothEndsAndMeetsThem) {
    EXPECT_FLOAT_EQ(cAchievementStore::EaseInOutBack(0.0f, 0.0f, 1.0f, 2.0f), 0.0f);
    EXPECT_NEAR(cAchievementStore::EaseInOutBack(2.0f, 0.0f, 1.0f, 2.0f), 1.0f, 1e-5f);
    EXPECT_LT(cAchievementStore::EaseInOutBack(0.3f, 0.0f, 1.0f, 2.0f), 0.0f);
    EXPECT_GT(cAchievementStore::EaseInOutBack(1.7f, 0.0f, 1.0f, 2.0f), 1.0f);
    EXPECT_NEAR(cAchievementStore::EaseInOutBack(1.0f, 2.0f, 4.0f, 2.0f), 3.0f, 1e-5f);
}

TEST_F(AchievementStoreTest, ShippedFileListsTenLockedAchievements) {
    ASSERT_TRUE(Store().Load(Folder("player"), std::string(BRAMBLEBY_SOURCE_DIR) + "/GameData/XML_Game/"));
    for (int32_t i = 0; i < 10; ++i) EXPECT_FALSE(Store().IsUnlocked(i)) << i;
    ASSERT_TRUE(Store().Unlock(9));
    EXPECT_EQ(Store().QueuedBanners(), 1u);
    EXPECT_EQ(Store().CandyCount(), 0);
}

}  // namespace
