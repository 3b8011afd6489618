#pragma once
// cMouseState: the process-wide state of the mouse buttons, cursor and wheel.
//
// Each of the three buttons (0 left, 1 right, 2 middle) has a flag byte:
// bit 0 down now, bit 1 down in the previous frame (Age shifts the history
// up once per frame before the window messages). The position is the last
// client position with the one before it; the wheel flags say whether a
// wheel message of this frame turned the wheel up or down.
//
// While any button is held the window captures the mouse, so moves outside
// the client area still arrive (with negative or out-of-size coordinates).
// capture_count is the number of buttons held: it only counts a button going
// from up to down and back, so a repeated down or an unmatched up (a release
// whose press happened before ClearInput, or outside the window) can neither
// push the count below 0 nor switch a capture off while a button is held.
// The capture itself goes through a hook the window installs, so this class
// stays free of the platform and tests can watch the calls.

#include <array>
#include <cstdint>
#include <functional>  // CaptureHook
#include <vector>

#include "engine/core/Singleton.h"
#include "engine/platform/cListenerList.h"
#include "engine/platform/iMouseListener.h"

namespace Engine {

class cMouseState : public Singleton<cMouseState> {
public:
    static constexpr int kButtonCount = 3;
    static constexpr uint8_t kDownNow = 1u;
    static constexpr uint8_t kDownBefore = 2u;
    // Called with true when capture must start and false when it must end.
    using CaptureHook = std::function<void(bool capture)>;

    // A button-down message; buttons outside 0..2 are refused with a log line.
    void ButtonDown(int button);
    // A button-up message; buttons outside 0..2 are refused with a log line.
    void ButtonUp(int button);
    // A move message to client position (x, y).
    void Move(int32_t new_x, int32_t new_y);
    // A wheel message; delta > 0 is away from the user, 0 is ignored.
    void Wheel(int delta);
    // The frame's ageing of the buttons: new = (old & 1) | (old << 1).
    void Age();
    // Forgets the wheel messages of the previous frame.
    void ClearWheel();
    // Zeroes buttons, positions, wheel flags and capture_count, ending any
    // capture; the listeners and the hook stay.
    void Clear();

    // Bit 0: the button is down now.
    bool IsButtonDown(int button) const;
    // Down now and not in the previous frame.
    bool WasButtonPressed(int button) const;
    // Down in the previous frame and not now.
    bool WasButtonReleased(int button) const;
    // The whole flag byte; 0 for a button outside 0..2.
    uint8_t ButtonFlags(int button) const;
    int32_t X() const { return x; }
    int32_t Y() const { return y; }
    int32_t PreviousX() const { return previous_x; }
    int32_t PreviousY() const { return previous_y; }
    bool WheelUp() const { return wheel_up; }
    bool WheelDown() const { return wheel_down; }
    // The number of buttons held; the mouse is captured while it is above 0.
    int32_t CaptureCount() const { return capture_count; }

    // Installs the capture hook; an empty hook captures nothing.
    void SetCaptureHook(CaptureHook hook);

    // Appends a listener and sets its registered flag.
    void AddListener(iMouseListener* listener);
    // Clears the registered flag and erases the listener keeping the order.
    void RemoveListener(iMouseListener* listener);
    // The listeners in registration order.
    const std::vector<iMouseListener*>& Listeners() const { return listeners.Items(); }

private:
    friend class Singleton<cMouseState>;
    cMouseState() = default;

    // True for 0..2.
    static bool IsValidButton(int button);
    // IsValidButton for a message; logs the refused button.
    static bool AcceptButton(int button, const char* operation);
    // Passes a capture change to the hook, if any.
    void Capture(bool on) const;

    std::array<uint8_t, kButtonCount> buttons{};
    int32_t x = 0;
    int32_t y = 0;
    int32_t previous_x = 0;
    int32_t previous_y = 0;
    bool wheel_up = false;
    bool wheel_down = false;
    cListenerList<iMouseListener> listeners;
    int32_t capture_count = 0;
    CaptureHook capture_hook;
};

}  // namespace Engine
