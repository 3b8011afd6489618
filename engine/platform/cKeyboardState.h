#pragma once
// cKeyboardState: the process-wide state of every key, indexed by virtual key.
//
// Each key has a flag word: bit 0 down now, bit 1 down at the end of the
// previous frame, bit 2 a repeat pulse set once every 1/15 s while the key
// stays held. Age() runs once per frame before the window messages; the
// messages then call KeyDown/KeyUp, which also notify the listeners. So during
// a frame's update a key was pressed this frame when bit 0 is set and bit 1
// clear, and released when bit 1 is set and bit 0 clear.
//
// Sided modifiers (0xA0 to 0xA5) also drive their generic code (Shift 0x10,
// Ctrl 0x11, Alt 0x12): a sided key down sets both and notifies the listeners
// of the sided key first, then of the generic one. The generic code stays
// down while either side is down; it goes up (with its own listener call)
// only when the last held side is released. Codes outside 0..255 are refused
// with a log line and never touch the tables.

#include <array>
#include <cstdint>
#include <vector>

#include "engine/core/Singleton.h"
#include "engine/platform/cListenerList.h"
#include "engine/platform/iKeyboardListener.h"

namespace Engine {

class cKeyboardState : public Singleton<cKeyboardState> {
public:
    static constexpr int kKeyCount = 256;
    static constexpr uint32_t kDownNow = 1u;
    static constexpr uint32_t kDownBefore = 2u;
    static constexpr uint32_t kRepeatPulse = 4u;
    // 1/15 s in single precision, the hold time between two repeat pulses.
    static constexpr float kRepeatInterval = 0.06666667f;

    // A key-down message, from a first press or the platform's auto-repeat.
    void KeyDown(int key);
    // A key-up message: ends the hold and its repeat pulse at once.
    void KeyUp(int key);
    // The frame's ageing: hold times and repeat pulses, then bit 0 into bit 1.
    void Age(float dt);
    // Zeroes every flag word and hold time; the listeners stay registered.
    void Clear();

    // Bit 0: the key is down now.
    bool IsDown(int key) const;
    // Down now and not at the end of the previous frame.
    bool WasPressed(int key) const;
    // Down at the end of the previous frame and not now.
    bool WasReleased(int key) const;
    // The repeat pulse of this frame.
    bool IsRepeating(int key) const;
    // The whole flag word; 0 for a code outside 0..255.
    uint32_t Flags(int key) const;
    // Seconds held since the last pulse; 0 for a code outside 0..255.
    float HoldTime(int key) const;

    // Appends a listener and sets its registered flag.
    void AddListener(iKeyboardListener* listener);
    // Clears the registered flag and erases the listener keeping the order.
    void RemoveListener(iKeyboardListener* listener);
    // The listeners in registration order.
    const std::vector<iKeyboardListener*>& Listeners() const { return listeners.Items(); }

private:
    friend class Singleton<cKeyboardState>;
    cKeyboardState() = default;

    // True for 0..255; logs the refused code otherwise.
    static bool IsValidKey(int key, const char* operation);
    // Sets bit 0 of one code and notifies the listeners.
    void Press(int key);
    // Ends the hold of one code and notifies the listeners.
    void Release(int key);
    // Ages one flag word and its hold time.
    void AgeKey(int key, float dt);

    std::array<uint32_t, kKeyCount> keys{};
    std::array<float, kKeyCount> hold_time{};
    cListenerList<iKeyboardListener> listeners;
};

}  // namespace Engine
