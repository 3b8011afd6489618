#pragma once
// cUIEditableTextbox: a text field. Its sprite ("textboxTS", 64 x 64 cells)
// shows focus with the one-frame looks "OnFocus" and "OffFocus"; a press
// asks the GUI manager for the keyboard focus, and the keyboard listener then
// types into its text. Hovering does nothing.

#include <string>

#include "engine/ui/cUIInteractiveElement.h"

namespace Engine {

class cGUIManager;

class cUIEditableTextbox : public cUIInteractiveElement {
public:
    static constexpr const char* kTextureSet = "textboxTS";
    static constexpr uint32_t kCellSize = 64;
    static constexpr float kFrameTime = 0.033333335f;
    static constexpr const char* kOnFocus = "OnFocus";
    static constexpr const char* kOffFocus = "OffFocus";

    void Release() override;
    void SetVisible(bool visible) override;
    bool IsVisible() const override { return sprite.visible && font.visible; }
    void Update(float) override {}
    void SetPosition(const UIVector2& position) override;
    void Refresh() override;
    void OnPress() override;

    // Init as an editable box over the initialised sprite and text; the
    // manager is the one that takes the focus on a press.
    void InitTextbox(const std::string& new_name, cGUIManager* manager);
    // Shows the focused or unfocused look.
    void ShowFocus(bool focused);

    void SetText(const std::string& text) { font.text = text; }
    const std::string& Text() const { return font.text; }
    std::string CurrentLook() const;
    cSpriteGfxCmp& Sprite() { return sprite; }
    cFontGfxCmp& Font() { return font; }

private:
    cSpriteGfxCmp sprite;
    cFontGfxCmp font;
    cGUIManager* gui = nullptr;
};

}  // namespace Engine
