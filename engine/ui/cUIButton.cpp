#include "engine/ui/cUIButton.h"

#include "engine/resource/cSpriteAnimationSet.h"
#include "engine/ui/cUITextbox.h"

namespace Engine {

void cUIButton::Release() {
    sprite.Reset();
    font.Reset();
    cUIInteractiveElement::Release();
}

void cUIButton::SetVisible(bool visible) {
    sprite.visible = visible;
    font.visible = visible;
}

void cUIButton::SetPosition(const UIVector2& position) {
    cUIInteractiveElement::SetPosition(position);
    PlaceText(font, *this);
}

void cUIButton::Refresh() {
    cUIInteractiveElement::Refresh();
    sprite.SetSize(PixelWidth(), PixelHeight());
    PlaceText(font, *this);
}

void cUIButton::OnMouseOver() {
    Show(kMouseOver);
    if (onHover) onHover(this);
}

void cUIButton::OnMouseOut() { Show(kIdle); }

void cUIButton::OnPress() { Show(kClicked); }

void cUIButton::AddLooks(uint32_t frame_width, uint32_t frame_height) {
    if (frame_width > 0 && frame_height > 0) sprite.SetCellSize(frame_width, frame_height);
    sprite.StartAnimation(kIdle, 0, 0, kFrameTime);
    sprite.StartAnimation(kMouseOver, 1, 1, kFrameTime);
    sprite.StartAnimation(kClicked, 2, 2, kFrameTime);
    sprite.StartAnimation(kDisabled, 3, 3, kFrameTime);
    Show(kIdle);
}

void cUIButton::InitButton(const std::string& new_name) {
    InitFromSprite(new_name, kButton, sprite);
    sprite.transform = &transform;
}

std::string cUIButton::CurrentLook() const { return sprite.Animation() ? sprite.Animation()->Current() : ""; }

void cUIButton::Show(const char* look) {
    if (sprite.Animation() && sprite.Animation()->Current() != look) sprite.Animation()->Play(look);
}

}  // namespace Engine
