// Section timers on a counter moved by hand: what one interval measures, how
// repeated and nested intervals behave.

#include <gtest/gtest.h>

#include "engine/platform/cSectionTimer.h"
#include "tests/engine/platform/ManualCounter.h"

namespace {

constexpr double kCount = 1.0 / ManualCounter::kFrequency;

class SectionTimerTest : public ::testing::Test {
protected:
    ManualCounter counter;
};

TEST_F(SectionTimerTest, ReadsZeroUntilTheFirstStop) {
    Engine::cSectionTimer timer(counter);
    EXPECT_EQ(timer.Elapsed(), 0.0);
    timer.Start();
    counter.Advance(5);
    EXPECT_EQ(timer.Elapsed(), 0.0);
}

TEST_F(SectionTimerTest, MeasuresTheCountsBetweenStartAndStopInSeconds) {
    Engine::cSectionTimer timer(counter);
    counter.Advance(100);  // before Start: not measured
    timer.Start();
    counter.Advance(512);
    timer.Stop();
    EXPECT_EQ(timer.Elapsed(), 0.5);
}

TEST_F(SectionTimerTest, EachStopReplacesTheLastIntervalInsteadOfAddingToIt) {
    Engine::cSectionTimer timer(counter);
    const int64_t intervals[] = {7, 300, 0, 2};
    for (int64_t counts : intervals) {
        timer.Start();
        counter.Advance(counts);
        timer.Stop();
        EXPECT_EQ(timer.Elapsed(), counts * kCount) << counts << " counts";
        counter.Advance(50);  // time between frames is never counted
    }
}

TEST_F(SectionTimerTest, AStopWithoutANewStartMeasuresFromTheLastStart) {
    Engine::cSectionTimer timer(counter);
    timer.Start();
    counter.Advance(10);
    timer.Stop();
    counter.Advance(6);
    timer.Stop();
    EXPECT_EQ(timer.Elapsed(), 16 * kCount);
}

TEST_F(SectionTimerTest, AStopBeforeAnyStartMeasuresFromConstruction) {
    Engine::cSectionTimer timer(counter);
    counter.Advance(3);
    timer.Stop();
    EXPECT_EQ(timer.Elapsed(), 3 * kCount);
}

TEST_F(SectionTimerTest, NestedTimersEachMeasureTheirOwnInterval) {
    Engine::cSectionTimer frame(counter);
    Engine::cSectionTimer logic(counter);
    Engine::cSectionTimer physics(counter);
    frame.Start();
    counter.Advance(4);
    logic.Start();
    counter.Advance(8);
    physics.Start();
    counter.Advance(16);
    physics.Stop();
    counter.Advance(32);
    logic.Stop();
    counter.Advance(64);
    frame.Stop();
    EXPECT_EQ(physics.Elapsed(), 16 * kCount);
    EXPECT_EQ(logic.Elapsed(), (8 + 16 + 32) * kCount);
    EXPECT_EQ(frame.Elapsed(), (4 + 8 + 16 + 32 + 64) * kCount);
}

TEST(SectionTimerSystemCounter, BackToBackIntervalIsShortAndNotNegative) {
    Engine::cSectionTimer timer;
    timer.Start();
    timer.Stop();
    EXPECT_GE(timer.Elapsed(), 0.0);
    EXPECT_LT(timer.Elapsed(), 1.0);
}

}  // namespace
