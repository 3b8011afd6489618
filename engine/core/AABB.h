#pragma once
// AABB: an axis-aligned box as its lower and upper corners. Plain data; the
// box arithmetic and the overlap tests live with the collision code, and the
// collision shape that wraps a box chooses its own default size. Both corners
// start at the origin here.

#include "engine/core/Vector3.h"

namespace Engine {

struct AABB {
    Vector3 min;  // lower corner, component-wise not greater than max
    Vector3 max;  // upper corner
};

}  // namespace Engine
