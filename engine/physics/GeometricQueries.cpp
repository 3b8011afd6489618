#include "engine/physics/GeometricQueries.h"

#include <cmath>  // std::fabs, std::sqrt

namespace Engine {

namespace {

// Signed distance of point from plane.
float PlaneDistance(const Vector4& plane, const Vector3& point) { return Dot(plane.Xyz(), point) + plane.w; }

}  // namespace

bool RayHitsSphere(const Vector4& sphere, const Ray& ray) {
    const Vector3 m = sphere.Xyz() - ray.origin;
    const float r2 = sphere.w * sphere.w;
    const float m2 = LengthSquared(m);
    if (r2 > m2) return true;
    const float q = Dot(m, ray.direction);
    return q >= 0 && r2 >= m2 - q * q;
}

bool RaySphereDistance(const Vector4& sphere, const Ray& ray, float& distance) {
    const Vector3 m = sphere.Xyz() - ray.origin;
    const float b = LengthSquared(m);
    const float r2 = sphere.w * sphere.w;
    if (b < r2) {
        distance = 0;
        return true;
    }
    const float d = Dot(m, ray.direction);
    if (d < 0) return false;
    const float e = b - d * d;
    if (r2 < e) return false;
    distance = d - std::sqrt(r2 - e);
    return true;
}

bool RayPlaneDistance(const Vector4& plane, const Ray& ray, float& distance) {
    const Vector3 normal = plane.Xyz();
    const float e = Dot(normal, ray.origin);
    const float f = plane.w + e;
    if (f == 0) {
        distance = 0;
        return true;
    }
    const float b = Dot(normal, ray.direction);
    // Parallel and off the plane: the ray never reaches it, so there is no
    // distance to give (dividing would report a hit at infinity).
    if (b == 0) return false;
    if ((f > 0 && b > 0) || (f < 0 && b < 0)) return false;
    distance = (-plane.w - e) / b;
    return true;
}

bool SphereInFrustum(const Frustum& frustum, const Vector4& sphere) {
    const float radius = sphere.w;
    for (const Vector4& plane : frustum.planes) {
        const float dist = PlaneDistance(plane, sphere.Xyz());
        if (std::fabs(dist) < radius) return true;
        // Not crossing: outside, or touching the plane from inside at exactly -radius.
        if (dist >= -radius) return false;
    }
    return true;
}

bool BoxInFrustum(const Frustum& frustum, const AABB& box) {
    const Vector3 half = (box.max - box.min) * 0.5f;
    const Vector3 centre = box.max - half;
    for (const Vector4& plane : frustum.planes) {
        const float r = half.x * std::fabs(plane.x) + half.y * std::fabs(plane.y) + half.z * std::fabs(plane.z);
        const float s = PlaneDistance(plane, centre);
        if (r >= std::fabs(s)) return true;
        if (!(s < -r)) return false;
    }
    return true;
}

bool PointInFrustum(const Frustum& frustum, const Vector3& point) {
    for (const Vector4& plane : frustum.planes) {
        const float x = PlaneDistance(plane, point);
        if (x < 0) continue;
        return x == 0;
    }
    return true;
}

}  // namespace Engine
