#pragma once
// cQuadGfxCmp: what sprites and billboards share: a textured quad from the
// mesh manager, a material and a texture set fetched by name, and a sprite
// sheet cut into cells (SpriteCells) that an animation set steps through.
//
// Before each draw the texture matrix is rebuilt from the texture scale and
// the offsets of the animation's current frame and loaded as the texture
// matrix, so the quad shows one cell. Without a cell size the scale is 1 and
// the whole texture shows.
//
// Animation sets come from the animation registry's pool; a set starts
// paused (the registry's rule), so its owner unpauses it to run it.

#include <cstdint>
#include <string>

#include "engine/core/Matrix4x4.h"
#include "engine/core/Vector3.h"
#include "engine/render/iGraphicsCmp.h"
#include "engine/render/scene/SpriteCells.h"

namespace Engine {

class cMaterial;
class cMesh;
class cSpriteAnimationSet;
class cTextureSet;

class cQuadGfxCmp : public iGraphicsCmp {
public:
    static constexpr ColorRGBA kReleasedEmissive{0.0f, 0.0f, 0.0f, 1.0f};
    static constexpr const char* kEmissiveConstant = "gEmissiveColor";

    // A new quad starts as a released one does, with an opaque colour
    // constant: the GUI shader multiplies the texture's alpha by it.
    cQuadGfxCmp() { emissive = kReleasedEmissive; }

    // Cuts the first texture of the set into cells of the size (pixels). A
    // size that does not fit is logged and the whole texture becomes one
    // cell; a set without a texture is logged and the cells stay as they
    // were. False in both cases.
    bool SetCellSize(uint32_t cell_width, uint32_t cell_height);
    // Adds a named frame range to the animation set, taking a set from the
    // pool first (with this frame time) when there is none; a later call's
    // frame time is ignored.
    void StartAnimation(const std::string& name, uint32_t first, uint32_t last, float seconds_per_frame);
    // Rebuilds the texture matrix for the current frame and loads it as the texture matrix.
    void LoadTextureMatrix(iRenderer& renderer);
    // The offsets of the current frame: (0, 0) without an animation set.
    TextureOffsets CurrentOffsets() const;

    cMesh* Quad() const { return quad; }
    cMaterial* Material() const { return material; }
    cTextureSet* TextureSet() const { return textureSet; }
    cSpriteAnimationSet* Animation() const { return animation; }
    const SpriteCells& Cells() const { return cells; }
    const Vector3& TextureScale() const { return textureScale; }
    const Matrix4x4& TextureMatrix() const { return textureMatrix; }
    float Width() const { return width; }
    float Height() const { return height; }

protected:

    // Takes the quad (already counted by the mesh manager), the material and
    // the texture set, and starts the texture transform from scratch.
    void TakeResources(cMesh* new_quad, const std::string& texture_set_name, const std::string& material_name);
    // Gives back the animation set, material, texture set and quad; clears the sizes.
    void ReleaseResources();
    // Swaps the texture set for the named one; false when the manager has none to give.
    bool ReplaceTextureSet(const std::string& name);
    // The material's render states and program, then the texture set.
    void BindOwn(iRenderer& renderer);
    // Lets every texture of the set unbind itself.
    void UnbindOwnTextures();
    // Sends the bound vertex stage its constants and matrices and the bound pixel stage the emissive colour.
    void UploadToBoundStages();
    void DrawQuad(iRenderer& renderer);

    cMesh* quad = nullptr;
    cMaterial* material = nullptr;
    cTextureSet* textureSet = nullptr;
    cSpriteAnimationSet* animation = nullptr;
    float width = 0.0f;
    float height = 0.0f;
    SpriteCells cells;
    Vector3 textureScale{1.0f, 1.0f, 1.0f};
    Matrix4x4 textureMatrix = Matrix4x4::Identity();
};

}  // namespace Engine
