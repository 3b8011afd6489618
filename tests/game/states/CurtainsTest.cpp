// The curtains of the menu and the results screen: opening, the open wait,
// closing, and the one finished close the owner acts on.

#include <gtest/gtest.h>

#include "engine/ui/cUIElementBase.h"
#include "game/states/cCurtains.h"

namespace {

using Game::cCurtains;

class FakeCurtain : public Engine::cUIElementBase {
public:
    void SetVisible(bool) override {}
    bool IsVisible() const override { return true; }
    void Update(float) override {}
};

struct CurtainsTest : ::testing::Test {
    FakeCurtain left;
    FakeCurtain right;
    cCurtains curtains;
    void SetUp() override { curtains.Start(&left, &right); }
    // Runs updates of dt until one reports a finished close; how many it took, or -1.
    int UpdatesUntilClosed(float dt, int limit) {
        for (int i = 1; i <= limit; ++i) {
            if (curtains.Update(dt)) return i;
        }
        return -1;
    }
};

TEST_F(CurtainsTest, StartsClosedAndOpensApartOverTheDuration) {
    EXPECT_EQ(curtains.State(), cCurtains::kOpening);
    EXPECT_FLOAT_EQ(left.posX, 0.25f);
    EXPECT_FLOAT_EQ(right.posX, 0.75f);
    curtains.Update(0.5f);
    // Half-way, each has slid by 0.5 * sin(pi / 4).
    EXPECT_NEAR(left.posX, 0.25f - 0.35355f, 1e-4f);
    EXPECT_NEAR(right.posX, 0.75f + 0.35355f, 1e-4f);
    EXPECT_FLOAT_EQ(left.posY, 0.5f);
    EXPECT_FALSE(curtains.IsOpen());
    curtains.Update(0.5f);
    EXPECT_FALSE(curtains.IsOpen()) << "open only once the time exceeds the duration";
    curtains.Update(0.01f);
    EXPECT_TRUE(curtains.IsOpen());
    EXPECT_FLOAT_EQ(curtains.Time(), 0.0f);
}

TEST_F(CurtainsTest, OpenCurtainsWaitOffScreen) {
    UpdatesUntilClosed(0.1f, 12);
    ASSERT_TRUE(curtains.IsOpen());
    curtains.Update(0.1f);
    EXPECT_FLOAT_EQ(left.posX, cCurtains::kOffScreenX);
    EXPECT_FLOAT_EQ(right.posX, cCurtains::kOffScreenX);
}

TEST_F(CurtainsTest, CloseOnlyWhenOpen) {
    EXPECT_FALSE(curtains.Close()) << "a click while opening is ignored";
    EXPECT_EQ(curtains.State(), cCurtains::kOpening);
    UpdatesUntilClosed(0.1f, 12);
    EXPECT_TRUE(curtains.Close());
    EXPECT_FALSE(curtains.Close()) << "a second click while closing changes nothing";
    EXPECT_EQ(curtains.State(), cCurtains::kClosing);
}

TEST_F(CurtainsTest, ClosingSlidesInThenRestsShutBeforeFinishing) {
    UpdatesUntilClosed(0.1f, 12);
    curtains.Close();
    curtains.Update(0.5f);
    EXPECT_NEAR(left.posX, 0.35355f - 0.25f, 1e-4f);
    EXPECT_NEAR(right.posX, 1.25f - 0.35355f, 1e-4f);
    EXPECT_FALSE(curtains.Update(0.55f)) << "shut, but resting";
    EXPECT_FLOAT_EQ(left.posX, 0.25f);
    EXPECT_FLOAT_EQ(right.posX, 0.75f);
    EXPECT_TRUE(curtains.Update(0.1f));
    EXPECT_TRUE(curtains.IsOpen());
    EXPECT_FALSE(curtains.Update(0.1f)) << "a close finishes once";
}

TEST_F(CurtainsTest, CloseFinishesAfterDurationPlusPauseAtAnyStep) {
    // Steps that add up exactly in floats, so the counts are the law's own.
    const struct { float dt; int updates; } cases[] = {{0.125f, 9}, {1.0f / 64.0f, 71}, {0.5f, 3}};
    for (const auto& c : cases) {
        curtains.Start(&left, &right);
        UpdatesUntilClosed(c.dt, 1000);
        ASSERT_TRUE(curtains.Close());
        EXPECT_EQ(UpdatesUntilClosed(c.dt, 1000), c.updates) << "dt " << c.dt;
    }
}

TEST(CurtainsWithoutImages, MoveTheirStateAlone) {
    cCurtains curtains;
    curtains.Start(nullptr, nullptr);
    for (int i = 0; i < 11; ++i) curtains.Update(0.1f);
    EXPECT_TRUE(curtains.Close());
    int updates = 0;
    while (!curtains.Update(0.1f) && updates < 100) ++updates;
    EXPECT_LT(updates, 100);
}

}  // namespace
