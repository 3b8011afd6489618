#pragma once
// iKeyboardListener: an object told about every key message.
//
// Keys are Windows virtual-key codes (0 to 255, see VirtualKeys.h). The
// keyboard state calls its listeners in registration order after it has
// updated its own flags, so a listener may query the state of the key. The
// platform's auto-repeat sends further key-down calls while a key is held.
// The list does not own its listeners: remove one before destroying it.

namespace Engine {

class iKeyboardListener {
public:
    virtual ~iKeyboardListener() = default;
    // The key was released.
    virtual void OnKeyUp(int key) = 0;
    // The key was pressed, or is repeating while held.
    virtual void OnKeyDown(int key) = 0;

    // Set while the listener is on the keyboard state's list.
    bool registered = false;
};

}  // namespace Engine
