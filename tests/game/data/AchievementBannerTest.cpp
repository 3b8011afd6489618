// The achievement banners on screen: the layout's art is found by name, the
// banner on show slides in from the left, rests at home and slides out to
// the right, then hides at home; missing art and art the GUI has since
// released are never touched.

#include <gtest/gtest.h>

#include <string>

#include "engine/core/cLog.h"
#include "engine/ui/cGUIManager.h"
#include "game/data/cAchievementStore.h"
#include "tests/support/TempDir.h"

namespace {

using Game::cAchievementStore;

// Art for banners 0 and 1 only, at home (0.5, 0.8), hidden.
const char* const kTwoBanners = R"(<GUILayout>
  <UIImage name="AchievementArt0" TSname="nomat" normwidth="0.4" normheight="0.1" normPosX="0.5" normPosY="0.8" visible="0"/>
  <UIImage name="AchievementArt1" TSname="nomat" normwidth="0.4" normheight="0.1" normPosX="0.5" normPosY="0.8" visible="0"/>
</GUILayout>)";

class AchievementBannerTest : public ::testing::Test {
protected:
    void SetUp() override {
        cAchievementStore::Destroy();
        Engine::cGUIManager::Destroy();
        dir.Write("layouts/AchievementLayout.xml", kTwoBanners);
    }
    void TearDown() override {
        cAchievementStore::Destroy();
        Engine::cGUIManager::Destroy();
        Engine::cLog::Destroy();
    }

    static cAchievementStore& Store() { return cAchievementStore::Instance(); }
    static Engine::cUIElementBase* Art(int index) {
        return Engine::cGUIManager::Instance().Elements().at("AchievementArt" + std::to_string(index));
    }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory cwd{dir.Path()};
};

TEST_F(AchievementBannerTest, BannerArtSlidesInRestsSlidesOutAndHidesAtHome) {
    ASSERT_TRUE(Store().LoadBannerLayout(dir.File("layouts") + "/"));
    Engine::cUIElementBase* art = Art(1);
    ASSERT_FALSE(art->IsVisible());
    Store().QueueBanner(1);

    struct Step {
        float dt;
        bool visible;
        float x;
    };
    // Halfway through each slide the ease is exactly at its midpoint.
    const Step steps[] = {{1.0f, true, 0.0f}, {2.0f, true, 0.5f}, {4.0f, true, 1.0f}, {1.0f, false, 0.5f}};
    for (const Step& step : steps) {
        Store().UpdateBanners(step.dt);
        EXPECT_EQ(art->IsVisible(), step.visible);
        EXPECT_NEAR(art->posX, step.x, 1e-4f);
        EXPECT_NEAR(art->posY, 0.8f, 1e-6f);
    }
    EXPECT_EQ(Store().QueuedBanners(), 0u);
    EXPECT_FALSE(Art(0)->IsVisible());
}

TEST_F(AchievementBannerTest, BannerWithoutArtKeepsTimeAndTheNextOneShows) {
    ASSERT_TRUE(Store().LoadBannerLayout(dir.File("layouts") + "/"));
    Store().QueueBanner(7);
    Store().QueueBanner(0);
    Store().UpdateBanners(4.0f);
    EXPECT_FALSE(Art(0)->IsVisible());
    Store().UpdateBanners(4.0f);
    Store().UpdateBanners(1.0f);
    EXPECT_TRUE(Art(0)->IsVisible());
    EXPECT_NEAR(Art(0)->posX, 0.0f, 1e-4f);
}

TEST_F(AchievementBannerTest, ArtReleasedWithTheGUIIsLeftToItsNextUser) {
    ASSERT_TRUE(Store().LoadBannerLayout(dir.File("layouts") + "/"));
    Engine::cGUIManager& gui = Engine::cGUIManager::Instance();
    gui.Clear();
    // The pool hands the released images out again under other names.
    Engine::cUIImage* first = gui.CreateImage({0.25f, 0.25f}, "nomat", "Other0", 0.1f, 0.1f, 1);
    Engine::cUIImage* second = gui.CreateImage({0.25f, 0.25f}, "nomat", "Other1", 0.1f, 0.1f, 1);
    Store().QueueBanner(0);
    Store().QueueBanner(1);
    for (int i = 0; i < 12; ++i) Store().UpdateBanners(1.0f);
    for (Engine::cUIImage* image : {first, second}) {
        EXPECT_NEAR(image->posX, 0.25f, 1e-6f);
        EXPECT_TRUE(image->IsVisible());
    }
}

TEST_F(AchievementBannerTest, UnreadableLayoutLeavesNoArt) {
    EXPECT_FALSE(Store().LoadBannerLayout(dir.File("nowhere") + "/"));
    Store().QueueBanner(0);
    Store().UpdateBanners(1.0f);
    EXPECT_EQ(Store().QueuedBanners(), 1u);
}

}  // namespace
