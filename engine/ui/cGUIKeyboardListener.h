#pragma once
// cGUIKeyboardListener: types into the focused editable text box. Letters
// come out lower case unless Shift is held, digits are digits either way,
// Space adds a space, Tab four, the full stop keys (main, keypad and F12) a
// full stop, and Backspace removes the last character. Other keys, and every
// key while no box has the focus, are left to the rest of the game. The
// platform's auto-repeat repeats the change.

#include <string>

#include "engine/platform/iKeyboardListener.h"

namespace Engine {

class cGUIManager;

class cGUIKeyboardListener : public iKeyboardListener {
public:
    // Registers with the keyboard state.
    explicit cGUIKeyboardListener(cGUIManager& manager);
    // Unregisters.
    ~cGUIKeyboardListener() override;
    cGUIKeyboardListener(const cGUIKeyboardListener&) = delete;
    cGUIKeyboardListener& operator=(const cGUIKeyboardListener&) = delete;

    void OnKeyUp(int) override {}
    void OnKeyDown(int key) override;

    // The text after typing key (with Shift held or not).
    static std::string Typed(const std::string& text, int key, bool shift);

private:
    cGUIManager& gui;
};

}  // namespace Engine
