#pragma once
// cUIInteractiveImage: a picture that reacts to the pointer. Hovering calls
// onHover, leaving calls onLeave, and a press calls onClick at once (a
// release over it then clicks it again through the mouse listener).

#include "engine/ui/cUIInteractiveElement.h"

namespace Engine {

class cUIInteractiveImage : public cUIInteractiveElement {
public:
    void Release() override;
    void SetVisible(bool visible) override { sprite.visible = visible; }
    bool IsVisible() const override { return sprite.visible; }
    void Update(float) override {}
    void Refresh() override;
    void OnMouseOver() override;
    void OnMouseOut() override;
    void OnPress() override;

    // Init as an interactive image over the initialised sprite.
    void InitImage(const std::string& new_name);

    cSpriteGfxCmp& Sprite() { return sprite; }

private:
    cSpriteGfxCmp sprite;
};

}  // namespace Engine
