#pragma once
// cFontGfxCmp: a line of text on the screen, drawn by the font manager with
// the default font inside a rectangle (left, bottom, right, top in pixels,
// origin at the bottom left) laid out by eTextFormat flags. The emissive
// colour is the text colour; a new text is yellow. Texts live in one of the
// eleven text layers, drawn after the sprites of the same layer; kNoLayer
// marks a text in no layer.

#include <cstdint>
#include <string>

#include "engine/core/Vector4.h"
#include "engine/render/iGraphicsCmp.h"
#include "engine/render/scene/iSpriteLayers.h"

namespace Engine {

class iFontManager;

class cFontGfxCmp : public iGraphicsCmp {
public:
    static constexpr std::int32_t kTextKind = 1;
    static constexpr std::int32_t kDefaultFont = 0;
    static constexpr ColorRGBA kNewTextColour{1.0f, 1.0f, 0.0f, 1.0f};

    // Text has no transform of its own.
    void ApplyTransform(iRenderer&) override {}
    // When visible: the text in its rectangle through the render system's font manager.
    void Draw(iRenderer& renderer) override;
    // Clears the text and leaves its layer.
    void Release() override;

    // Stores the text, rectangle and format and enters the text layer (0 to
    // 10), leaving any layer it was in; a layer out of range is logged and
    // the text stays in none.
    void Initialise(const std::string& new_text, const Vector4& new_rectangle, uint32_t new_format,
                    uint8_t new_layer);
    // What the pool does to a component it takes back: releases it if it is in use.
    void Reset();
    // Draws through the given font manager instead of the render system's (null: the render system's).
    void SetFontManager(iFontManager* manager) { fonts = manager; }
    // The layers the text enters on Initialise (the scene renderer's); null keeps it out of any.
    void SetLayers(iSpriteLayers* sprite_layers) { layers = sprite_layers; }

    uint8_t Layer() const { return layer; }

    std::string text;
    Vector4 rectangle;
    uint32_t format = 0;

private:
    void LeaveLayer();

    uint8_t layer = iSpriteLayers::kNoLayer;
    iSpriteLayers* layers = nullptr;
    iSpriteLayers* layers_entered = nullptr;
    iFontManager* fonts = nullptr;
};

}  // namespace Engine
