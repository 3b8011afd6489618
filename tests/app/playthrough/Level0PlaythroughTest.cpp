// Level0 in the gameplay state, played by the playthrough bot in-process
// through the app's real start-up and main loop with --record; the real
// executable replays the record and must win in the same level time with the
// kid on the same spot to the bit. Left alone, the kid is caught by the
// ghosts: the death sequence runs and the level restarts.

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "engine/core/Random.h"
#include "engine/platform/cInputScript.h"
#include "game/data/cLevelManager.h"
#include "game/entities/cKid.h"
#include "tests/app/playthrough/InProcessRun.h"
#include "tests/support/GameFolder.h"
#include "tests/support/PlaythroughBot.h"

namespace {

using PlaythroughTests::After;

// Frames the run goes on after the win: the screen darkens for three seconds,
// then play asks for the results screen.
constexpr unsigned kFramesAfterWin = 130;
// About two minutes of play at 30 frames a second, and room for a death.
constexpr unsigned kFrameLimit = 9000;

int Count(const std::string& text, const std::string& key) {
    int n = 0;
    for (auto at = text.find(key); at != std::string::npos; at = text.find(key, at + key.size())) ++n;
    return n;
}

class Level0PlaythroughTest : public ::testing::Test {
protected:
    // Level0 in the gameplay state, the bot at the keys and the mouse, recorded to run.txt.
    void PlayAndRecord() {
        const std::vector<std::string> arguments = {
            "--headless", "--state", "Prototype1", "--fixed-dt", "0.033", "--seed", "11",
            "--frames",   std::to_string(kFrameLimit), "--record", "run.txt"};
        EXPECT_EQ(PlaythroughTests::RunInProcess(game.dir, arguments,
                                                 [this](float dt, unsigned frame) { Drive(dt, frame); }),
                  "");
    }

    void Drive(float dt, unsigned frame) {
        bot.Step(dt);
        if (const auto* kid = dynamic_cast<const Game::cKid*>(Game::cLevelManager::Instance().kid);
            kid != nullptr && frame % 150 == 0 && !bot.KidHasWon()) {
            char line[160];
            std::snprintf(line, sizeof line, "frame %u: kid at (%.2f, %.2f) waypoint %zu of %zu, status 0x%x\n",
                          frame, kid->position.x, kid->position.z, bot.NextWaypoint(), bot.WaypointCount(),
                          kid->status);
            trace += line;
        }
        if (bot.KidHasWon() && ++frames_after_win == kFramesAfterWin) {
            PlaythroughTests::PushClose();
        }
    }

    TestSupport::GameFolder game;
    TestSupport::PlaythroughBot bot;
    std::string trace;
    unsigned frames_after_win = 0;
};

TEST_F(Level0PlaythroughTest, TheBotWinsLevel0AndItsRecordWinsAgainInTheSameTime) {
    if (Engine::IsRandomSeeded()) {
        GTEST_SKIP() << "a run of the app in this process seeded the random generator already; ctest runs each "
                        "test in a process of its own";
    }
    PlayAndRecord();
    const std::string played = game.Read("Engine.log");
    ASSERT_TRUE(bot.KidHasWon()) << trace << played;
    EXPECT_GT(bot.SweepFrames(), 0u) << "the bot fought the ghosts on the way";
    const std::string won_after = After(played, "Play: the kid wins after ");
    const std::string kid_end = After(played, "Play: the kid ends exactly at ");
    ASSERT_NE(won_after, "") << played;
    ASSERT_NE(kid_end, "") << played;
    EXPECT_NE(played.find("Play: asks for state 13"), std::string::npos) << "the results screen follows the win";

    Engine::cInputScript record;
    ASSERT_TRUE(record.Load(game.dir.File("run.txt")));
    EXPECT_EQ(record.SkippedLineCount(), 0u);
    ASSERT_EQ(game.Run("--headless --input run.txt --frames " + std::to_string(kFrameLimit) + " " +
                       record.RecordedOptions()),
              0)
        << game.Read("out.txt");
    const std::string replayed = game.Read("Engine.log");
    EXPECT_EQ(After(replayed, "Play: the kid wins after "), won_after) << "the same level time";
    EXPECT_EQ(After(replayed, "Play: the kid ends exactly at "), kid_end) << "the kid on the same spot, to the bit";
    EXPECT_EQ(After(replayed, "Main loop ended after "), After(played, "Main loop ended after "));
}

// Nobody at the keys: the level's intro story runs its 25 seconds, the
// ghosts reach the kid, the death sequence runs and, three and a half seconds
// later, the level starts again, without the story.
TEST_F(Level0PlaythroughTest, StandingStillTheKidDiesAndTheLevelRestarts) {
    ASSERT_EQ(game.Run("--headless --state Prototype1 --fixed-dt 0.033 --seed 11 --frames 2300"), 0)
        << game.Read("out.txt");
    const std::string log = game.Read("Engine.log");
    EXPECT_EQ(Count(log, "Play: the intro cutscene of Level0 plays"), 1) << log;
    EXPECT_GE(Count(log, "Play: asks for state 14"), 1) << log;
    EXPECT_EQ(log.find("Play: the kid wins after "), std::string::npos);
    EXPECT_GE(Count(log, "Play: the run of Level0 ends after"), 2) << "the level ran again after the restart";
}

}  // namespace
