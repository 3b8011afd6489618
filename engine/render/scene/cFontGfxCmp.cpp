#include "engine/render/scene/cFontGfxCmp.h"

#include "engine/core/cLog.h"
#include "engine/render/cRenderSystem.h"
#include "engine/render/iFontManager.h"

namespace Engine {

void cFontGfxCmp::Draw(iRenderer&) {
    if (!visible) return;
    iFontManager* manager = fonts ? fonts : cRenderSystem::Instance().FontManager();
    if (manager) manager->DrawTextInRect(text, rectangle, format, emissive, kDefaultFont);
}

void cFontGfxCmp::Initialise(const std::string& new_text, const Vector4& new_rectangle, uint32_t new_format,
                             uint8_t new_layer) {
    Activate(kTextKind);
    emissive = kNewTextColour;
    text = new_text;
    rectangle = new_rectangle;
    format = new_format;
    LeaveLayer();
    if (new_layer == iSpriteLayers::kNoLayer) return;
    if (new_layer >= iSpriteLayers::kLayerCount) {
        LogError("text layer " + std::to_string(new_layer) + " does not exist (0 to 10); the text is in no layer");
        return;
    }
    layer = new_layer;
    if (layers == nullptr) return;
    layers->AddText(*this, layer);
    layers_entered = layers;
}

void cFontGfxCmp::Release() {
    text.clear();
    emissive = ColorRGBA{0.0f, 0.0f, 0.0f, 0.0f};
    format = 0;
    LeaveLayer();
    iGraphicsCmp::Release();
}

void cFontGfxCmp::Reset() {
    if (kind != kReleasedKind) Release();
}

void cFontGfxCmp::LeaveLayer() {
    if (layers_entered) layers_entered->RemoveText(*this);
    layers_entered = nullptr;
    layer = iSpriteLayers::kNoLayer;
}

}  // namespace Engine
