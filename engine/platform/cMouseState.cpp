#include "engine/platform/cMouseState.h"

#include <string>
#include <utility>  // std::move

#include "engine/core/cLog.h"

namespace Engine {

void cMouseState::ButtonDown(int button) {
    if (!AcceptButton(button, "button down")) return;
    if ((buttons[button] & kDownNow) == 0) {
        if (capture_count == 0) Capture(true);
        ++capture_count;
    }
    buttons[button] |= kDownNow;
    listeners.Notify([button](iMouseListener& listener) { listener.OnButtonDown(button); });
}

void cMouseState::ButtonUp(int button) {
    if (!AcceptButton(button, "button up")) return;
    if ((buttons[button] & kDownNow) != 0) {
        --capture_count;
        if (capture_count == 0) Capture(false);
    }
    buttons[button] &= static_cast<uint8_t>(~kDownNow);
    listeners.Notify([button](iMouseListener& listener) { listener.OnButtonUp(button); });
}

void cMouseState::Move(int32_t new_x, int32_t new_y) {
    previous_x = x;
    previous_y = y;
    x = new_x;
    y = new_y;
    listeners.Notify([new_x, new_y](iMouseListener& listener) { listener.OnMove(new_x, new_y); });
}

void cMouseState::Wheel(int delta) {
    if (delta == 0) return;
    const bool up = delta > 0;
    if (up) {
        wheel_up = true;
    } else {
        wheel_down = true;
    }
    // Each call reports its own message's direction, so a listener sees a
    // down turn as down even after an up turn earlier in the same frame.
    listeners.Notify([up](iMouseListener& listener) { listener.OnWheel(up); });
}

void cMouseState::Age() {
    for (uint8_t& flags : buttons) {
        flags = static_cast<uint8_t>((flags & kDownNow) | (flags << 1));
    }
}

void cMouseState::ClearWheel() {
    wheel_up = false;
    wheel_down = false;
}

void cMouseState::Clear() {
    if (capture_count > 0) Capture(false);
    buttons.fill(0u);
    x = y = previous_x = previous_y = 0;
    ClearWheel();
    capture_count = 0;
}

bool cMouseState::IsButtonDown(int button) const { return (ButtonFlags(button) & kDownNow) != 0; }

bool cMouseState::WasButtonPressed(int button) const {
    return (ButtonFlags(button) & (kDownNow | kDownBefore)) == kDownNow;
}

bool cMouseState::WasButtonReleased(int button) const {
    return (ButtonFlags(button) & (kDownNow | kDownBefore)) == kDownBefore;
}

uint8_t cMouseState::ButtonFlags(int button) const {
    return IsValidButton(button) ? buttons[button] : uint8_t{0};
}

void cMouseState::SetCaptureHook(CaptureHook hook) { capture_hook = std::move(hook); }

void cMouseState::AddListener(iMouseListener* listener) { listeners.Add(listener); }

void cMouseState::RemoveListener(iMouseListener* listener) { listeners.Remove(listener); }

bool cMouseState::IsValidButton(int button) { return button >= 0 && button < kButtonCount; }

bool cMouseState::AcceptButton(int button, const char* operation) {
    if (IsValidButton(button)) return true;
    LogError(std::string(operation) + " with button " + std::to_string(button) +
             " outside 0..2 ignored");
    return false;
}

void cMouseState::Capture(bool on) const {
    if (capture_hook) capture_hook(on);
}

}  // namespace Engine
