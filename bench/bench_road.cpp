// The player's road through the app's real start-up and main loop, headless.
//
// StartUpToFirstSplashFrame: from the application's creation to the end of
// the first frame of the first splash screen (settings, window, renderer,
// sound, every catalogue and the player data, the factory, the splash's
// Enter and one frame). MainMenuReady: from the end of start-up to the first
// frame of the main menu, that is the state's creation, Load and Enter with
// its layout and backdrop level. WholeRoad: the road driver's run from the
// splash screens through Level0, the results, the end state and back to the
// menu; the main thread's CPU time of every frame, mean and worst, with the
// state switches the frames carry.

#include <benchmark/benchmark.h>
#include <time.h>  // clock_gettime with the thread's CPU clock

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "app/cApplication.h"
#include "app/cLaunchOptions.h"
#include "game/states/cGameStateFactory.h"
#include "tests/support/RoadDriver.h"
#include "tests/support/TempDir.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from, Clock::time_point to) { return std::chrono::duration<double>(to - from).count(); }

double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// A working folder that sees the shipped GameData.
struct sGameFolder {
    sGameFolder() {
        std::filesystem::create_directory_symlink(std::string(BRAMBLEBY_SOURCE_DIR) + "/GameData",
                                                  dir.Path() / "GameData");
    }
    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory here{dir.Path()};
};

bool Options(const std::vector<std::string>& arguments, Game::cLaunchOptions& options, benchmark::State& state) {
    std::string error;
    if (options.Parse(arguments, error)) return true;
    state.SkipWithError(error.c_str());
    return false;
}

void BM_StartUpToFirstSplashFrame(benchmark::State& state) {
    for (auto _ : state) {
        sGameFolder folder;
        Game::cLaunchOptions options;
        if (!Options({"--headless", "--state", "Splash", "--frames", "1"}, options, state)) return;
        const Clock::time_point start = Clock::now();
        Game::cApplication application(options, &Game::cGameStateFactory::Create);
        if (!application.StartUp()) {
            state.SkipWithError(application.Error().c_str());
            return;
        }
        application.Run();
        state.SetIterationTime(Seconds(start, Clock::now()));
        application.ShutDown();
    }
}

void BM_MainMenuReady(benchmark::State& state) {
    for (auto _ : state) {
        sGameFolder folder;
        Game::cLaunchOptions options;
        if (!Options({"--headless", "--state", "MainMenu", "--frames", "1"}, options, state)) return;
        Game::cApplication application(options, &Game::cGameStateFactory::Create);
        Clock::time_point started;
        Clock::time_point first_frame;
        application.SetFrameDriver([&first_frame](float, unsigned) { first_frame = Clock::now(); });
        if (!application.StartUp()) {
            state.SkipWithError(application.Error().c_str());
            return;
        }
        started = Clock::now();
        application.Run();
        state.SetIterationTime(Seconds(started, first_frame));
        application.ShutDown();
    }
}

void BM_WholeRoad(benchmark::State& state) {
    std::vector<double> cpu_frames;
    bool finished = false;
    for (auto _ : state) {
        sGameFolder folder;
        Game::cLaunchOptions options;
        if (!Options({"--headless", "--state", "Splash", "--fixed-dt", "0.033", "--seed", "11", "--frames", "12000"},
                     options, state)) {
            return;
        }
        Game::cApplication application(options, &Game::cGameStateFactory::Create);
        TestSupport::RoadDriver road;
        double last_cpu = 0.0;
        cpu_frames.clear();
        application.SetFrameDriver([&](float dt, unsigned frame) {
            const double now = ThreadCpuSeconds();
            if (frame > 1) cpu_frames.push_back(now - last_cpu);
            road.Step(dt, frame);
            last_cpu = ThreadCpuSeconds();
        });
        const Clock::time_point start = Clock::now();
        if (!application.StartUp()) {
            state.SkipWithError(application.Error().c_str());
            return;
        }
        application.Run();
        state.SetIterationTime(Seconds(start, Clock::now()));
        finished = road.Finished();
        application.ShutDown();
    }
    double sum = 0.0;
    for (double s : cpu_frames) sum += s;
    state.counters["frames"] = static_cast<double>(cpu_frames.size());
    state.counters["finished"] = finished ? 1.0 : 0.0;
    state.counters["cpu_frame_mean_ms"] = cpu_frames.empty() ? 0.0 : sum / cpu_frames.size() * 1e3;
    state.counters["cpu_frame_worst_ms"] =
        cpu_frames.empty() ? 0.0 : *std::max_element(cpu_frames.begin(), cpu_frames.end()) * 1e3;
    state.counters["frames_over_16_7ms"] =
        static_cast<double>(std::count_if(cpu_frames.begin(), cpu_frames.end(), [](double s) { return s > 0.0167; }));
}

BENCHMARK(BM_StartUpToFirstSplashFrame)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MainMenuReady)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeRoad)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
