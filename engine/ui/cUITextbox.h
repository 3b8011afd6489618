#pragma once
// cUITextbox: a line of text centred horizontally and vertically in the
// element's rectangle, one font component. Text has no transform, so the
// rectangle follows the element whenever it moves or the viewport changes.
// Its visibility is the font's.

#include <string>

#include "engine/render/eTextFormat.h"
#include "engine/render/scene/cFontGfxCmp.h"
#include "engine/ui/cUIElementBase.h"

namespace Engine {

class cUITextbox : public cUIElementBase {
public:
    static constexpr uint32_t kCentred = TF_Center | TF_VCenter;

    void Release() override;
    void SetVisible(bool visible) override { font.visible = visible; }
    bool IsVisible() const override { return font.visible; }
    void Update(float) override {}
    void SetPosition(const UIVector2& position) override;
    void Refresh() override;
    // Init as a text box over the (already initialised) font component.
    void InitFromFont(const std::string& new_name);

    void SetText(const std::string& text) { font.text = text; }
    const std::string& Text() const { return font.text; }
    cFontGfxCmp& Font() { return font; }
    const cFontGfxCmp& Font() const { return font; }

private:
    cFontGfxCmp font;
};

// Sets the text's rectangle to the element's pixel rectangle.
void PlaceText(cFontGfxCmp& font, const cUIElementBase& element);

}  // namespace Engine
