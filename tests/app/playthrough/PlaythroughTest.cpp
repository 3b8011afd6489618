// The playthrough bot plays the render test scene in-process, through the
// app's real start-up and main loop, with --record writing its input; the
// real executable then replays the record and must end with the kid on the
// same spot to the bit.

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "engine/core/Random.h"
#include "engine/platform/cInputScript.h"
#include "game/data/cLevelManager.h"
#include "engine/entity/cSceneManager.h"
#include "game/entities/cBaseEnemy.h"
#include "game/entities/cKid.h"
#include "tests/app/playthrough/InProcessRun.h"
#include "tests/support/GameFolder.h"
#include "tests/support/PlaythroughBot.h"

namespace {

using PlaythroughTests::After;

using Keys = TestSupport::PlaythroughBot::Keys;
using Engine::Vector3;

// ---- The keys of the eight directions ---------------------------------------------

struct Heading {
    Vector3 direction;
    Keys keys;
};

TEST(PlaythroughBotKeys, EachOfTheEightDirectionsPressesItsKeys) {
    // The camera looks toward -z: W walks to -z, D to +x.
    const Vector3 look{0.0f, -5.0f, -3.0f};
    const Heading headings[] = {
        {{0, 0, -1}, {.w = true}},           {{1, 0, -1}, {.w = true, .d = true}}, {{1, 0, 0}, {.d = true}},
        {{1, 0, 1}, {.s = true, .d = true}}, {{0, 0, 1}, {.s = true}},             {{-1, 0, 1}, {.a = true, .s = true}},
        {{-1, 0, 0}, {.a = true}},           {{-1, 0, -1}, {.w = true, .a = true}},
        // 20 degrees off a key's axis still walks that axis alone; 30 degrees takes the diagonal.
        {{0.364f, 0, -1}, {.w = true}},      {{0.577f, 0, -1}, {.w = true, .d = true}},
        {{0, 0, 0}, {}},
    };
    for (const Heading& heading : headings) {
        const Keys keys = TestSupport::PlaythroughBot::KeysToward(heading.direction * 3.0f, look);
        EXPECT_EQ(keys, heading.keys) << heading.direction.x << ", " << heading.direction.z;
    }
}

TEST(PlaythroughBotKeys, TheKeysTurnWithTheCamera) {
    // Looking toward +x, ahead is +x and the right is +z.
    const Vector3 look{4.0f, -2.0f, 0.0f};
    EXPECT_EQ(TestSupport::PlaythroughBot::KeysToward({5, 0, 0}, look), (Keys{.w = true}));
    EXPECT_EQ(TestSupport::PlaythroughBot::KeysToward({0, 0, 5}, look), (Keys{.d = true}));
    EXPECT_EQ(TestSupport::PlaythroughBot::KeysToward({-5, 0, -5}, look), (Keys{.a = true, .s = true}));
}

// Near the border between two directions the keys held stay: 20 and 25 degrees
// off W keep W alone or W with D, whichever was held.
TEST(PlaythroughBotKeys, KeysHeldStayNearTheBorderBetweenTwoDirections) {
    const Vector3 look{0.0f, -5.0f, -3.0f};
    const Keys straight{.w = true};
    const Keys diagonal{.w = true, .d = true};
    for (const Vector3 way : {Vector3{0.364f, 0, -1}, Vector3{0.466f, 0, -1}}) {
        EXPECT_EQ(TestSupport::PlaythroughBot::KeysToward(way, look, straight), straight) << way.x;
        EXPECT_EQ(TestSupport::PlaythroughBot::KeysToward(way, look, diagonal), diagonal) << way.x;
    }
    EXPECT_EQ(TestSupport::PlaythroughBot::KeysToward({0.18f, 0, -1}, look, diagonal), straight) << "10 degrees";
    EXPECT_EQ(TestSupport::PlaythroughBot::KeysToward({1, 0, -0.268f}, look, straight), (Keys{.d = true}))
        << "75 degrees: the held W goes";
}

// ---- A recorded playthrough and its replay ----------------------------------------

// The kid's intro, and the camera's first pass through its states, are over by then.
constexpr unsigned kIntroFrames = 40;
// Frames the run goes on after the win before the bot closes the window.
constexpr unsigned kFramesAfterWin = 30;
// Enough for the walk, a fight or two and a death on the way.
constexpr unsigned kFrameLimit = 2400;

// Every line of the log that holds key, in order.
std::string LinesWith(const std::string& log, const std::string& key) {
    std::istringstream lines(log);
    std::string found;
    for (std::string line; std::getline(lines, line);) {
        if (line.find(key) != std::string::npos) found += line + "\n";
    }
    return found;
}

class RecordedPlaythroughTest : public ::testing::Test {
protected:
    // The render test scene played by the bot in-process, recorded to run.txt.
    void PlayAndRecord() { Play({"--record", "run.txt"}); }

    // The render test scene played by the bot in-process with the extra options.
    void Play(const std::vector<std::string>& extra) {
        std::vector<std::string> arguments = {"--headless", "--state",  "Sandbox2", "--fixed-dt", "0.033",
                                              "--seed",     "7",       "--frames", std::to_string(kFrameLimit)};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        EXPECT_EQ(PlaythroughTests::RunInProcess(game.dir, arguments,
                                                 [this](float dt, unsigned frame) { Drive(dt, frame); }),
                  "");
    }

