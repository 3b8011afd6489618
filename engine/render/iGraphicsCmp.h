#pragma once
// iGraphicsCmp: the base of the components through which an entity shows
// itself (model, sprite, billboard, text). A component is taken from its pool,
// initialised by its owner, and released and handed back when the owner is
// done with it. While in use it points at its owner's world matrix, and its
// visible flag decides whether it draws anything: an inactive entity keeps its
// component but turns the flag off.
//
// This header holds the part of the interface the entity framework relies on:
// the kind, the transform pointer, the visible flag, Activate and Release. The
// drawing operations (ApplyTransform, Draw, DrawPlain and the spare hook) take
// the first slots, ahead of Activate, when the renderer side is written.

#include <cstdint>

#include "engine/core/Matrix4x4.h"

namespace Engine {

class iGraphicsCmp {
public:
    // The kind a released component carries until it is initialised again.
    static constexpr std::int32_t kReleasedKind = 6;

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
    // An invisible component draws nothing.
    bool visible = false;
};

}  // namespace Engine
