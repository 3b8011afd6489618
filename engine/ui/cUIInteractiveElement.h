#pragma once
// cUIInteractiveElement: an element that takes pointer input. The GUI mouse
// listener tests each enabled element's hit rectangle (GUI pixels, all four
// edges inside) on every move, press and release; a released or disabled
// element takes none. Moving the element moves the rectangle with it, keeping
// the element's pixel size.

#include <functional>

#include "engine/render/scene/cFontGfxCmp.h"
#include "engine/render/scene/cSpriteGfxCmp.h"
#include "engine/ui/cUIElementBase.h"

namespace Engine {

class cUIInteractiveElement;

using UICallback = std::function<void(cUIInteractiveElement*)>;

class cUIInteractiveElement : public cUIElementBase {
public:
    // Clears the callbacks and flags besides the base reset.
    void Release() override;
    // Moves the hit rectangle with the element.
    void SetPosition(const UIVector2& position) override;
    void Refresh() override;

    // InitWithRect with the sprite's pixel size centred on the origin.
    virtual void InitFromSprite(const std::string& new_name, int32_t new_kind, const cSpriteGfxCmp& sprite);
    // InitWithRect with the text's rectangle.
    virtual void InitFromFont(const std::string& new_name, int32_t new_kind, const cFontGfxCmp& font);
    // Init, enabled, and the hit rectangle.
    virtual void InitWithRect(const std::string& new_name, int32_t new_kind, const UIRect& rect);
    // Every mouse move with the pointer inside the hit rectangle.
    virtual void OnMouseOver() {}
    // Every mouse move with the pointer outside.
    virtual void OnMouseOut() {}
    // A button went down inside.
    virtual void OnPress() {}

    // True when the element is enabled and the point (GUI pixels) is inside it.
    bool Hit(const UIVector2& point) const { return enabled != 0 && hitRect.Contains(point); }

    UICallback onClick;
    UICallback onHover;
    UICallback onLeave;
    uint8_t enabled = 0;
    uint8_t pressed = 0;
    UIRect hitRect;

private:
    void PlaceHitRect();
};

}  // namespace Engine
