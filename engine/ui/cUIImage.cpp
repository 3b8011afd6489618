#include "engine/ui/cUIImage.h"

namespace Engine {

void cUIImage::Release() {
    sprite.Reset();
    cUIElementBase::Release();
}

void cUIImage::Refresh() {
    cUIElementBase::Refresh();
    sprite.SetSize(PixelWidth(), PixelHeight());
}

void cUIImage::InitFromSprite(const std::string& new_name) {
    Init(new_name, kImage);
    sprite.transform = &transform;
}

}  // namespace Engine
