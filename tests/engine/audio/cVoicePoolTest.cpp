// The voice pool on its own, with a single voice, so every start reuses it:
// the generation in each channel handle keeps an old start's handle from
// touching the new one.

#include <gtest/gtest.h>

#include "engine/audio/cOpenALDevice.h"
#include "engine/audio/cVoicePool.h"
#include "tests/engine/audio/AudioTestSupport.h"
#include "tests/support/TempDir.h"

namespace {

TEST(VoicePoolTest, AnOldChannelNeverTouchesTheVoiceReusedForAnotherSound) {
    TestSupport::TempDir dir;
    ASSERT_TRUE(AudioTest::WriteTone(dir.File("a.wav"), AudioTest::kWav, 0.3));
    ASSERT_TRUE(AudioTest::WriteTone(dir.File("b.wav"), AudioTest::kWav, 0.3));
    Engine::cStreamedSound a;
    Engine::cStreamedSound b;
    ASSERT_TRUE(a.Open(dir.File("a.wav"), false));
    ASSERT_TRUE(b.Open(dir.File("b.wav"), false));
    {
        Engine::cOpenALDevice device;
        ASSERT_TRUE(device.Open());
        Engine::cVoicePool pool;
        ASSERT_TRUE(pool.Create(1));
        const Engine::cSoundChannel old_start = pool.Start(a, false, 1.0f, Engine::Vector3());
        const Engine::cSoundChannel new_start = pool.Start(b, false, 1.0f, Engine::Vector3());
        EXPECT_EQ(old_start.Voice(), new_start.Voice()) << "the only voice is taken over";
        EXPECT_NE(old_start.Generation(), new_start.Generation());
        EXPECT_FALSE(old_start.IsPlaying());
        old_start.SetVolume(0.0f);
        old_start.Stop();
        EXPECT_TRUE(new_start.IsPlaying());
        EXPECT_TRUE(AudioTest::WaitUntil([&] { return !new_start.IsPlaying(); }, 3.0));
    }
    EXPECT_GT(AudioTest::ReadOutput().Peak(), AudioTest::kToneAmplitude * 9 / 10)
        << "the old handle's volume and stop did not reach the new start";
}

}  // namespace
