// Level0 played by the playthrough bot through the app's real start-up, main
// loop and input path, as a player's run would go, in the gameplay state.
//
// Headless: the gameplay step of every frame (the sum of its stages as the
// gameplay state samples them for the profiler: entities, physics and
// collision, animation, particles), mean and worst, and the whole frame.
// OpenGL (needs a display, e.g. Xvfb): the whole frame at the shipped window
// size, 1280 x 720, on whatever renderer the display offers. Both report the
// level's load as the gameplay state times it. One run each: a run is a
// whole level, up to the win or the frame limit.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/cApplication.h"
#include "app/cLaunchOptions.h"
#include "engine/platform/cInputScript.h"
#include "engine/platform/cProfileRegistry.h"
#include "game/states/cGameStateFactory.h"
#include "tests/support/PlaythroughBot.h"
#include "tests/support/TempDir.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kStepProfiles[] = {"Gameplay logic", "Gameplay physics", "Gameplay animation",
                                         "Gameplay particles"};
constexpr const char* kLoadProfile = "Level load";
// Frames of play before the figures count: the kid's intro and the first pass of the camera.
constexpr unsigned kWarmFrames = 40;
// The level's intro story is skipped as a player who has seen it would: Escape in its first rest,
// after the second of fade-in. Only frames of play count.
constexpr unsigned kSkipStoryFrame = 40;
constexpr int kEscapeKey = 0x1B;

struct sRunFigures {
    std::vector<double> step_seconds;   // per frame with a gameplay step
    std::vector<double> frame_seconds;  // per frame, wall clock
    double load_seconds = 0.0;
    bool won = false;
};

double Mean(const std::vector<double>& v) {
    double sum = 0.0;
    for (double x : v) sum += x;
    return v.empty() ? 0.0 : sum / static_cast<double>(v.size());
}

double Worst(const std::vector<double>& v) { return v.empty() ? 0.0 : *std::max_element(v.begin(), v.end()); }

// Seconds the gameplay step's stages have taken so far.
double StepTotal() {
    double total = 0.0;
    for (const char* name : kStepProfiles) {
        if (const Engine::cProfileRecord* record = Engine::cProfileRegistry::Instance().Find(name)) {
            total += record->total_time;
        }
    }
    return total;
}

void PushKey(Engine::cInputScript::eAction action, int key) {
    Engine::cInputScript::Event event;
    event.action = action;
    event.first = key;
    Engine::cInputScript::Push(event);
}

// One run of Level0 with the bot at the keys, until the win or frame_limit.
sRunFigures PlayLevel0(bool headless, unsigned frame_limit, std::string& error) {
    TestSupport::TempDir dir;
    std::filesystem::create_directory_symlink(std::string(BRAMBLEBY_SOURCE_DIR) + "/GameData", dir.Path() / "GameData");
    TestSupport::ScopedWorkingDirectory here(dir.Path());
    std::vector<std::string> arguments = {"--state", "Prototype1", "--fixed-dt", "0.033", "--seed", "11",
                                          "--frames", std::to_string(frame_limit)};
    if (headless) arguments.insert(arguments.begin(), "--headless");
    Game::cLaunchOptions options;
    sRunFigures figures;
    if (!options.Parse(arguments, error)) return figures;
    Game::cApplication application(options, &Game::cGameStateFactory::Create);
    TestSupport::PlaythroughBot bot;
    Clock::time_point last_frame;
    double last_step_total = 0.0;
    unsigned play_frames = 0;
    bool closing = false;
    application.SetFrameDriver([&](float dt, unsigned frame) {
        const Clock::time_point now = Clock::now();
        const double step_total = StepTotal();
        if (step_total > last_step_total && ++play_frames > kWarmFrames) {
            figures.frame_seconds.push_back(std::chrono::duration<double>(now - last_frame).count());
            figures.step_seconds.push_back(step_total - last_step_total);
        }
        last_frame = now;
        last_step_total = step_total;
        if (frame == kSkipStoryFrame) PushKey(Engine::cInputScript::eAction::KeyDown, kEscapeKey);
        if (frame == kSkipStoryFrame + 1) PushKey(Engine::cInputScript::eAction::KeyUp, kEscapeKey);
        bot.Step(dt);
        if (bot.KidHasWon() && !closing) {
            closing = true;
            Engine::cInputScript::Event close;
            close.action = Engine::cInputScript::eAction::Close;
            Engine::cInputScript::Push(close);
        }
    });
    if (!application.StartUp()) {
        error = application.Error();
        return figures;
    }
    application.Run();
    if (const Engine::cProfileRecord* load = Engine::cProfileRegistry::Instance().Find(kLoadProfile)) {
        figures.load_seconds = load->max_time;
    }
    figures.won = bot.KidHasWon();
    application.ShutDown();
    return figures;
}

void Report(benchmark::State& state, const sRunFigures& figures) {
    state.counters["frames"] = static_cast<double>(figures.frame_seconds.size());
    state.counters["won"] = figures.won ? 1.0 : 0.0;
    state.counters["step_mean_us"] = Mean(figures.step_seconds) * 1e6;
    state.counters["step_worst_us"] = Worst(figures.step_seconds) * 1e6;
    state.counters["frame_mean_ms"] = Mean(figures.frame_seconds) * 1e3;
    state.counters["frame_worst_ms"] = Worst(figures.frame_seconds) * 1e3;
    state.counters["load_ms"] = figures.load_seconds * 1e3;
}

void BM_Level0(benchmark::State& state, bool headless, unsigned frame_limit) {
    if (!headless && std::getenv("DISPLAY") == nullptr) {
        state.SkipWithError("no display: run under Xvfb (xvfb-run -a -s \"-screen 0 1920x1080x24\")");
        return;
    }
    sRunFigures figures;
    for (auto _ : state) {
        std::string error;
        const Clock::time_point start = Clock::now();
        figures = PlayLevel0(headless, frame_limit, error);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        if (!error.empty()) {
            state.SkipWithError(error.c_str());
            return;
        }
    }
    Report(state, figures);
}

// Under OpenGL the first ten seconds (with the story's two); the whole level headless. The
// OpenGL run goes first: a headless run leaves SDL's dummy video driver
// chosen for the rest of the process.
BENCHMARK_CAPTURE(BM_Level0, OpenGL, false, 300u)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_Level0, Headless, true, 9000u)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
