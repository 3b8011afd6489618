// Real playback through OpenAL Soft's wave output: each test opens the
// output, plays short sounds in real time, closes the output and reads back
// what was recorded (see AudioTestSupport.h).

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "engine/audio/cOpenALSoundManager.h"
#include "engine/core/cLog.h"
#include "engine/entity/cEntity.h"
#include "tests/engine/audio/AudioTestSupport.h"
#include "tests/support/TempDir.h"

namespace {

using AudioTest::kHeard;
using AudioTest::kOgg;
using AudioTest::kToneAmplitude;
using AudioTest::kWav;
using AudioTest::Wait;
using AudioTest::WaitUntil;

// Any entity will do as the listener; only its position is read.
class ListenerEntity : public Engine::cEntity {
public:
    int32_t GetType() const override { return 0; }
};

class PlaybackTest : public ::testing::Test {
protected:
    PlaybackTest() {
        std::filesystem::create_directory(dir.Path() / "snd");
        Engine::cLog::Instance().Close();  // the log follows this test's folder
        manager->Init();
    }
    ~PlaybackTest() override { Engine::cLog::Instance().Close(); }

    // Writes a tone and catalogues it under name.
    void Add(const std::string& name, int format, double seconds, bool is_3d = false, int channels = 1) {
        const std::string file = name + (format == kOgg ? ".ogg" : ".wav");
        ASSERT_TRUE(AudioTest::WriteTone(dir.File("snd/" + file), format, seconds, channels));
        if (is_3d) {
            manager->Load3D(name, file, "snd/", Engine::kRolloffLogarithmic);
        } else {
            manager->Load2D(name, file, "snd/");
        }
        ASSERT_NE(manager->GetSound(name), nullptr) << name;
    }

    // Closes the output and reads back what it played.
    AudioTest::Recording Finish() {
        manager.reset();
        return AudioTest::ReadOutput();
    }

