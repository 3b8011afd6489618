#include "engine/platform/cKeyboardState.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "engine/platform/VirtualKeys.h"
#include "tests/engine/platform/PlatformFixture.h"
#include "tests/engine/platform/RecordingListener.h"

using Engine::cKeyboardState;

namespace {

constexpr float kDt60 = 1.0f / 60.0f;

class KeyboardStateTest : public PlatformFixture {
protected:
    cKeyboardState& keyboard = cKeyboardState::Instance();
    std::vector<std::string> journal;
};

TEST_F(KeyboardStateTest, HeldKeyPulsesEveryFourthFrameAt60Fps) {
    // Pressed in frame 1: bit 1 joins in frame 2, the hold time starts counting
    // in frame 3 and reaches 1/15 s after four frames of 1/60 s each.
    std::set<int> pulse_frames;
    for (int frame = 1; frame <= 12; ++frame) {  // 0.2 s
        keyboard.Age(kDt60);
        if (frame == 1) keyboard.KeyDown(Engine::kVK_W);
        if (keyboard.IsRepeating(Engine::kVK_W)) pulse_frames.insert(frame);
        EXPECT_TRUE(keyboard.IsDown(Engine::kVK_W)) << "frame " << frame;
    }
    EXPECT_EQ(pulse_frames, (std::set<int>{6, 10}));
}

TEST_F(KeyboardStateTest, PlatformAutoRepeatKeepsThePulseRhythm) {
    // The platform repeats key-downs while a key is held; they must not start the hold over.
    std::set<int> pulse_frames;
    for (int frame = 1; frame <= 12; ++frame) {
        keyboard.Age(kDt60);
        keyboard.KeyDown(Engine::kVK_W);
        if (keyboard.IsRepeating(Engine::kVK_W)) pulse_frames.insert(frame);
    }
    EXPECT_EQ(pulse_frames, (std::set<int>{6, 10}));
    EXPECT_FLOAT_EQ(keyboard.HoldTime(Engine::kVK_W), 2 * kDt60);
}

TEST_F(KeyboardStateTest, ReleaseClearsPulseAndHoldTimeAtOnce) {
    keyboard.KeyDown(Engine::kVK_SPACE);
    for (int frame = 0; frame < 5; ++frame) keyboard.Age(kDt60);
    ASSERT_TRUE(keyboard.IsRepeating(Engine::kVK_SPACE));
    keyboard.KeyUp(Engine::kVK_SPACE);
    EXPECT_FALSE(keyboard.IsRepeating(Engine::kVK_SPACE));
    EXPECT_TRUE(keyboard.WasReleased(Engine::kVK_SPACE));

    keyboard.KeyDown(Engine::kVK_SPACE);
    for (int frame = 0; frame < 3; ++frame) keyboard.Age(kDt60);
    ASSERT_GT(keyboard.HoldTime(Engine::kVK_SPACE), 0.0f);
    keyboard.KeyUp(Engine::kVK_SPACE);
    EXPECT_EQ(keyboard.HoldTime(Engine::kVK_SPACE), 0.0f);
}

TEST_F(KeyboardStateTest, PressedHeldAndReleasedAcrossFrames) {
    struct Frame {
        bool key_down;
        bool key_up;
        bool down, pressed, released;
    };
    const Frame frames[] = {
        {true, false, true, true, false},    // pressed in this frame
        {false, false, true, false, false},  // held
        {false, true, false, false, true},   // released in this frame
        {false, false, false, false, false}, // up since the last frame
    };
    int number = 1;
    for (const Frame& frame : frames) {
        keyboard.Age(kDt60);
        if (frame.key_down) keyboard.KeyDown('A');
        if (frame.key_up) keyboard.KeyUp('A');
        EXPECT_EQ(keyboard.IsDown('A'), frame.down) << "frame " << number;
        EXPECT_EQ(keyboard.WasPressed('A'), frame.pressed) << "frame " << number;
        EXPECT_EQ(keyboard.WasReleased('A'), frame.released) << "frame " << number;
        ++number;
    }
}

TEST_F(KeyboardStateTest, TapWithinOneFrameIsSeenOnlyByListeners) {
    RecordingListener listener("a", journal);
    keyboard.AddListener(&listener);
    keyboard.Age(kDt60);
    keyboard.KeyDown('Q');
    keyboard.KeyUp('Q');
    EXPECT_EQ(keyboard.Flags('Q'), 0u);
    keyboard.Age(kDt60);
    EXPECT_EQ(keyboard.Flags('Q'), 0u);
    EXPECT_EQ(journal, (std::vector<std::string>{"a: keydown 81", "a: keyup 81"}));
    keyboard.RemoveListener(&listener);
}

TEST_F(KeyboardStateTest, AutoRepeatCallsListenersAgainWithoutRestartingThePress) {
    RecordingListener listener("a", journal);
    keyboard.AddListener(&listener);
    keyboard.KeyDown(Engine::kVK_BACK);
    keyboard.Age(kDt60);
    keyboard.KeyDown(Engine::kVK_BACK);
    EXPECT_EQ(journal, (std::vector<std::string>{"a: keydown 8", "a: keydown 8"}));
    EXPECT_FALSE(keyboard.WasPressed(Engine::kVK_BACK));
    EXPECT_TRUE(keyboard.IsDown(Engine::kVK_BACK));
    keyboard.RemoveListener(&listener);
}

TEST_F(KeyboardStateTest, CodesOutsideTheTableAreIgnored) {
    RecordingListener listener("a", journal);
    keyboard.AddListener(&listener);
    for (int key : {-1, 256, 100000}) {
        keyboard.KeyDown(key);
        keyboard.KeyUp(key);
        EXPECT_EQ(keyboard.Flags(key), 0u);
        EXPECT_EQ(keyboard.HoldTime(key), 0.0f);
        EXPECT_FALSE(keyboard.IsDown(key));
    }
    EXPECT_TRUE(journal.empty());
    keyboard.RemoveListener(&listener);
}

TEST_F(KeyboardStateTest, ClearZeroesEveryKeyAndKeepsListeners) {
    RecordingListener listener("a", journal);
    keyboard.AddListener(&listener);
    keyboard.KeyDown(0);
    keyboard.KeyDown(255);
    for (int frame = 0; frame < 6; ++frame) keyboard.Age(kDt60);
    keyboard.Clear();
    for (int key = 0; key < cKeyboardState::kKeyCount; ++key) {
        ASSERT_EQ(keyboard.Flags(key), 0u) << key;
        ASSERT_EQ(keyboard.HoldTime(key), 0.0f) << key;
    }
    EXPECT_TRUE(listener.iKeyboardListener::registered);
    EXPECT_EQ(keyboard.Listeners().size(), 1u);
    keyboard.RemoveListener(&listener);
}

struct SidedModifier {
    int left, right, generic;
};

// Names each case by its generic code in the test list.
void PrintTo(const SidedModifier& modifier, std::ostream* out) {
    *out << "vk " << modifier.generic;
}

class SidedModifierTest : public PlatformFixture,
                          public ::testing::WithParamInterface<SidedModifier> {};

TEST_P(SidedModifierTest, GenericCodeStaysDownWhileEitherSideIsDown) {
    const SidedModifier modifier = GetParam();
    cKeyboardState& keyboard = cKeyboardState::Instance();
    keyboard.KeyDown(modifier.left);
    keyboard.KeyDown(modifier.right);
    EXPECT_TRUE(keyboard.IsDown(modifier.generic));

    keyboard.KeyUp(modifier.left);
    EXPECT_FALSE(keyboard.IsDown(modifier.left));
    EXPECT_TRUE(keyboard.IsDown(modifier.generic)) << "the right side is still held";

    keyboard.KeyUp(modifier.right);
    EXPECT_FALSE(keyboard.IsDown(modifier.generic));
}

TEST_P(SidedModifierTest, ListenersHearTheSidedCodeThenTheGenericOne) {
    const SidedModifier modifier = GetParam();
    cKeyboardState& keyboard = cKeyboardState::Instance();
    std::vector<std::string> journal;
    RecordingListener listener("a", journal);
    keyboard.AddListener(&listener);
    keyboard.KeyDown(modifier.right);
    keyboard.KeyUp(modifier.right);
    const std::string sided = std::to_string(modifier.right);
    const std::string generic = std::to_string(modifier.generic);
    EXPECT_EQ(journal, (std::vector<std::string>{"a: keydown " + sided, "a: keydown " + generic,
                                                 "a: keyup " + sided, "a: keyup " + generic}));
    keyboard.RemoveListener(&listener);
}

INSTANTIATE_TEST_SUITE_P(ShiftCtrlAlt, SidedModifierTest,
                         ::testing::Values(SidedModifier{0xA0, 0xA1, 0x10},
                                           SidedModifier{0xA2, 0xA3, 0x11},
                                           SidedModifier{0xA4, 0xA5, 0x12}));

TEST_F(KeyboardStateTest, ListenersRunInRegistrationOrderAndRemovalKeepsTheOrder) {
    RecordingListener a("a", journal), b("b", journal), c("c", journal);
    keyboard.AddListener(&a);
    keyboard.AddListener(&b);
    keyboard.AddListener(&c);
    EXPECT_TRUE(b.iKeyboardListener::registered);

    keyboard.RemoveListener(&b);
    EXPECT_FALSE(b.iKeyboardListener::registered);
    keyboard.KeyDown('K');
    EXPECT_EQ(journal, (std::vector<std::string>{"a: keydown 75", "c: keydown 75"}));
    keyboard.RemoveListener(&a);
    keyboard.RemoveListener(&c);
    EXPECT_TRUE(keyboard.Listeners().empty());
}

TEST_F(KeyboardStateTest, ADuplicateRegistrationIsRefused) {
    RecordingListener a("a", journal);
    keyboard.AddListener(&a);
    keyboard.AddListener(&a);
    keyboard.KeyDown('K');
    EXPECT_EQ(journal.size(), 1u);
    keyboard.RemoveListener(&a);
    EXPECT_TRUE(keyboard.Listeners().empty());
}

// Removes another listener from inside its own call, as a listener that tears
// down a screen might.
class RemovingListener : public Engine::iKeyboardListener {
public:
    explicit RemovingListener(Engine::iKeyboardListener* to_remove) : victim(to_remove) {}
    void OnKeyUp(int) override {}
    void OnKeyDown(int) override { cKeyboardState::Instance().RemoveListener(victim); }

private:
    Engine::iKeyboardListener* victim;
};

TEST_F(KeyboardStateTest, AListenerRemovedDuringADispatchIsNotCalled) {
    RecordingListener b("b", journal), c("c", journal);
    RemovingListener a(&b);
    keyboard.AddListener(&a);
    keyboard.AddListener(&b);
    keyboard.AddListener(&c);
    keyboard.KeyDown('K');
    EXPECT_EQ(journal, (std::vector<std::string>{"c: keydown 75"}));
    keyboard.RemoveListener(&a);
    keyboard.RemoveListener(&c);
}

}  // namespace
