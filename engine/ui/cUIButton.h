#pragma once
// cUIButton: a clickable sprite with a caption. The sprite's texture set
// holds four cells side by side, one per look: idle, mouse over, clicked and
// disabled, each a one-frame animation. Hovering shows the mouse-over cell
// and calls onHover, leaving shows idle again, and a press shows the clicked
// cell; the click itself (press and release over the button) is the mouse
// listener's. The button is visible only when sprite and caption both are.

#include <string>

#include "engine/ui/cUIInteractiveElement.h"

namespace Engine {

class cUIButton : public cUIInteractiveElement {
public:
    static constexpr float kFrameTime = 0.033333335f;
    static constexpr const char* kIdle = "ButtonIdle";
    static constexpr const char* kMouseOver = "ButtonMouseOver";
    static constexpr const char* kClicked = "ButtonClicked";
    static constexpr const char* kDisabled = "ButtonDisabled";

    void Release() override;
    void SetVisible(bool visible) override;
    bool IsVisible() const override { return sprite.visible && font.visible; }
    void Update(float) override {}
    void SetPosition(const UIVector2& position) override;
    void Refresh() override;
    void OnMouseOver() override;
    void OnMouseOut() override;
    void OnPress() override;

    // Cuts the sprite into frames of the size (none when 0) and adds the four looks, showing idle.
    void AddLooks(uint32_t frame_width, uint32_t frame_height);
    // Init as a button over the initialised sprite and caption.
    void InitButton(const std::string& new_name);

    void SetText(const std::string& text) { font.text = text; }
    const std::string& Text() const { return font.text; }
    // The look shown now ("" without a texture set to animate).
    std::string CurrentLook() const;
    cSpriteGfxCmp& Sprite() { return sprite; }
    cFontGfxCmp& Font() { return font; }

private:
    void Show(const char* look);

    cSpriteGfxCmp sprite;
    cFontGfxCmp font;
};

}  // namespace Engine
