#include "engine/ui/cGUIMouseListener.h"

#include <map>
#include <string>

#include "engine/audio/SoundManagerAccess.h"
#include "engine/audio/iSoundManager.h"
#include "engine/platform/cMouseState.h"
#include "engine/ui/cGUIManager.h"

namespace Engine {

namespace {

using InteractiveTable = std::map<std::string, cUIInteractiveElement*>;

}  // namespace

cGUIMouseListener::cGUIMouseListener(cGUIManager& manager) : gui(manager) {
    cMouseState::Instance().AddListener(this);
}

cGUIMouseListener::~cGUIMouseListener() {
    if (cMouseState::Exists()) cMouseState::Instance().RemoveListener(this);
}

bool cGUIMouseListener::Accepts(const cUIInteractiveElement& element, const UIVector2& point) {
    return element.Hit(point) && element.IsVisible();
}

void cGUIMouseListener::OnButtonDown(int) {
    const UIVector2 point = PointerPosition();
    const InteractiveTable snapshot = gui.Interactive();
    for (const auto& [name, element] : snapshot) {
        if (Accepts(*element, point)) {
            element->OnPress();
            element->pressed = 1;
        } else {
            element->pressed = 0;
        }
    }
}

void cGUIMouseListener::OnButtonUp(int) {
    const UIVector2 point = PointerPosition();
    const InteractiveTable snapshot = gui.Interactive();
    for (const auto& [name, element] : snapshot) {
        if (element->pressed == 0 || !Accepts(*element, point) || !element->onClick) continue;
        element->onClick(element);
        if (iSoundManager* sounds = GetSoundManager()) sounds->Play(cGUIManager::kClickSound, false, 1.0f);
    }
}

void cGUIMouseListener::OnMove(int x, int y) {
    const UIVector2 point = gui.ToGUIPixels(x, y);
    if (cUIMouseCursor* cursor = gui.Cursor()) cursor->MoveTo(point);
    const InteractiveTable snapshot = gui.Interactive();
    for (const auto& [name, element] : snapshot) {
        if (element->enabled == 0) continue;
        if (Accepts(*element, point)) {
            element->OnMouseOver();
        } else {
            element->OnMouseOut();
        }
    }
}

UIVector2 cGUIMouseListener::PointerPosition() const {
    const cMouseState& mouse = cMouseState::Instance();
    return gui.ToGUIPixels(mouse.X(), mouse.Y());
}

}  // namespace Engine
