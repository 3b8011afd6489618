#pragma once
// cGUIMouseListener: turns mouse messages into GUI hover, press and click.
//
// Positions become GUI pixels through the manager (from the viewport's lower
// left corner, y up, so letterbox bars are taken off). Every move carries the
// GUI cursor along and tells every enabled element whether the pointer is
// over it; a button going down presses the elements under the pointer and
// un-presses the rest; a button coming up
// over a pressed element clicks it: its onClick runs and "ButtonPress" plays.
// Any mouse button counts. Hidden elements take no input. Each walk goes over
// a copy of the manager's table, so callbacks may build or clear screens.

#include "engine/platform/iMouseListener.h"
#include "engine/ui/UIGeometry.h"

namespace Engine {

class cGUIManager;
class cUIInteractiveElement;

class cGUIMouseListener : public iMouseListener {
public:
    // Registers with the mouse state.
    explicit cGUIMouseListener(cGUIManager& manager);
    // Unregisters.
    ~cGUIMouseListener() override;
    cGUIMouseListener(const cGUIMouseListener&) = delete;
    cGUIMouseListener& operator=(const cGUIMouseListener&) = delete;

    void OnButtonDown(int button) override;
    void OnButtonUp(int button) override;
    void OnWheel(bool) override {}
    void OnMove(int x, int y) override;

    // True when the element takes input at the point: enabled, visible and hit.
    static bool Accepts(const cUIInteractiveElement& element, const UIVector2& point);

private:
    UIVector2 PointerPosition() const;

    cGUIManager& gui;
};

}  // namespace Engine
