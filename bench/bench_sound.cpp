// Sound benchmarks, on OpenAL Soft's null output (it mixes in real time like a
// device but plays nothing).
// Load: read a catalogue of 36 sounds, 4 of them three-minute music tracks;
// goal under 50 ms. Memory: the resident memory the output and that catalogue
// add, and what the four tracks playing at once add on top; goal under 8 MiB
// in all, since nothing is decoded whole. Start and stop: start 100 different
// sounds and stop them again within one frame; goal under 2 ms. The sound
// files are written once, before any measurement, into a folder of this run.

#include <benchmark/benchmark.h>
#include <sndfile.h>   // writing the sound files
#include <stdlib.h>    // mkdtemp, setenv
#include <unistd.h>    // sysconf for the page size

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "engine/audio/cOpenALSoundManager.h"

namespace {

constexpr int kEffects = 32;
constexpr int kTracks = 4;
constexpr int kStarts = 100;
constexpr double kTrackSeconds = 180.0;

bool WriteTone(const std::string& path, int format, int channels, int rate, double seconds, double pitch) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) return false;
    std::vector<int16_t> second(static_cast<size_t>(rate * channels));
    for (int64_t done = 0; done < static_cast<int64_t>(seconds * rate);) {
        const int64_t frames = std::min<int64_t>(rate, static_cast<int64_t>(seconds * rate) - done);
        for (int64_t i = 0; i < frames; ++i) {
            const double t = static_cast<double>(done + i) / rate;
            const auto value = static_cast<int16_t>(8000.0 * std::sin(2.0 * 3.14159265358979 * pitch * t));
            for (int c = 0; c < channels; ++c) second[static_cast<size_t>(i * channels + c)] = value;
        }
        sf_writef_short(file, second.data(), frames);
        done += frames;
    }
    sf_close(file);
    return true;
}

// The sound files and the two catalogues, written once per run.
struct Fixture {
    Fixture() {
        std::string pattern = (std::filesystem::temp_directory_path() / "brambleby-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) return;
        folder = pattern + "/";
        std::string game = "<Sounds>\n";
        for (int i = 0; i < kEffects; ++i) {
            const bool ogg = i % 2 == 0;
            const std::string file = "effect" + std::to_string(i) + (ogg ? ".ogg" : ".wav");
            WriteTone(folder + file, ogg ? SF_FORMAT_OGG | SF_FORMAT_VORBIS : SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1,
                      22050, 0.5, 300.0 + 20 * i);
            effects.push_back(file);
            const char* kind = i % 4 == 1 ? "Sound3D" : "Sound2D";
            game += std::string("  <") + kind + " name=\"effect" + std::to_string(i) + "\" filename=\"" + file +
                    "\" path=\"" + folder + "\"/>\n";
        }
        for (int i = 0; i < kTracks; ++i) {
            const std::string file = "music" + std::to_string(i) + ".ogg";
            WriteTone(folder + file, SF_FORMAT_OGG | SF_FORMAT_VORBIS, 2, 44100, kTrackSeconds, 220.0 + 55 * i);
            game += "  <Sound2D name=\"music" + std::to_string(i) + "\" filename=\"" + file + "\" path=\"" + folder +
                    "\"/>\n";
        }
        std::ofstream(folder + "SoundData.xml") << game << "</Sounds>\n";
        std::string many = "<Sounds>\n";
        for (int i = 0; i < kStarts; ++i) {
            many += "  <Sound2D name=\"start" + std::to_string(i) + "\" filename=\"" + effects[i % kEffects] +
                    "\" path=\"" + folder + "\"/>\n";
        }
        std::ofstream(folder + "ManySounds.xml") << many << "</Sounds>\n";
    }
    ~Fixture() {
        std::error_code ignored;
        if (!folder.empty()) std::filesystem::remove_all(folder, ignored);
    }

    std::string folder;
    std::vector<std::string> effects;
};

Fixture& Files() {
    static Fixture fixture;
    return fixture;
}

double ResidentMiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

void BM_LoadCatalogue(benchmark::State& state) {
    const std::string folder = Files().folder;
    for (auto _ : state) {
        state.PauseTiming();
        auto manager = std::make_unique<Engine::cOpenALSoundManager>();
        state.ResumeTiming();
        if (!manager->LoadCatalogue("SoundData.xml", folder)) state.SkipWithError("the catalogue did not load");
        state.PauseTiming();
        manager.reset();
        state.ResumeTiming();
    }
}

void BM_ResidentMemory(benchmark::State& state) {
    const std::string folder = Files().folder;
    for (auto _ : state) {
        const double before = ResidentMiB();
        Engine::cOpenALSoundManager manager;
        manager.Init();
        const double with_output = ResidentMiB();
        manager.LoadCatalogue("SoundData.xml", folder);
        const double with_catalogue = ResidentMiB();
        for (int i = 0; i < kTracks; ++i) manager.Play("music" + std::to_string(i), true, 1.0f);
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        const double while_playing = ResidentMiB();
        if (!manager.IsPlaying("music0")) state.SkipWithError("the music did not play");
        state.counters["output_MiB"] = with_output - before;
        state.counters["catalogue_MiB"] = with_catalogue - with_output;
        state.counters["loaded_total_MiB"] = with_catalogue - before;
        state.counters["music_playing_MiB"] = while_playing - with_catalogue;
    }
}

void BM_StartStop100(benchmark::State& state) {
    Engine::cOpenALSoundManager manager;
    manager.Init();
    manager.LoadCatalogue("ManySounds.xml", Files().folder);
    std::vector<std::string> names;
    for (int i = 0; i < kStarts; ++i) names.push_back("start" + std::to_string(i));
    for (auto _ : state) {
        for (const std::string& name : names) manager.Play(name, false, 1.0f);
        for (const std::string& name : names) manager.Stop(name);
        state.PauseTiming();
        // The rest of a frame, in which the streaming thread catches up.
        std::this_thread::sleep_for(std::chrono::milliseconds(16));
        state.ResumeTiming();
    }
}

BENCHMARK(BM_LoadCatalogue)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResidentMemory)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartStop100)->Iterations(300)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("ALSOFT_DRIVERS", "null", 0);
    setenv("ALSOFT_LOGLEVEL", "0", 0);
    Files();  // written before anything is measured
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
