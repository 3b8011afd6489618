#pragma once
// cBillBoardGfxCmp: a textured quad in the world that turns to face the
// camera (shadows, glows, markers), drawn after the particles. The owner
// points position at its own position after Initialise and may lift the quad
// by heightOffset or lay it flat on the ground, facing up.
//
// Facing: with P the position and E the active camera's eye, the quad's
// local z axis becomes f = normalise(E - P), its x axis r =
// normalise((0, -1, 0) x f) and its y axis u = normalise(r x f), which is up
// for a camera level with the quad. An eye straight above or below the
// quad gives no such r; r = normalise((0, 0, -1) x f) is used instead so the
// quad keeps facing the eye at its full size. A flat quad uses the fixed axes x ->
// (0, 0, 1), y -> (-1, 0, 0), z -> (0, 1, 0). Both bases are mirror images
// of a rotation (determinant -1): seen from its facing side the quad's
// texture is flipped left to right and its corners wind the other way.
// The matrix moves the quad to (P.x, P.y + heightOffset, P.z); without a
// position it is the identity.
//
// Quads are shared by name; the width and height asked are half extents.

#include <string>

#include "engine/core/Matrix4x4.h"
#include "engine/core/Vector3.h"
#include "engine/render/scene/cQuadGfxCmp.h"

namespace Engine {

class iCameraSlot;
class iSpriteLayers;

class cBillBoardGfxCmp : public cQuadGfxCmp {
public:
    static constexpr std::int32_t kBillboardKind = 5;

    // The facing matrix of a position seen from an eye (see above).
    static Matrix4x4 FacingMatrix(const Vector3& position, const Vector3& eye, bool flat, float height_offset);

    // Loads the facing matrix (or the identity without a position) as the world matrix.
    void ApplyTransform(iRenderer& renderer) override;
    // When visible: the texture matrix, the material, the texture set, the
    // facing matrix, the bound stages' constants and "gEmissiveColor", the
    // quad; then every texture unbinds itself.
    void Draw(iRenderer& renderer) override;
    // Leaves the billboard list and gives every resource back.
    void Release() override;

    // Takes the named quad (half extents width x height when new), texture
    // set and material and joins the billboard list.
    void Initialise(const std::string& mesh_name, float new_width, float new_height,
                    const std::string& texture_set_name, const std::string& material_name);
    // What the pool does to a component it takes back: releases it if it is in use.
    void Reset();

    // The list the billboard joins on Initialise (the scene renderer's); null keeps it out.
    void SetLayers(iSpriteLayers* sprite_layers) { layers = sprite_layers; }
    // Where the eye comes from; without an active camera it is read from the renderer's view matrix.
    void SetCameraSlot(const iCameraSlot* camera_slot) { cameras = camera_slot; }
    bool InList() const { return layers_entered != nullptr; }

    const Vector3* position = nullptr;
    bool flat = false;
    float heightOffset = 0.0f;

private:
    // The active camera's eye, or the eye of the renderer's view matrix.
    Vector3 Eye(const iRenderer& renderer) const;

    iSpriteLayers* layers = nullptr;
    iSpriteLayers* layers_entered = nullptr;
    const iCameraSlot* cameras = nullptr;
};

}  // namespace Engine