    // The bot's step, a trace of the kid's walk, and the close once she has won.
    void Drive(float dt, unsigned frame) {
        bot.Step(dt);
        if (const auto* kid = dynamic_cast<const Game::cKid*>(Game::cLevelManager::Instance().kid);
            kid != nullptr && frame % 30 == 0) {
            char line[160];
            std::snprintf(line, sizeof line, "frame %u: kid at (%.2f, %.2f) waypoint %zu status 0x%x\n", frame,
                          kid->position.x, kid->position.z, bot.NextWaypoint(), kid->status);
            trace += line;
        }
        if (const auto* kid = dynamic_cast<const Game::cKid*>(Game::cLevelManager::Instance().kid);
            kid != nullptr && kid->IsFrozen() && frame > kIntroFrames) {
            ++held_on_the_way;
        }
        for (const Engine::cEntity* entity : Engine::cSceneManager::Instance().GetEntities()) {
            const auto* enemy = dynamic_cast<const Game::cBaseEnemy*>(entity);
            if (enemy != nullptr && enemy->active && enemy->damage > 0.0f) ++enemy_frames_hurt;
        }
        if (bot.KidHasWon() && ++frames_after_win == kFramesAfterWin) {
            PlaythroughTests::PushClose();
        }
    }

    TestSupport::GameFolder game;
    TestSupport::PlaythroughBot bot;
    std::string trace;
    unsigned frames_after_win = 0;
    // Enemy frames with damage taken: the stroke's slashes hit.
    unsigned enemy_frames_hurt = 0;
    // Frames the kid stood held (a camera shot) after the bot had set out.
    unsigned held_on_the_way = 0;
};

// Declared first, so that it also runs first when the whole program runs in one process.
TEST_F(RecordedPlaythroughTest, TheBotWinsTheRenderTestSceneAndItsRecordReplaysExactly) {
    if (Engine::IsRandomSeeded()) {
        GTEST_SKIP() << "a run of the app in this process seeded the random generator already, and it is seeded "
                        "once per process; ctest runs each test in a process of its own";
    }
    PlayAndRecord();
    const std::string played_log = game.Read("Engine.log");
    ASSERT_TRUE(bot.KidHasWon()) << trace << played_log;
    ASSERT_GE(bot.WaypointCount(), 2u);
    EXPECT_GE(bot.NextWaypoint(), bot.WaypointCount() - 1) << "she came to the win point by the path\n" << trace;
    EXPECT_GT(bot.SweepFrames(), 0u) << "ghosts came near and the bot swept the stroke at them";
    const std::string won_after = After(played_log, "the kid wins after ");
    const std::string played_ends = LinesWith(played_log, "ends exactly at");
    ASSERT_NE(won_after, "");
    ASSERT_NE(played_ends.find("the kid ends exactly at"), std::string::npos) << played_log;
    ASSERT_NE(played_ends.find("the stroke ends exactly at"), std::string::npos) << played_log;
    ASSERT_NE(played_ends.find("an enemy ends exactly at"), std::string::npos) << played_log;
    ASSERT_NE(After(played_log, "the run drew "), "") << played_log;

    Engine::cInputScript record;
    ASSERT_TRUE(record.Load(game.dir.File("run.txt")));
    EXPECT_EQ(record.SkippedLineCount(), 0u);
    EXPECT_EQ(record.RecordedOptions(), "--seed 7 --fixed-dt 0.0329999998 --state Sandbox2");
    const std::string text = game.Read("run.txt");
    EXPECT_NE(text.find(" keydown 0x57\n"), std::string::npos) << "the bot walks with the keys";
    EXPECT_NE(text.find(" move "), std::string::npos) << "and steers the stroke with the mouse";
    EXPECT_NE(text.find(" buttondown 0\n"), std::string::npos) << "slashing with the left button";

    ASSERT_EQ(game.Run("--headless --input run.txt --frames " + std::to_string(kFrameLimit) + " " +
                       record.RecordedOptions()),
              0)
        << game.Read("out.txt");
    const std::string replay_log = game.Read("Engine.log");
    EXPECT_EQ(After(replay_log, "Main loop ended after "), After(played_log, "Main loop ended after "))
        << "the recorded close ends the replay in the same frame";
    EXPECT_EQ(After(replay_log, "the kid wins after "), won_after);
    EXPECT_EQ(After(replay_log, "the run drew "), After(played_log, "the run drew "));
    EXPECT_EQ(LinesWith(replay_log, "ends exactly at"), played_ends)
        << "the kid, the stroke and the enemies end on the same spots, to the bit";
}

// A path of the test's own: east into the camera trigger, whose shot holds
// the kid for nine seconds while ghosts close in, then along z -12 straight
// into the locked door (she has no key), then to the win point. The bot
// fights through the hold, walks on after it, steps round the door and wins.
TEST_F(RecordedPlaythroughTest, TheBotWaitsOutACameraShotAndStepsRoundAnObstacle) {
    TestSupport::PlaythroughBot::Tuning tuning;
    tuning.arrive_radius = 0.3f;  // so that she turns west in line with the door
    bot = TestSupport::PlaythroughBot(tuning);
    bot.SetWaypoints({{9.5f, -0.9f, -0.5f}, {-2.0f, -0.9f, -12.0f}, {-9.0f, -0.9f, -12.0f}, {-13.0f, -0.9f, -13.0f}});
    Play({});
    ASSERT_TRUE(bot.KidHasWon()) << trace << game.Read("Engine.log");
    EXPECT_GT(enemy_frames_hurt, 0u) << "the stroke hit the ghosts that came for her";
    EXPECT_GT(held_on_the_way, 150u) << "the shot held her for seconds\n" << trace;
    EXPECT_GE(bot.Unsticks(), 1u) << "the door stopped her once at least\n" << trace;
}

}  // namespace
