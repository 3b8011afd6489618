#pragma once
// Ray: a half-line from an origin along a direction, used for picking and for
// the mouse ray onto the ground. The queries expect a direction of unit
// length and do not normalise it themselves.

#include "engine/core/Vector3.h"

namespace Engine {

struct Ray {
    Vector3 origin;
    Vector3 direction;  // unit length
};

}  // namespace Engine
