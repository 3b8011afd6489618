#include "engine/platform/cMouseState.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/engine/platform/PlatformFixture.h"
#include "tests/engine/platform/RecordingListener.h"

using Engine::cMouseState;

namespace {

constexpr int kLeft = 0;
constexpr int kRight = 1;
constexpr int kMiddle = 2;

// Counts the capture changes the window would carry out.
class MouseStateTest : public PlatformFixture {
protected:
    MouseStateTest() {
        mouse.SetCaptureHook([this](bool on) { captures.push_back(on); });
    }

    cMouseState& mouse = cMouseState::Instance();
    std::vector<bool> captures;
    std::vector<std::string> journal;
};

TEST_F(MouseStateTest, ButtonPressedAndReleasedWithinOneFrameIsSeenOnlyByListeners) {
    RecordingListener listener("a", journal);
    mouse.AddListener(&listener);
    mouse.Age();
    mouse.ButtonDown(kLeft);
    mouse.ButtonUp(kLeft);
    EXPECT_FALSE(mouse.IsButtonDown(kLeft));
    EXPECT_FALSE(mouse.WasButtonPressed(kLeft));
    EXPECT_FALSE(mouse.WasButtonReleased(kLeft));
    EXPECT_EQ(journal, (std::vector<std::string>{"a: buttondown 0", "a: buttonup 0"}));
    EXPECT_EQ(captures, (std::vector<bool>{true, false}));
    mouse.RemoveListener(&listener);
}

TEST_F(MouseStateTest, ButtonHistoryAcrossFrames) {
    struct Frame {
        bool press, release;
        bool down, pressed, released;
    };
    const Frame frames[] = {
        {true, false, true, true, false},
        {false, false, true, false, false},
        {false, true, false, false, true},
        {false, false, false, false, false},
    };
    int number = 1;
    for (const Frame& frame : frames) {
        mouse.Age();
        if (frame.press) mouse.ButtonDown(kMiddle);
        if (frame.release) mouse.ButtonUp(kMiddle);
        EXPECT_EQ(mouse.IsButtonDown(kMiddle), frame.down) << "frame " << number;
        EXPECT_EQ(mouse.WasButtonPressed(kMiddle), frame.pressed) << "frame " << number;
        EXPECT_EQ(mouse.WasButtonReleased(kMiddle), frame.released) << "frame " << number;
        ++number;
    }
}

TEST_F(MouseStateTest, CaptureStaysOnUntilTheLastHeldButtonIsReleased) {
    mouse.ButtonDown(kLeft);
    mouse.ButtonDown(kRight);
    EXPECT_EQ(mouse.CaptureCount(), 2);
    mouse.ButtonUp(kLeft);
    EXPECT_EQ(mouse.CaptureCount(), 1);
    EXPECT_EQ(captures, (std::vector<bool>{true})) << "capture must stay on";
    mouse.ButtonUp(kRight);
    EXPECT_EQ(mouse.CaptureCount(), 0);
    EXPECT_EQ(captures, (std::vector<bool>{true, false}));
}

TEST_F(MouseStateTest, UnmatchedOrRepeatedMessagesKeepTheCountTrue) {
    struct Case {
        const char* name;
        std::vector<std::pair<bool, int>> messages;  // (down?, button)
        int count;
        std::vector<bool> captures;
    };
    const Case cases[] = {
        {"release with nothing held", {{false, kLeft}}, 0, {}},
        {"release of another button", {{true, kLeft}, {false, kRight}}, 1, {true}},
        {"press repeated, one release",
         {{true, kLeft}, {true, kLeft}, {false, kLeft}},
         0,
         {true, false}},
        {"double release", {{true, kRight}, {false, kRight}, {false, kRight}}, 0, {true, false}},
    };
    for (const Case& test : cases) {
        mouse.Clear();
        captures.clear();
        for (const auto& [down, button] : test.messages) {
            if (down) {
                mouse.ButtonDown(button);
            } else {
                mouse.ButtonUp(button);
            }
        }
        EXPECT_EQ(mouse.CaptureCount(), test.count) << test.name;
        EXPECT_EQ(captures, test.captures) << test.name;
    }
}

TEST_F(MouseStateTest, ButtonsOutsideTheThreeAreIgnored) {
    RecordingListener listener("a", journal);
    mouse.AddListener(&listener);
    for (int button : {-1, 3, 200}) {
        mouse.ButtonDown(button);
        mouse.ButtonUp(button);
        EXPECT_EQ(mouse.ButtonFlags(button), 0);
    }
    EXPECT_EQ(mouse.CaptureCount(), 0);
    EXPECT_TRUE(captures.empty());
    EXPECT_TRUE(journal.empty());
    mouse.RemoveListener(&listener);
}

TEST_F(MouseStateTest, EachWheelMessageReportsItsOwnDirection) {
    RecordingListener listener("a", journal);
    mouse.AddListener(&listener);
    mouse.Wheel(+240);
    mouse.Wheel(-120);
    mouse.Wheel(0);
    EXPECT_TRUE(mouse.WheelUp());
    EXPECT_TRUE(mouse.WheelDown());
    EXPECT_EQ(journal, (std::vector<std::string>{"a: wheel up", "a: wheel down"}));
    mouse.ClearWheel();
    EXPECT_FALSE(mouse.WheelUp());
    EXPECT_FALSE(mouse.WheelDown());
    mouse.RemoveListener(&listener);
}

TEST_F(MouseStateTest, MoveKeepsThePreviousPositionAndNegativeCoordinates) {
    RecordingListener listener("a", journal);
    mouse.AddListener(&listener);
    mouse.Move(100, 50);
    mouse.Move(-20, -7);
    EXPECT_EQ(mouse.X(), -20);
    EXPECT_EQ(mouse.Y(), -7);
    EXPECT_EQ(mouse.PreviousX(), 100);
    EXPECT_EQ(mouse.PreviousY(), 50);
    EXPECT_EQ(journal, (std::vector<std::string>{"a: move 100 50", "a: move -20 -7"}));
    mouse.RemoveListener(&listener);
}

TEST_F(MouseStateTest, ClearEndsAHeldCaptureAndZeroesTheState) {
    mouse.ButtonDown(kRight);
    mouse.Move(5, 6);
    mouse.Move(7, 8);
    mouse.Wheel(120);
    mouse.Clear();
    EXPECT_EQ(captures, (std::vector<bool>{true, false}));
    EXPECT_EQ(mouse.CaptureCount(), 0);
    EXPECT_EQ(mouse.ButtonFlags(kRight), 0);
    EXPECT_EQ(mouse.X(), 0);
    EXPECT_EQ(mouse.PreviousY(), 0);
    EXPECT_FALSE(mouse.WheelUp());
    mouse.ButtonUp(kRight);
    EXPECT_EQ(mouse.CaptureCount(), 0) << "a release after Clear is unmatched";
}

TEST_F(MouseStateTest, ListenersRunInRegistrationOrderAndRemovalKeepsTheOrder) {
    RecordingListener a("a", journal), b("b", journal), c("c", journal);
    mouse.AddListener(&a);
    mouse.AddListener(&b);
    mouse.AddListener(&c);
    mouse.RemoveListener(&a);
    EXPECT_FALSE(a.iMouseListener::registered);
    EXPECT_TRUE(c.iMouseListener::registered);
    mouse.ButtonDown(kLeft);
    EXPECT_EQ(journal, (std::vector<std::string>{"b: buttondown 0", "c: buttondown 0"}));
    mouse.RemoveListener(&b);
    mouse.RemoveListener(&c);
}

}  // namespace
