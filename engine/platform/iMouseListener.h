#pragma once
// iMouseListener: an object told about every mouse message.
//
// Buttons are 0 left, 1 right, 2 middle; positions are client coordinates of
// the main window (negative or beyond the size while the mouse is captured
// and outside). The mouse state calls its listeners in registration order
// after it has updated its own fields. The list does not own its listeners:
// remove one before destroying it.

namespace Engine {

class iMouseListener {
public:
    virtual ~iMouseListener() = default;
    // A button went down.
    virtual void OnButtonDown(int button) = 0;
    // A button went up.
    virtual void OnButtonUp(int button) = 0;
    // One wheel message: up is true when the wheel turned away from the user.
    virtual void OnWheel(bool up) = 0;
    // The cursor moved to (x, y).
    virtual void OnMove(int x, int y) = 0;

    // Set while the listener is on the mouse state's list.
    bool registered = false;
};

}  // namespace Engine
