#pragma once
// cCollisionAABB: the engine's one collision shape, an axis-aligned box. It is
// an AABB (its min and max corners are public, so entities can size it from a
// scale or copy a mesh's bounding box into it) that re-centres itself on its
// owner's position plus a fixed offset whenever the owner moves. A new box is
// the unit cube around the origin.

#include <cstdint>

#include "engine/core/AABB.h"
#include "engine/core/Vector3.h"
#include "engine/physics/iCollisionCmp.h"

namespace Engine {

class cCollisionAABB : public iCollisionCmp, public AABB {
public:
    // The kind number of this shape.
    static constexpr std::int32_t kKind = 0;

    // The unit cube centred on the origin, no offset.
    cCollisionAABB();

    // Re-centres the box at position + offset, keeping its extents.
    bool UpdatePosition(const Vector3& position) override;
    // Always false: contacts are found by the collision pass, not shape to shape.
    bool TestAgainst(const iCollisionCmp* other) override;
    // The box's kind, 0.
    std::int32_t GetKind() const override;

    // The box behind a shape, or null when there is no shape or it is not a box.
    static cCollisionAABB* Of(iCollisionCmp* shape);

    std::int32_t kind = kKind;
    Vector3 offset;  // added to the owner's position to get the box centre
};

}  // namespace Engine
