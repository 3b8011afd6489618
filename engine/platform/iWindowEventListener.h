#pragma once
// iWindowEventListener: an object told about events of the main window.
//
// Listeners are added to the window's list with cWindow::AddWindowListener
// and called in registration order from the message pump at the start of a
// frame. The list does not own them: a listener removes itself (or is removed
// by its owner) before it is destroyed.

namespace Engine {

class iWindowEventListener {
public:
    virtual ~iWindowEventListener() = default;
    // The window was closed or the program was asked to quit.
    virtual void OnWindowClosed() = 0;

    // Set while the listener is on the window's list.
    bool registered = false;
};

}  // namespace Engine
