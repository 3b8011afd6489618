#pragma once
// cUIMouseCursor: the on-screen pointer, a sprite drawn above every other GUI
// layer whose top left corner sits at the pointer. Its sheet holds four 128 x
// 128 cells that play once ("mouseAnim", 0.3 s a cell) when the cursor is
// made; afterwards the cursor waits a random one to three seconds and plays
// them again, so it blinks now and then while idle. The waits come from a
// generator of the cursor's own, started from the process seed: a blink is
// no game event, and drawing from the game's generator would make play's
// random sequence hang on how the pointer is drawn.

#include <cstdint>
#include <string>

#include "engine/render/scene/cSpriteGfxCmp.h"
#include "engine/ui/cUIElementBase.h"

namespace Engine {

class cUIMouseCursor : public cUIElementBase {
public:
    static constexpr const char* kName = "MouseCursor";
    static constexpr const char* kSpriteName = "MouseCursorSprite";
    static constexpr const char* kAnimation = "mouseAnim";
    static constexpr uint8_t kLayer = 10;
    static constexpr uint32_t kCellSize = 128;
    static constexpr uint32_t kLastFrame = 3;
    static constexpr float kFrameTime = 0.3f;

    void Release() override;
    void SetVisible(bool visible) override { sprite.visible = visible; }
    bool IsVisible() const override { return sprite.visible; }
    // Places the sprite, and once the animation has ended counts towards the next blink.
    void Update(float dt) override;
    void SetPosition(const UIVector2& position) override;
    UIVector2 GetScreenPosition() const override { return screenPos; }
    void SetScale(const UIVector2& scale) override;
    void Refresh() override;

    // Makes the sprite (width x height pixels of the texture set, in the top
    // layer) and starts the animation; the hotspot is kept for the pointer's tip.
    void InitCursor(const std::string& texture_set, float cursor_width, float cursor_height,
                    const UIVector2& cursor_hotspot);
    // Puts the pointer's corner at the GUI pixel position.
    void MoveTo(const UIVector2& gui_position);

    bool IsReady() const { return ready != 0; }
    const UIVector2& Hotspot() const { return hotspot; }
    float IdleTimer() const { return idleTimer; }
    cSpriteGfxCmp& Sprite() { return sprite; }
    const cSpriteGfxCmp& Sprite() const { return sprite; }

    UIVector2 screenPos;
    float idleTimer = 0.0f;
    float idleInterval = 0.0f;

private:
    // The transform with the quad's top left corner on the pointer.
    void Place();

    cSpriteGfxCmp sprite;
    std::uint32_t blink_random = 1;
    uint8_t ready = 0;
    UIVector2 hotspot;
};

}  // namespace Engine
