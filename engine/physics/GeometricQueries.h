#pragma once
// GeometricQueries: the ray, sphere, plane and frustum tests that picking,
// the mouse ray, billboards, render culling and particle culling share.
// Spheres are Vector4 (centre, radius), planes Vector4 (nx, ny, nz, d) with
// signed distance n . p + d. The frustum tests are deliberately cheap: they
// walk the planes in order and answer at the first plane that decides, so a
// shape crossing any plane counts as visible.

#include "engine/core/AABB.h"
#include "engine/core/Vector3.h"
#include "engine/core/Vector4.h"
#include "engine/physics/Frustum.h"
#include "engine/physics/Ray.h"

namespace Engine {

// Whether the ray starts inside the sphere or passes through it ahead of its origin.
bool RayHitsSphere(const Vector4& sphere, const Ray& ray);
// As RayHitsSphere, writing the distance to the entry point (0 from inside).
bool RaySphereDistance(const Vector4& sphere, const Ray& ray, float& distance);
// Whether the ray meets the plane, writing the distance along the ray (0 for
// an origin on the plane). A ray pointing away from the plane, or running
// parallel to it off the plane, does not meet it and leaves distance alone.
bool RayPlaneDistance(const Vector4& plane, const Ray& ray, float& distance);
// Whether the sphere crosses a plane or lies inside all six.
bool SphereInFrustum(const Frustum& frustum, const Vector4& sphere);
// Whether the box crosses a plane or lies inside all six.
bool BoxInFrustum(const Frustum& frustum, const AABB& box);
// Whether the point is inside all six planes, or on the first plane it is not inside.
bool PointInFrustum(const Frustum& frustum, const Vector3& point);

}  // namespace Engine
