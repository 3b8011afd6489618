#pragma once
// Frustum: the six planes of a view volume, each a Vector4 (nx, ny, nz, d)
// with its normal pointing out of the volume, so a point inside is at a
// negative distance from every plane. The culling queries walk the planes in
// array order and may stop at the first one that decides.

#include "engine/core/Vector4.h"

namespace Engine {

struct Frustum {
    static constexpr int kPlaneCount = 6;
    Vector4 planes[kPlaneCount];
};

}  // namespace Engine
