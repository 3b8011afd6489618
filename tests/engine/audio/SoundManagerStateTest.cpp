// The manager's own state, which holds with or without an output device: the
// master volume, mute and enabled flags, and starts without an output.

#include <gtest/gtest.h>

#include "engine/audio/SoundManagerAccess.h"
#include "engine/audio/cOpenALSoundManager.h"
#include "tests/engine/audio/AudioTestSupport.h"
#include "tests/support/TempDir.h"

namespace {

TEST(SoundManagerStateTest, StartsAudibleAtFullVolume) {
    Engine::cOpenALSoundManager manager;
    EXPECT_EQ(manager.GetVolume(), 1.0f);
    EXPECT_FALSE(manager.IsMuted());
}

TEST(SoundManagerStateTest, MuteAndEnabledAreSeparate) {
    Engine::cOpenALSoundManager manager;
    EXPECT_FALSE(manager.SetMute(true)) << "SetMute answers the new enabled state";
    EXPECT_TRUE(manager.IsMuted());
    EXPECT_TRUE(manager.SetMute(false));
    manager.SetEnabled(false);
    EXPECT_FALSE(manager.IsMuted()) << "disabling starts is not muting";
}

TEST(SoundManagerStateTest, WithoutAnOutputSoundsLoadButNeverPlay) {
    TestSupport::TempDir dir;
    ASSERT_TRUE(AudioTest::WriteTone(dir.File("a.wav"), AudioTest::kWav, 0.1));
    Engine::cOpenALSoundManager manager;
    manager.Load2D("a", "a.wav", dir.Path().string() + "/");
    manager.Play("a", true, 1.0f);
    manager.Play3D("a", Engine::Vector3(), true, 1.0f);
    manager.Update();
    EXPECT_FALSE(manager.IsPlaying("a"));
    ASSERT_NE(manager.GetSound("a"), nullptr);
    EXPECT_FALSE(manager.GetSound("a")->channel.IsSet());
}

TEST(SoundManagerStateTest, TheProcessWideManagerExistsOnlyOnceCreated) {
    EXPECT_EQ(Engine::GetSoundManager(), nullptr);
    Engine::CreateSoundManager();
    ASSERT_NE(Engine::GetSoundManager(), nullptr);
    EXPECT_FALSE(Engine::GetSoundManager()->IsMuted());
    Engine::DestroySoundManager();
    EXPECT_EQ(Engine::GetSoundManager(), nullptr);
}

}  // namespace
