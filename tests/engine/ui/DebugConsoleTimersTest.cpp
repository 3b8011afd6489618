// The debug console's section timers: there before anything uses them, 0
// until measured, and each one independent of the others.

#include <gtest/gtest.h>

#include "engine/ui/cDebugConsole.h"

namespace {

double StageTimersSum(const Engine::cDebugConsole& console) {
    return console.render_timer.Elapsed() + console.animation_timer.Elapsed() + console.physics_timer.Elapsed() +
           console.game_logic_timer.Elapsed();
}

TEST(DebugConsoleTimers, ReadZeroUntilMeasuredAndOnlyTheTimerRunChanges) {
    Engine::cDebugConsole::Destroy();
    Engine::cDebugConsole& console = Engine::cDebugConsole::Instance();
    EXPECT_EQ(StageTimersSum(console), 0.0) << "a run without gameplay leaves the stage timers at 0";
    EXPECT_EQ(console.idle_timer.Elapsed(), 0.0);

    // The main loop's idle measurement, repeated as frames repeat.
    for (int frame = 0; frame < 3; ++frame) {
        Engine::cDebugConsole::Instance().idle_timer.Start();
        Engine::cDebugConsole::Instance().idle_timer.Stop();
    }
    EXPECT_GE(console.idle_timer.Elapsed(), 0.0);
    EXPECT_LT(console.idle_timer.Elapsed(), 1.0);
    EXPECT_EQ(StageTimersSum(console), 0.0);
    EXPECT_EQ(console.spare_timer.Elapsed(), 0.0);
    EXPECT_EQ(&Engine::cDebugConsole::Instance(), &console) << "every user reaches the same console";
    Engine::cDebugConsole::Destroy();
}

}  // namespace
