#include "engine/ui/cUITextbox.h"

namespace Engine {

void PlaceText(cFontGfxCmp& font, const cUIElementBase& element) {
    const UIRect r = element.WindowRect();
    font.rectangle = Vector4{r.left, r.bottom, r.right, r.top};
}

void cUITextbox::Release() {
    font.Reset();
    cUIElementBase::Release();
}

void cUITextbox::SetPosition(const UIVector2& position) {
    cUIElementBase::SetPosition(position);
    PlaceText(font, *this);
}

void cUITextbox::Refresh() {
    cUIElementBase::Refresh();
    PlaceText(font, *this);
}

void cUITextbox::InitFromFont(const std::string& new_name) { Init(new_name, kTextbox); }

}  // namespace Engine
