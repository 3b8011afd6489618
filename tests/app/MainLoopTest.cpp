// The frame loop driven by a counter advanced by hand and states that record
// every call, so each test reads as the sequence of calls the loop made.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/cGameStateManager.h"
#include "app/cMainLoop.h"
#include "engine/platform/VirtualKeys.h"
#include "engine/platform/cKeyboardState.h"
#include "engine/platform/cWindow.h"
#include "game/data/cLevelManager.h"

namespace Game {
namespace {

// A counter of 1000 counts per second that only moves when a test moves it.
class FakeCounter : public Engine::iHighResCounter {
public:
    int64_t Count() const override { return now; }
    int64_t Frequency() const override { return 1000; }
    void AdvanceMs(int64_t ms) { now += ms; }

private:
    int64_t now = 0;
};

// What a recorded state does when one of its operations is called.
struct StateScript {
    std::function<void()> on_load, on_enter, on_exit;
    std::function<void(float dt, int update_number)> on_update;
};

class RecordingState : public iGameState {
public:
    RecordingState(GameStateId id, std::vector<std::string>& log, StateScript script)
        : id(id), log(log), script(std::move(script)) {}
    void Load() override { Record("Load", script.on_load); }
    void Enter() override { Record("Enter", script.on_enter); }
    void Update(float dt) override {
        std::ostringstream text;
        text << id << ":Update(" << dt << ")";
        log.push_back(text.str());
        if (script.on_update) script.on_update(dt, ++updates);
    }
    void Render() override { log.push_back(std::to_string(id) + ":Render"); }
    void Exit() override { Record("Exit", script.on_exit); }
    void Unload() override { log.push_back(std::to_string(id) + ":Unload"); }
    ~RecordingState() override { log.push_back(std::to_string(id) + ":Destroyed"); }

private:
    void Record(const char* what, const std::function<void()>& action) {
        log.push_back(std::to_string(id) + ":" + what);
        if (action) action();
    }

    GameStateId id;
    std::vector<std::string>& log;
    StateScript script;
    int updates = 0;
};

class MainLoopTest : public ::testing::Test {
protected:
    MainLoopTest() : manager(cGameStateManager::Instance()) {
        manager.SetStateFactory([this](GameStateId id) -> std::unique_ptr<iGameState> {
            if (!IsStateClassId(id)) return nullptr;
            return std::make_unique<RecordingState>(id, log, scripts[id]);
        });
        Engine::cKeyboardState::Instance().Clear();
    }
    ~MainLoopTest() override {
        cGameStateManager::Destroy();
        Engine::cKeyboardState::Instance().Clear();
    }

    // Runs the loop from an initial state; the input step ages the keyboard
    // and calls on_frame, where a test presses keys or moves the clock.
    void RunFrom(GameStateId initial, cLoopOptions options = {}) {
        manager.SetInitialState(initial);
        cMainLoop loop(manager, counter, options, [this](float dt, unsigned frame) {
            Engine::cKeyboardState::Instance().Age(dt);
            if (on_frame) on_frame(frame);
        });
        loop.Run();
        frames = loop.FramesRun();
    }

    // Makes the state end the process in its n-th update.
    void QuitInUpdate(GameStateId id, int n) {
        scripts[id].on_update = [this, n](float, int update) {
            if (update == n) manager.next_id = StateQuit;
        };
    }