    bool Ends(const std::string& name, double seconds = 3.0) {
        return WaitUntil([&] { return !manager->IsPlaying(name); }, seconds);
    }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory cwd{dir.Path()};
    std::unique_ptr<Engine::cOpenALSoundManager> manager = std::make_unique<Engine::cOpenALSoundManager>();
};

struct HeardCase {
    const char* label;
    int format;
    int channels;
    bool is_3d;
};

class HeardTest : public PlaybackTest, public ::testing::WithParamInterface<HeardCase> {};

TEST_P(HeardTest, APlayedSoundIsHeardWholeAndThenStopsPlaying) {
    const HeardCase& c = GetParam();
    Add("tone", c.format, 0.2, c.is_3d, c.channels);
    if (c.is_3d) {
        manager->Play3D("tone", Engine::Vector3(0.0f, 0.0f, 0.5f), false, 1.0f);
    } else {
        manager->Play("tone", false, 1.0f);
    }
    EXPECT_TRUE(manager->IsPlaying("tone"));
    EXPECT_TRUE(Ends("tone")) << "a sound that does not loop ends by itself";
    const AudioTest::Recording out = Finish();
    EXPECT_GT(out.Peak(), kToneAmplitude * 9 / 10);
    EXPECT_NEAR(out.HeardSpan(), 0.2, 0.03) << "streamed whole, once, with no gap";
}

const HeardCase kHeardCases[] = {
    {"MonoWav", kWav, 1, false},
    {"StereoOgg", kOgg, 2, false},
    {"ThreeDOggNearTheListener", kOgg, 2, true},
};

INSTANTIATE_TEST_SUITE_P(Formats, HeardTest, ::testing::ValuesIn(kHeardCases),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(PlaybackTest, ALongSoundStreamsWithoutAGapThroughSlowFrames) {
    Add("music", kOgg, 1.2, false, 2);
    manager->Play("music", false, 1.0f);
    for (int frame = 0; frame < 5; ++frame) {
        Wait(0.25);
        manager->Update();
    }
    EXPECT_TRUE(Ends("music"));
    const AudioTest::Recording out = Finish();
    EXPECT_NEAR(out.HeardSpan(), 1.2, 0.03);
    EXPECT_LT(out.LongestGap(), 0.002) << "the queue never ran dry";
}

struct SilencedCase {
    const char* label;
    void (*silence)(Engine::iSoundManager&);
    void (*restore)(Engine::iSoundManager&);
    bool muted_while_silenced;
};

class SilencedTest : public PlaybackTest, public ::testing::WithParamInterface<SilencedCase> {};

TEST_P(SilencedTest, APlayRequestedWhileSilencedStaysSilentAfterwards) {
    const SilencedCase& c = GetParam();
    Add("music", kWav, 0.1);
    c.silence(*manager);
    EXPECT_EQ(manager->IsMuted(), c.muted_while_silenced);
    manager->Play("music", true, 1.0f);
    EXPECT_FALSE(manager->IsPlaying("music"));
    c.restore(*manager);
    EXPECT_FALSE(manager->IsMuted());
    Wait(0.2);
    EXPECT_FALSE(manager->IsPlaying("music")) << "coming back does not start what was asked for meanwhile";
    EXPECT_LT(Finish().Peak(), kHeard);
}

const SilencedCase kSilencedCases[] = {
    {"Muted", [](Engine::iSoundManager& m) { EXPECT_FALSE(m.SetMute(true)); },
     [](Engine::iSoundManager& m) { EXPECT_TRUE(m.SetMute(false)); }, true},
    {"Disabled", [](Engine::iSoundManager& m) { m.SetEnabled(false); },
     [](Engine::iSoundManager& m) { m.SetEnabled(true); }, false},
};

INSTANTIATE_TEST_SUITE_P(Ways, SilencedTest, ::testing::ValuesIn(kSilencedCases),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(PlaybackTest, MutingSilencesWhatPlaysWithoutStoppingIt) {
    Add("music", kWav, 0.1);
    manager->Play("music", true, 1.0f);
    Wait(0.2);
    manager->SetMute(true);
    Wait(0.25);
    EXPECT_TRUE(manager->IsPlaying("music"));
    const AudioTest::Recording out = Finish();
    EXPECT_GT(out.Peak(), kToneAmplitude / 2);
    EXPECT_GT(out.SilenceAtEnd(), 0.15);
}

TEST_F(PlaybackTest, ALoopedSoundPlaysOnPastItsLengthAtItsVolumeUntilStopped) {
    Add("loop", kWav, 0.1);
    manager->Play("loop", true, 0.5f);
    Wait(0.45);
    EXPECT_TRUE(manager->IsPlaying("loop"));
    manager->Stop("loop");
    EXPECT_FALSE(manager->IsPlaying("loop"));
    Wait(0.15);
    const AudioTest::Recording out = Finish();
    EXPECT_GT(out.HeardSpan(), 0.38) << "several passes of a 0.1 s sound";
    EXPECT_GT(out.SilenceAtEnd(), 0.1) << "silent once stopped";
    EXPECT_NEAR(out.Peak(), kToneAmplitude / 2, kToneAmplitude / 20) << "every pass at the volume passed";
}

TEST_F(PlaybackTest, PlayingAPlayingSoundRestartsItFromItsBeginning) {
    Add("tone", kWav, 0.3);
    manager->Play("tone", false, 1.0f);
    Wait(0.15);
    const Engine::cSoundChannel first = manager->GetSound("tone")->channel;
    manager->Play("tone", false, 1.0f);
    const Engine::cSoundChannel second = manager->GetSound("tone")->channel;
    EXPECT_NE(first, second);
    EXPECT_FALSE(first.IsPlaying()) << "one voice per sound";
    EXPECT_TRUE(second.IsPlaying());
    EXPECT_TRUE(Ends("tone"));
    EXPECT_NEAR(Finish().HeardSpan(), 0.45, 0.06) << "0.15 s of the first start, then the whole sound again";
}

TEST_F(PlaybackTest, StopStopsTheLatestStart) {
    Add("tone", kWav, 0.5);
    manager->Play("tone", false, 1.0f);
    manager->Play("tone", false, 1.0f);
    manager->Stop("tone");
    EXPECT_FALSE(manager->IsPlaying("tone"));
    Wait(0.2);
    EXPECT_LT(Finish().PeakAfter(0.1), kHeard);
}

TEST_F(PlaybackTest, StopAllKeepsTheCatalogueUsable) {
    Add("a", kWav, 0.1);
    Add("b", kOgg, 0.1);
    manager->Play("a", true, 1.0f);
    manager->Play("b", true, 1.0f);
    manager->StopAll();
    EXPECT_FALSE(manager->IsPlaying("a"));
    EXPECT_FALSE(manager->IsPlaying("b"));
    manager->Play("b", false, 1.0f);
    EXPECT_TRUE(manager->IsPlaying("b"));
    EXPECT_TRUE(Ends("b"));
    EXPECT_GT(Finish().Peak(), kToneAmplitude / 2);
}

TEST_F(PlaybackTest, ReleaseAllStopsAndForgetsEverySound) {
    Add("a", kWav, 0.1);
    manager->Play("a", true, 1.0f);
    Wait(0.1);
    manager->ReleaseAll();
    EXPECT_EQ(manager->GetSound("a"), nullptr);
    manager->Play("a", true, 1.0f);
    EXPECT_FALSE(manager->IsPlaying("a"));
    Wait(0.2);
    EXPECT_GT(Finish().SilenceAtEnd(), 0.15);
}

struct VolumeCase {
    const char* label;
    float master;
    float play;
    int peak;
};

class VolumeTest : public PlaybackTest, public ::testing::WithParamInterface<VolumeCase> {};

TEST_P(VolumeTest, VolumesAreClampedToZeroToOne) {
    const VolumeCase& c = GetParam();
    Add("tone", kWav, 0.1);
    manager->SetVolume(c.master);
    EXPECT_EQ(manager->GetVolume(), c.master) << "the volume given is the volume reported";
    manager->Play("tone", false, c.play);
    EXPECT_TRUE(Ends("tone"));
    EXPECT_NEAR(Finish().Peak(), c.peak, kToneAmplitude / 40);
}

const VolumeCase kVolumeCases[] = {
    {"Full", 1.0f, 1.0f, kToneAmplitude},
    {"HalfMaster", 0.5f, 1.0f, kToneAmplitude / 2},
    {"QuarterSound", 1.0f, 0.25f, kToneAmplitude / 4},
    {"LoudMusicIsFullVolume", 1.0f, 25.0f, kToneAmplitude},
    {"LoudMasterIsFullVolume", 25.0f, 0.25f, kToneAmplitude / 4},
    {"NegativeMasterIsSilence", -3.0f, 1.0f, 0},
};

INSTANTIATE_TEST_SUITE_P(Levels, VolumeTest, ::testing::ValuesIn(kVolumeCases),
                         [](const auto& info) { return std::string(info.param.label); });

struct DistanceCase {
    const char* label;
    const char* distance_model;  // as the catalogue spells it
    Engine::Vector3 listener;
    bool heard;
};

class DistanceTest : public PlaybackTest, public ::testing::WithParamInterface<DistanceCase> {};

// A 3D sound 20 units from the listener, with distances 1 to 10: linear
// roll-off is silent past 10, logarithmic still gives 1/20 of the tone.
TEST_P(DistanceTest, ThreeDSoundsFadeByTheirModelFromTheListener) {
    const DistanceCase& c = GetParam();
    ASSERT_TRUE(AudioTest::WriteTone(dir.File("snd/fairy.wav"), kWav, 0.15));
    dir.Write("SoundData.xml", std::string("<Sounds><Sound3D name=\"fairy\" filename=\"fairy.wav\" path=\"snd/\" "
                                           "distanceModel=\"") + c.distance_model + "\"/></Sounds>");
    ASSERT_TRUE(manager->LoadCatalogue("SoundData.xml", ""));
    manager->SetMinMaxDistance("fairy", 1.0f, 10.0f);
    ListenerEntity kid;
    kid.position = c.listener;
    manager->SetListener(&kid);
    manager->Update();
    manager->Play3D("fairy", Engine::Vector3(3.0f, 0.0f, 20.0f), false, 1.0f);
    EXPECT_TRUE(Ends("fairy"));
    const int peak = Finish().Peak();
    if (c.heard) {
        EXPECT_GT(peak, kHeard) << peak;
    } else {
        EXPECT_LT(peak, kHeard) << peak;
    }
}

const DistanceCase kDistanceCases[] = {
    {"LinearFarAway", "linear", {}, false},
    {"CapitalLinearIsLogarithmic", "Linear", {}, true},
    {"LinearNearTheListenerEntity", "linear", {3.0f, 0.0f, 18.0f}, true},
    {"LinearBehindTheListenerEntity", "linear", {3.0f, 0.0f, -18.0f}, false},
};

INSTANTIATE_TEST_SUITE_P(Models, DistanceTest, ::testing::ValuesIn(kDistanceCases),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(PlaybackTest, AFileThatVanishesGoesSilentWithALogLineAndTheGameGoesOn) {
    Add("gone", kOgg, 0.2);
    Add("kept", kWav, 0.1);
    std::filesystem::remove(dir.File("snd/gone.ogg"));
    manager->Play("gone", false, 1.0f);
    EXPECT_TRUE(Ends("gone", 1.0));
    manager->Update();
    manager->Play("kept", false, 1.0f);
    EXPECT_TRUE(Ends("kept"));
    EXPECT_GT(Finish().Peak(), kToneAmplitude / 2);
    Engine::cLog::Instance().Close();
    const std::string log = TestSupport::ReadFile(dir.File("Engine.log"));
    EXPECT_NE(log.find("Error: The sound file snd/gone.ogg cannot be opened"), std::string::npos) << log;
}

TEST_F(PlaybackTest, UnknownNamesAreIgnoredEverywhere) {
    Add("a", kWav, 0.1);
    manager->Play("absent", true, 1.0f);
    manager->Play3D("absent", Engine::Vector3(), true, 1.0f);
    manager->Stop("absent");
    manager->SetRolloff("absent", Engine::kRolloffLinear);
    manager->SetMinMaxDistance("absent", 1.0f, 2.0f);
    EXPECT_FALSE(manager->IsPlaying("absent"));
    EXPECT_EQ(manager->GetSound("absent"), nullptr);
    EXPECT_FALSE(manager->IsPlaying("a"));
    EXPECT_LT(Finish().Peak(), kHeard);
}

}  // namespace
