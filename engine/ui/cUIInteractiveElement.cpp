#include "engine/ui/cUIInteractiveElement.h"

namespace Engine {

void cUIInteractiveElement::Release() {
    onClick = nullptr;
    onHover = nullptr;
    onLeave = nullptr;
    enabled = 0;
    pressed = 0;
    hitRect = UIRect{};
    cUIElementBase::Release();
}

void cUIInteractiveElement::SetPosition(const UIVector2& position) {
    cUIElementBase::SetPosition(position);
    PlaceHitRect();
}

void cUIInteractiveElement::Refresh() {
    cUIElementBase::Refresh();
    PlaceHitRect();
}

void cUIInteractiveElement::InitFromSprite(const std::string& new_name, int32_t new_kind,
                                           const cSpriteGfxCmp& sprite) {
    InitWithRect(new_name, new_kind, UIRect::Centred({}, sprite.Width(), sprite.Height()));
}

void cUIInteractiveElement::InitFromFont(const std::string& new_name, int32_t new_kind, const cFontGfxCmp& font) {
    const Vector4& r = font.rectangle;
    InitWithRect(new_name, new_kind, UIRect::Centred({}, r.z - r.x, r.w - r.y));
}

void cUIInteractiveElement::InitWithRect(const std::string& new_name, int32_t new_kind, const UIRect& rect) {
    Init(new_name, new_kind);
    enabled = 1;
    pressed = 0;
    hitRect = rect;
}

void cUIInteractiveElement::PlaceHitRect() {
    if (kind == kReleased) return;
    hitRect = PixelRect();
}

}  // namespace Engine
