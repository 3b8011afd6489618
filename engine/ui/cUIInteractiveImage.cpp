#include "engine/ui/cUIInteractiveImage.h"

namespace Engine {

void cUIInteractiveImage::Release() {
    sprite.Reset();
    cUIInteractiveElement::Release();
}

void cUIInteractiveImage::Refresh() {
    cUIInteractiveElement::Refresh();
    sprite.SetSize(PixelWidth(), PixelHeight());
}

void cUIInteractiveImage::OnMouseOver() {
    if (onHover) onHover(this);
}

void cUIInteractiveImage::OnMouseOut() {
    if (onLeave) onLeave(this);
}

void cUIInteractiveImage::OnPress() {
    if (onClick) onClick(this);
}

void cUIInteractiveImage::InitImage(const std::string& new_name) {
    InitFromSprite(new_name, kInteractiveImage, sprite);
    sprite.transform = &transform;
}

}  // namespace Engine
