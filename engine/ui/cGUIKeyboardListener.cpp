#include "engine/ui/cGUIKeyboardListener.h"

#include "engine/platform/VirtualKeys.h"
#include "engine/platform/cKeyboardState.h"
#include "engine/ui/cGUIManager.h"

namespace Engine {

cGUIKeyboardListener::cGUIKeyboardListener(cGUIManager& manager) : gui(manager) {
    cKeyboardState::Instance().AddListener(this);
}

cGUIKeyboardListener::~cGUIKeyboardListener() {
    if (cKeyboardState::Exists()) cKeyboardState::Instance().RemoveListener(this);
}

void cGUIKeyboardListener::OnKeyDown(int key) {
    cUIEditableTextbox* box = gui.Focused();
    if (box == nullptr) return;
    const cKeyboardState& keys = cKeyboardState::Instance();
    const bool shift = keys.IsDown(kVK_SHIFT) || keys.IsDown(kVK_LSHIFT) || keys.IsDown(kVK_RSHIFT);
    box->SetText(Typed(box->Text(), key, shift));
}

std::string cGUIKeyboardListener::Typed(const std::string& text, int key, bool shift) {
    const bool letter = key >= kVK_A && key < kVK_A + 26;
    const bool digit = key >= kVK_0 && key < kVK_0 + 10;
    if (digit || (letter && shift)) return text + static_cast<char>(key);
    if (letter) return text + static_cast<char>(key - kVK_A + 'a');
    switch (key) {
        case kVK_BACK: return text.empty() ? text : text.substr(0, text.size() - 1);
        case kVK_TAB: return text + "    ";
        case kVK_SPACE: return text + " ";
        case kVK_DECIMAL:
        case kVK_F12:
        case kVK_OEM_PERIOD: return text + ".";
        default: return text;
    }
}

}  // namespace Engine
