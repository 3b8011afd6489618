#include "engine/ui/cUIEditableTextbox.h"

#include "engine/resource/cSpriteAnimationSet.h"
#include "engine/ui/cGUIManager.h"
#include "engine/ui/cUITextbox.h"

namespace Engine {

void cUIEditableTextbox::Release() {
    sprite.Reset();
    font.Reset();
    gui = nullptr;
    cUIInteractiveElement::Release();
}

void cUIEditableTextbox::SetVisible(bool visible) {
    sprite.visible = visible;
    font.visible = visible;
}

void cUIEditableTextbox::SetPosition(const UIVector2& position) {
    cUIInteractiveElement::SetPosition(position);
    PlaceText(font, *this);
}

void cUIEditableTextbox::Refresh() {
    cUIInteractiveElement::Refresh();
    sprite.SetSize(PixelWidth(), PixelHeight());
    PlaceText(font, *this);
}

void cUIEditableTextbox::OnPress() {
    if (gui) gui->SetFocus(this);
}

void cUIEditableTextbox::InitTextbox(const std::string& new_name, cGUIManager* manager) {
    InitFromSprite(new_name, kEditableTextbox, sprite);
    sprite.transform = &transform;
    gui = manager;
    sprite.SetCellSize(kCellSize, kCellSize);
    sprite.StartAnimation(kOnFocus, 1, 0, kFrameTime);
    sprite.StartAnimation(kOffFocus, 0, 1, kFrameTime);
    ShowFocus(false);
}

void cUIEditableTextbox::ShowFocus(bool focused) {
    if (sprite.Animation()) sprite.Animation()->Play(focused ? kOnFocus : kOffFocus);
}

std::string cUIEditableTextbox::CurrentLook() const {
    return sprite.Animation() ? sprite.Animation()->Current() : "";
}

}  // namespace Engine
