// The shipped looped music crosses its loop point without a gap, played
// through the real sound manager into OpenAL Soft's wave output (see
// AudioTestSupport.h).
//
// A whole track would take over a minute to play in real time, and the
// manager always starts a sound from its beginning. So each test plays a
// shortened copy of the shipped track: its opening and its closing moments,
// decoded by the engine's own reader and written back as one file. Played
// looped, that copy reaches the track's real last samples and goes on, through
// the engine's own loop, to its real first samples, just as the game does
// after a minute or two. A silent stretch at either end of the track, or a
// stall in the stream where it seeks back, shows up as a run of silence.

#include <gtest/gtest.h>
#include <sndfile.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/audio/cOpenALSoundManager.h"
#include "engine/audio/cSoundFile.h"
#include "engine/core/cLog.h"
#include "game/data/SoundNames.h"
#include "tests/engine/audio/AudioTestSupport.h"
#include "tests/support/TempDir.h"

namespace {

const std::filesystem::path kRoot = BRAMBLEBY_SOURCE_DIR;

// Seconds kept from each end of the track.
constexpr double kEndSeconds = 0.4;
// Played past the copy's end, so the loop point lies well inside the recording.
constexpr double kPastTheLoop = 0.3;
// The longest quiet run allowed anywhere in what was heard.
constexpr double kLongestGap = 0.010;

struct Track {
    int channels = 0;
    int rate = 0;
    std::vector<int16_t> samples;  // interleaved
};

// The catalogued file of a sound, found the way the game finds it, from the
// working directory.
std::filesystem::path CataloguedPath(const std::string& name) {
    Engine::cOpenALSoundManager catalogue;  // no output needed to read the catalogue
    if (!catalogue.LoadCatalogue("SoundData.xml", "./GameData/XML_Resources/")) return {};
    const Engine::SoundRecord* record = catalogue.GetSound(name);
    return record == nullptr ? std::filesystem::path() : std::filesystem::absolute(record->sound.path);
}

Track Decode(const std::filesystem::path& path) {
    Track track;
    Engine::cSoundFile file;
    if (!file.Open(path.string())) return track;
    track.channels = file.Channels();
    track.rate = file.SampleRate();
    while (file.Read(track.samples, 65536, false) > 0) {
    }
    return track;
}

// The track's first seconds followed by its last: when this file loops, its
// end runs into its start exactly as the track's does at its loop point.
Track EndsOf(const Track& track, double seconds) {
    const size_t kept = static_cast<size_t>(seconds * track.rate) * static_cast<size_t>(track.channels);
    Track ends = track;
    ends.samples.assign(track.samples.begin(), track.samples.begin() + static_cast<std::ptrdiff_t>(kept));
    ends.samples.insert(ends.samples.end(), track.samples.end() - static_cast<std::ptrdiff_t>(kept),
                        track.samples.end());
    return ends;
}

bool Write(const std::string& path, const Track& track) {
    SF_INFO info{};
    info.samplerate = track.rate;
    info.channels = track.channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) return false;
    const sf_count_t frames = static_cast<sf_count_t>(track.samples.size()) / track.channels;
    const bool written = sf_writef_short(file, track.samples.data(), frames) == frames;
    sf_close(file);
    return written;
}

// Runs in a working directory of its own whose GameData is the shipped one, so
// the catalogue's relative paths resolve as in the game and any log line is
// written here, not into the sources.
class ShippedMusicLoopTest : public ::testing::TestWithParam<std::string_view> {
protected:
    ShippedMusicLoopTest() { std::filesystem::create_directory_symlink(kRoot / "GameData", dir.Path() / "GameData"); }
    ~ShippedMusicLoopTest() override { Engine::cLog::Destroy(); }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory cwd{dir.Path()};
};

TEST_P(ShippedMusicLoopTest, PlaysOnThroughItsLoopPointWithoutAGap) {
    const std::string name(GetParam());
    const std::filesystem::path shipped = CataloguedPath(name);
    ASSERT_FALSE(shipped.empty()) << name << " is not catalogued";
    const Track track = Decode(shipped);
    ASSERT_GT(track.samples.size(), static_cast<size_t>(4 * kEndSeconds * track.rate * track.channels)) << shipped;
    ASSERT_TRUE(Write(dir.File("ends.wav"), EndsOf(track, kEndSeconds)));

    auto manager = std::make_unique<Engine::cOpenALSoundManager>();
    manager->Init();
    manager->Load2D("music", "ends.wav", "./");
    manager->Play("music", true, 1.0f);
    AudioTest::Wait(2 * kEndSeconds + kPastTheLoop);
    EXPECT_TRUE(manager->IsPlaying("music")) << "a looped sound plays on";
    manager.reset();  // closes the output, finishing the recording

    const AudioTest::Recording out = AudioTest::ReadOutput();
    EXPECT_GT(out.HeardSpan(), 2 * kEndSeconds + kPastTheLoop / 2) << "played past the loop point";
    EXPECT_LT(out.LongestGap(), kLongestGap) << "silence in the music";
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShippedMusicLoopTest, ::testing::ValuesIn(Game::Content::kLoopedMusic),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
