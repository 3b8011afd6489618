#include "engine/platform/cKeyboardState.h"

#include <string>

#include "engine/core/cLog.h"
#include "engine/platform/cKeyTable.h"

namespace Engine {

void cKeyboardState::KeyDown(int key) {
    if (!IsValidKey(key, "key down")) return;
    Press(key);
    const int generic = cKeyTable::GenericModifier(key);
    if (generic != 0) Press(generic);
}

void cKeyboardState::KeyUp(int key) {
    if (!IsValidKey(key, "key up")) return;
    Release(key);
    const int generic = cKeyTable::GenericModifier(key);
    if (generic != 0 && !IsDown(cKeyTable::OppositeSide(key))) Release(generic);
}

void cKeyboardState::Age(float dt) {
    for (int key = 0; key < kKeyCount; ++key) AgeKey(key, dt);
}

void cKeyboardState::Clear() {
    keys.fill(0u);
    hold_time.fill(0.0f);
}

bool cKeyboardState::IsDown(int key) const { return (Flags(key) & kDownNow) != 0; }

bool cKeyboardState::WasPressed(int key) const {
    return (Flags(key) & (kDownNow | kDownBefore)) == kDownNow;
}

bool cKeyboardState::WasReleased(int key) const {
    return (Flags(key) & (kDownNow | kDownBefore)) == kDownBefore;
}

bool cKeyboardState::IsRepeating(int key) const { return (Flags(key) & kRepeatPulse) != 0; }

uint32_t cKeyboardState::Flags(int key) const {
    return key >= 0 && key < kKeyCount ? keys[key] : 0u;
}

float cKeyboardState::HoldTime(int key) const {
    return key >= 0 && key < kKeyCount ? hold_time[key] : 0.0f;
}

void cKeyboardState::AddListener(iKeyboardListener* listener) { listeners.Add(listener); }

void cKeyboardState::RemoveListener(iKeyboardListener* listener) { listeners.Remove(listener); }

bool cKeyboardState::IsValidKey(int key, const char* operation) {
    if (key >= 0 && key < kKeyCount) return true;
    LogError(std::string(operation) + " with key code " + std::to_string(key) +
             " outside 0..255 ignored");
    return false;
}

void cKeyboardState::Press(int key) {
    keys[key] |= kDownNow;
    listeners.Notify([key](iKeyboardListener& listener) { listener.OnKeyDown(key); });
}

void cKeyboardState::Release(int key) {
    hold_time[key] = 0.0f;
    keys[key] &= ~(kDownNow | kRepeatPulse);
    listeners.Notify([key](iKeyboardListener& listener) { listener.OnKeyUp(key); });
}

void cKeyboardState::AgeKey(int key, float dt) {
    uint32_t& flags = keys[key];
    if ((flags & (kDownNow | kDownBefore)) == (kDownNow | kDownBefore)) {
        hold_time[key] += dt;
        if (hold_time[key] >= kRepeatInterval) {
            hold_time[key] = 0.0f;
            flags |= kRepeatPulse;
        } else {
            flags &= ~kRepeatPulse;
        }
    }
    flags = (flags & ~kDownBefore) | ((flags & kDownNow) << 1);
}

}  // namespace Engine