    cGameStateManager& manager;
    FakeCounter counter;
    std::map<GameStateId, StateScript> scripts;
    std::vector<std::string> log;
    std::function<void(unsigned)> on_frame;
    unsigned frames = 0;
};

using Calls = std::vector<std::string>;

cLoopOptions WithDeveloperKeys() {
    cLoopOptions options;
    options.developer_keys = true;
    return options;
}

cLoopOptions WithFixedDt(float dt) {
    cLoopOptions options;
    options.fixed_dt = dt;
    return options;
}

cLoopOptions WithFrameLimit(unsigned frames) {
    cLoopOptions options;
    options.frame_limit = frames;
    return options;
}

TEST_F(MainLoopTest, QuitBeforeTheFirstFrameRunsNothing) {
    RunFrom(StateQuit);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(frames, 0u);
    EXPECT_EQ(manager.Current(), nullptr);
}

TEST_F(MainLoopTest, RequestInEnterEndsTheRunBeforeAnyFrame) {
    scripts[StateSplash].on_enter = [this] { manager.next_id = StateMainMenu; };
    QuitInUpdate(StateMainMenu, 1);
    RunFrom(StateSplash);
    EXPECT_EQ(log, (Calls{"1:Load", "1:Enter", "1:Exit", "1:Unload", "1:Destroyed", "3:Load", "3:Enter",
                          "3:Update(0)", "3:Render", "3:Exit", "3:Unload", "3:Destroyed"}));
    EXPECT_EQ(frames, 1u);
    EXPECT_EQ(manager.previous_id, StateMainMenu);
    EXPECT_EQ(manager.current_id, StateQuit);
}

TEST_F(MainLoopTest, RequestInTheFirstUpdateStillRendersAndHandlesDeveloperKeys) {
    QuitInUpdate(StateSplash, 1);
    QuitInUpdate(StateModelViewer, 1);
    on_frame = [](unsigned frame) {
        if (frame == 1) Engine::cKeyboardState::Instance().KeyDown(Engine::kVK_F7);
    };
    RunFrom(StateSplash, WithDeveloperKeys());
    // F7 asked for the model viewer after the update's quit: the last write wins.
    EXPECT_EQ(log, (Calls{"1:Load", "1:Enter", "1:Update(0)", "1:Render", "1:Exit", "1:Unload", "1:Destroyed",
                          "11:Load", "11:Enter", "11:Update(0)", "11:Render", "11:Exit", "11:Unload",
                          "11:Destroyed"}));
}

TEST_F(MainLoopTest, RestartTwiceReentersTheSameObject) {
    scripts[StatePrototype1].on_update = [this](float, int update) {
        manager.next_id = update < 3 ? StateRestart : StateQuit;
    };
    RunFrom(StatePrototype1);
    EXPECT_EQ(log, (Calls{"10:Load", "10:Enter", "10:Update(0)", "10:Render", "10:Exit", "10:Enter",
                          "10:Update(0)", "10:Render", "10:Exit", "10:Enter", "10:Update(0)", "10:Render",
                          "10:Exit", "10:Unload", "10:Destroyed"}));
}

TEST_F(MainLoopTest, AfterARestartPreviousEqualsCurrent) {
    scripts[StatePrototype1].on_update = [this](float, int update) {
        if (update <= 2) manager.next_id = StateRestart;
        if (update == 3) {
            EXPECT_EQ(manager.previous_id, StatePrototype1);
            EXPECT_EQ(manager.current_id, StatePrototype1);
            manager.next_id = StateQuit;
        }
    };
    RunFrom(StatePrototype1);
}

TEST_F(MainLoopTest, ARestartAfterASwitchReentersTheNewStateObject) {
    scripts[StateMainMenu].on_update = [this](float, int) { manager.next_id = StatePrototype1; };
    const iGameState* first_run = nullptr;
    scripts[StatePrototype1].on_update = [this, &first_run](float, int update) {
        if (update == 1) {
            first_run = manager.Current();
            manager.next_id = StateRestart;
            return;
        }
        EXPECT_EQ(manager.Current(), first_run) << "the same object, not a new one";
        EXPECT_EQ(manager.current_id, StatePrototype1);
        EXPECT_EQ(manager.previous_id, StatePrototype1);
        manager.next_id = StateQuit;
    };
    RunFrom(StateMainMenu);
    EXPECT_EQ(log, (Calls{"3:Load", "3:Enter", "3:Update(0)", "3:Render", "3:Exit", "3:Unload", "3:Destroyed",
                          "10:Load", "10:Enter", "10:Update(0)", "10:Render", "10:Exit", "10:Enter",
                          "10:Update(0)", "10:Render", "10:Exit", "10:Unload", "10:Destroyed"}));
}

TEST_F(MainLoopTest, RequestingTheCurrentStateDoesNothing) {
    scripts[StatePrototype1].on_update = [this](float, int update) {
        manager.next_id = update < 3 ? StatePrototype1 : StateQuit;
    };
    RunFrom(StatePrototype1);
    EXPECT_EQ(frames, 3u);
    EXPECT_EQ(std::count(log.begin(), log.end(), "10:Enter"), 1);
}

TEST_F(MainLoopTest, DtIsThePreviousFrameAndCarriesAcrossASwitch) {
    std::vector<float> dts;
    scripts[StateSplash].on_update = [this, &dts](float dt, int update) {
        dts.push_back(dt);
        counter.AdvanceMs(update == 1 ? 20 : 50);
        if (update == 2) manager.next_id = StateTeamSplash;
    };
    scripts[StateTeamSplash].on_load = [this] { counter.AdvanceMs(1000); };  // switching is not counted
    scripts[StateTeamSplash].on_update = [this, &dts](float dt, int) {
        dts.push_back(dt);
        manager.next_id = StateQuit;
    };
    RunFrom(StateSplash);
    ASSERT_EQ(dts.size(), 3u);
    EXPECT_FLOAT_EQ(dts[0], 0.0f);
    EXPECT_FLOAT_EQ(dts[1], 0.020f);
    EXPECT_FLOAT_EQ(dts[2], 0.050f);
}

TEST_F(MainLoopTest, FixedDtReplacesEveryMeasuredDuration) {
    std::vector<float> dts;
    scripts[StateSplash].on_update = [this, &dts](float dt, int update) {
        dts.push_back(dt);
        counter.AdvanceMs(300);
        if (update == 3) manager.next_id = StateQuit;
    };
    RunFrom(StateSplash, WithFixedDt(0.016f));
    EXPECT_EQ(dts, (std::vector<float>{0.016f, 0.016f, 0.016f}));
}

TEST_F(MainLoopTest, FrameLimitEndsTheRunNormally) {
    RunFrom(StateMainMenu, WithFrameLimit(5));
    EXPECT_EQ(frames, 5u);
    EXPECT_EQ(std::count(log.begin(), log.end(), "3:Update(0)"), 5);
    EXPECT_EQ(log.back(), "3:Destroyed");
    EXPECT_EQ(manager.current_id, StateQuit);
}

TEST_F(MainLoopTest, FramesAreCountedFromOneAcrossStates) {
    std::vector<unsigned> seen;
    on_frame = [&seen](unsigned frame) { seen.push_back(frame); };
    scripts[StateSplash].on_update = [this](float, int update) {
        if (update == 2) manager.next_id = StateMainMenu;
    };
    RunFrom(StateSplash, WithFrameLimit(4));
    EXPECT_EQ(seen, (std::vector<unsigned>{1, 2, 3, 4}));
}

TEST_F(MainLoopTest, ClosingTheWindowEndsTheRunAtTheEndOfThatFrame) {
    on_frame = [](unsigned frame) {
        if (frame != 3) return;
        for (Engine::iWindowEventListener* listener : Engine::cWindow::Instance().WindowListeners()) {
            listener->OnWindowClosed();
        }
    };
    RunFrom(StateMainMenu);
    EXPECT_EQ(frames, 3u);
    EXPECT_EQ(std::count(log.begin(), log.end(), "3:Render"), 3);
    EXPECT_EQ(log.back(), "3:Destroyed");
    EXPECT_EQ(manager.current_id, StateQuit);
}

TEST_F(MainLoopTest, TheManagersWindowListenerLeavesTheWindowWithIt) {
    const size_t with_manager = Engine::cWindow::Instance().WindowListeners().size();
    cGameStateManager::Destroy();
    EXPECT_EQ(Engine::cWindow::Instance().WindowListeners().size(), with_manager - 1);
}

TEST_F(MainLoopTest, AnIdentifierWithoutAClassRunsFramesWithoutAState) {
    on_frame = [this](unsigned frame) {
        if (frame == 3) manager.next_id = StateQuit;
    };
    RunFrom(StateNone);
    EXPECT_EQ(frames, 3u);
    EXPECT_TRUE(log.empty());
}

// The developer keys, each pressed with or without Ctrl in the second frame.
struct DeveloperKeyCase {
    const char* name;
    std::vector<int> keys;  // pressed in this order in one frame
    GameStateId expected;
};

class DeveloperKeysTest : public MainLoopTest, public ::testing::WithParamInterface<DeveloperKeyCase> {};

TEST_P(DeveloperKeysTest, RequestTheirState) {
    // The main menu records the request that ends its first run and quits in
    // its third update if no key asked for anything; every other state quits.
    GameStateId requested = StateNone;
    scripts[StateMainMenu].on_exit = [this, &requested] {
        if (requested == StateNone) requested = manager.next_id;
    };
    QuitInUpdate(StateMainMenu, 3);
    for (GameStateId id : {StatePrototype1, StateSandbox3, StateSceneEditor, StateModelViewer}) QuitInUpdate(id, 1);
    on_frame = [](unsigned frame) {
        if (frame != 2) return;
        for (int key : GetParam().keys) Engine::cKeyboardState::Instance().KeyDown(key);
    };
    RunFrom(StateMainMenu, WithDeveloperKeys());
    EXPECT_EQ(requested, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DeveloperKeysTest,
    ::testing::Values(
        DeveloperKeyCase{"CtrlF1", {Engine::kVK_CONTROL, Engine::kVK_F1}, StatePrototype1},
        DeveloperKeyCase{"F1WithoutCtrl", {Engine::kVK_F1}, StateQuit},
        DeveloperKeyCase{"CtrlF3", {Engine::kVK_CONTROL, Engine::kVK_F3}, StateSandbox3},
        DeveloperKeyCase{"CtrlF4", {Engine::kVK_CONTROL, Engine::kVK_F4}, StateSceneEditor},
        DeveloperKeyCase{"CtrlR", {Engine::kVK_CONTROL, 'R'}, StateRestart},
        DeveloperKeyCase{"RWithoutCtrl", {'R'}, StateQuit},
        DeveloperKeyCase{"F5", {Engine::kVK_F5}, StateRestart},
        DeveloperKeyCase{"F6", {Engine::kVK_F6}, StateRestart},
        DeveloperKeyCase{"F7", {Engine::kVK_F7}, StateModelViewer},
        DeveloperKeyCase{"TableOrderLastWins", {Engine::kVK_F7, Engine::kVK_CONTROL, Engine::kVK_F1},
                         StateModelViewer},
        DeveloperKeyCase{"CtrlF1ThenCtrlR", {Engine::kVK_CONTROL, 'R', Engine::kVK_F1}, StateRestart}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainLoopTest, DeveloperKeysDoNothingOutsideDeveloperMode) {
    QuitInUpdate(StateMainMenu, 3);
    on_frame = [](unsigned frame) {
        if (frame == 2) Engine::cKeyboardState::Instance().KeyDown(Engine::kVK_F7);
    };
    RunFrom(StateMainMenu, cLoopOptions{});
    EXPECT_EQ(std::count(log.begin(), log.end(), "11:Load"), 0);
    EXPECT_EQ(frames, 3u);
}

TEST_F(MainLoopTest, AHeldKeyActsOnlyInTheFrameItIsPressed) {
    std::vector<GameStateId> entered;
    scripts[StateModelViewer].on_enter = [this, &entered] { entered.push_back(manager.current_id); };
    scripts[StateModelViewer].on_update = [this](float, int update) {
        if (update == 3) manager.next_id = StateQuit;
    };
    on_frame = [](unsigned frame) {
        if (frame == 1) Engine::cKeyboardState::Instance().KeyDown(Engine::kVK_F7);
    };
    RunFrom(StateMainMenu, WithDeveloperKeys());
    EXPECT_EQ(entered.size(), 1u);
}

// F5 and F6 move the level number before the restart reloads the level.
struct LevelKeyCase {
    const char* name;
    int key;
    std::int32_t before;
    std::int32_t after;
};

class LevelKeysTest : public MainLoopTest, public ::testing::WithParamInterface<LevelKeyCase> {};

TEST_P(LevelKeysTest, ChangeTheLevelNumber) {
    cLevelManager::Instance().current_number = GetParam().before;
    std::vector<std::int32_t> entered_with;
    scripts[StatePrototype1].on_enter = [&entered_with] {
        entered_with.push_back(cLevelManager::Instance().current_number);
    };
    scripts[StatePrototype1].on_update = [this, &entered_with](float, int) {
        if (entered_with.size() == 2) manager.next_id = StateQuit;
    };
    on_frame = [](unsigned frame) {
        if (frame == 2) Engine::cKeyboardState::Instance().KeyDown(GetParam().key);
    };
    RunFrom(StatePrototype1, WithDeveloperKeys());
    EXPECT_EQ(entered_with, (std::vector<std::int32_t>{GetParam().before, GetParam().after}));
    cLevelManager::Destroy();
}

TEST_F(MainLoopTest, CtrlF4ClearsTheCheckpointRecordForTheEditor) {
    cLevelManager::Instance().checkpoint.reached = true;
    cLevelManager::Instance().checkpoint.collected_candy = {0, 2};
    QuitInUpdate(StateMainMenu, 3);
    QuitInUpdate(StateSceneEditor, 1);
    on_frame = [](unsigned frame) {
        if (frame != 2) return;
        Engine::cKeyboardState::Instance().KeyDown(Engine::kVK_CONTROL);
        Engine::cKeyboardState::Instance().KeyDown(Engine::kVK_F4);
    };
    RunFrom(StateMainMenu, WithDeveloperKeys());
    EXPECT_FALSE(cLevelManager::Instance().checkpoint.reached);
    EXPECT_TRUE(cLevelManager::Instance().checkpoint.collected_candy.empty());
    cLevelManager::Destroy();
}

INSTANTIATE_TEST_SUITE_P(Table, LevelKeysTest,
                         ::testing::Values(LevelKeyCase{"F5Next", Engine::kVK_F5, 0, 1},
                                           LevelKeyCase{"F6Previous", Engine::kVK_F6, 3, 2},
                                           LevelKeyCase{"F6StaysAtZero", Engine::kVK_F6, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace Game
