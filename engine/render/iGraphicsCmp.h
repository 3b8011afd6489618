#pragma once
// iGraphicsCmp: the base of the components through which an entity shows
// itself (model, sprite, billboard, text). A component is taken from its pool,
// initialised by its owner, and released and handed back when the owner is
// done with it. While in use it points at its owner's world matrix, and its
// visible flag decides whether it draws anything: an inactive entity keeps its
// component but turns the flag off.
//
// The drawing slots come first: ApplyTransform loads the owner's matrix into
// the renderer, Draw is a full draw with the component's own material and
// texture set, DrawPlain draws with whatever the pass has bound. The entity
// framework relies only on the kind, the transform pointer, the visible flag,
// Activate and Release.

#include <cstdint>

#include "engine/core/ColorRGBA.h"
#include "engine/core/Matrix4x4.h"
#include "engine/render/eMatrixMode.h"
#include "engine/render/iRenderer.h"

namespace Engine {

class iGraphicsCmp {
public:
    // The kind a released component carries until it is initialised again.
    static constexpr std::int32_t kReleasedKind = 6;

    // Loads the owner's matrix (or the identity when there is none) into matrixMode.
    virtual void ApplyTransform(iRenderer& renderer) {
        renderer.SetMatrix(matrixMode, transform ? *transform : Matrix4x4::Identity(), 0);
    }
    // A full draw that binds the component's own material and texture set.
    virtual void Draw(iRenderer&) {}
    // A draw with whatever program and textures the pass has bound.
    virtual void DrawPlain(iRenderer&) {}
    // A per-frame hook; no component uses it yet.
    virtual void Tick() {}

    // Marks the component as in use with the given kind and makes it visible.
    virtual void Activate(std::int32_t new_kind) {
        kind = new_kind;
        visible = true;
    }

    virtual ~iGraphicsCmp() = default;

    // Drops the owner's transform and hides the component; derived components
    // also give back the resources they hold.
    virtual void Release() {
        kind = kReleasedKind;
        transform = nullptr;
        visible = false;
    }

    // Sprite 0, text 1, model 2, billboard 5; 6 once released.
    std::int32_t kind = kReleasedKind;
    // The owner's world matrix, or null for the identity.
    const Matrix4x4* transform = nullptr;
    // The renderer matrix mode the transform goes into: world for models and billboards, view for sprites.
    std::int32_t matrixMode = MM_World;
    // An invisible component draws nothing.
    bool visible = false;
    // The component's colour constant for shaders.
    ColorRGBA emissive{0, 0, 0, 0};
};

}  // namespace Engine
