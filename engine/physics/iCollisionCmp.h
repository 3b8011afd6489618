#pragma once
// iCollisionCmp: the volume a physics object occupies. A physics object owns
// exactly one shape and asks it to follow the object's position after every
// integration step; the collision pass reads the shape's extents to find and
// resolve contacts. The kind number says which concrete shape is behind the
// interface, so the collision code can reach the shape's own extents.

#include <cstdint>

#include "engine/core/Vector3.h"

namespace Engine {

class iCollisionCmp {
public:
    // Shapes are owned and deleted through this interface by their physics object.
    virtual ~iCollisionCmp() = default;

    // Moves the shape so that it follows its owner at position.
    virtual bool UpdatePosition(const Vector3& position) = 0;
    // Shape-to-shape test; no caller relies on it, pairs are tested by the collision pass.
    virtual bool TestAgainst(const iCollisionCmp* other) = 0;
    // The shape's kind: 0 is the axis-aligned box, the only kind there is.
    virtual std::int32_t GetKind() const = 0;
};

}  // namespace Engine
