#pragma once
// cUIImage: a picture on the screen, one sprite component sized to the
// element. Its visibility is the sprite's.

#include "engine/render/scene/cSpriteGfxCmp.h"
#include "engine/ui/cUIElementBase.h"

namespace Engine {

class cUIImage : public cUIElementBase {
public:
    void Release() override;
    void SetVisible(bool visible) override { sprite.visible = visible; }
    bool IsVisible() const override { return sprite.visible; }
    void Update(float) override {}
    // Resizes the sprite to the element's pixel size besides the transform.
    void Refresh() override;
    // Init as an image, drawing the (already initialised) sprite with the element's transform.
    virtual void InitFromSprite(const std::string& new_name);

    cSpriteGfxCmp& Sprite() { return sprite; }
    const cSpriteGfxCmp& Sprite() const { return sprite; }

private:
    cSpriteGfxCmp sprite;
};

}  // namespace Engine
