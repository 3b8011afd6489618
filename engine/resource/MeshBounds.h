#pragma once
// MeshBounds: the bounding volumes of a mesh's points, and the bounds a mesh
// is asked to have.
//
// The box is the component-wise minimum and maximum. The sphere is the quick
// two-pass approximation meshes have always used: start from the pair of
// extreme points (smallest and largest along x, y or z) that lie farthest
// apart, then grow the sphere just enough for each point outside it, in
// order. It is not the smallest sphere, but it holds every point.

#include <vector>

#include "engine/core/AABB.h"
#include "engine/core/Vector3.h"
#include "engine/core/Vector4.h"

namespace Engine {

// The bounds a mesh is loaded with: computed from its points where the
// compute flags ask for it, otherwise the given (catalogue) values.
struct MeshBoundsRequest {
    Vector4 sphere;
    AABB box;
    bool computeSphere = true;
    bool computeBox = true;
};

// The box of the points; all zero for no points.
AABB BoundingBoxOf(const std::vector<Vector3>& points);
// The sphere (centre, radius in w) of the points; one point gives radius 0, no points all zero.
Vector4 BoundingSphereOf(const std::vector<Vector3>& points);

}  // namespace Engine
