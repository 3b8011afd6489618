#pragma once
// cSpriteGfxCmp: a picture on the screen: a quad in pixels, drawn in the
// scene renderer's 2D pass with the view matrix set to its owner's transform.
// A sprite lives in one of the eleven sprite layers (0 to 10, drawn in that
// order), sorted there by texture set so that sprites sharing a sheet bind
// it once; kNoLayer marks a sprite in no layer.
//
// Quads are shared by name: a second sprite asking for a quad name already
// made gets that quad whatever size it asks, and SetSize rewrites the
// corners of the shared quad, for every sprite using it.

#include <cstdint>
#include <string>

#include "engine/render/scene/cQuadGfxCmp.h"
#include "engine/render/scene/iSpriteLayers.h"

namespace Engine {

class cSpriteGfxCmp : public cQuadGfxCmp {
public:
    static constexpr std::int32_t kSpriteKind = 0;

    // When visible: the cell's texture matrix, the material, the texture set,
    // the transform, the quad; then every texture unbinds itself.
    void Draw(iRenderer& renderer) override;
    // When visible: the texture matrix and transform, the bound stages'
    // constants and "gEmissiveColor", the quad, with whatever the pass bound.
    void DrawPlain(iRenderer& renderer) override;
    // Leaves its layer and gives every resource back.
    void Release() override;

    // Takes the named quad (made width x height pixels when new), texture set
    // and material and enters the layer (0 to 10), leaving any layer it was
    // in. A layer out of range is logged and the sprite stays in none.
    void Initialise(const std::string& mesh_name, float new_width, float new_height,
                    const std::string& texture_set_name, const std::string& material_name, uint8_t new_layer);
    // What the pool does to a component it takes back: releases it if it is in use.
    void Reset();
    // Stores the size and moves the quad's corners to (+-width/2, +-height/2, 0).
    void SetSize(float new_width, float new_height);
    // Changes the texture set, moving the sprite within its layer; the same name changes nothing.
    void SetTextureSet(const std::string& name);

    // The layers the sprite enters on Initialise (the scene renderer's); null keeps it out of any.
    void SetLayers(iSpriteLayers* sprite_layers) { layers = sprite_layers; }
    uint8_t Layer() const { return layer; }

private:
    void EnterLayer(uint8_t new_layer);
    void LeaveLayer();

    uint8_t layer = iSpriteLayers::kNoLayer;
    iSpriteLayers* layers = nullptr;
    // The layers the sprite is in now, so that leaving uses those.
    iSpriteLayers* layers_entered = nullptr;
};

}  // namespace Engine
