#pragma once
// Vector4: four 32-bit floats. Besides homogeneous points (x, y, z, w) it
// carries two shapes the collision and culling code share: a sphere as
// (centre x, y, z, radius) and a plane as (a, b, c, d), where the signed
// distance of a point p is a*px + b*py + c*pz + d.

#include "engine/core/Vector3.h"

namespace Engine {

struct Vector4 {
    float x = 0, y = 0, z = 0, w = 0;

    // The zero vector.
    constexpr Vector4() = default;
    // A vector from its four components.
    constexpr Vector4(float x_, float y_, float z_, float w_) : x(x_), y(y_), z(z_), w(w_) {}
    // A Vector3 extended by w: (point, 1), (direction, 0) or (centre, radius).
    constexpr Vector4(const Vector3& v, float w_) : x(v.x), y(v.y), z(v.z), w(w_) {}

    // The first three components: the point, the sphere centre or the plane normal.
    constexpr Vector3 Xyz() const { return {x, y, z}; }
};

// Exact equality of all four components.
constexpr bool operator==(const Vector4& a, const Vector4& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z && a.w == b.w;
}
// Any component differs.
constexpr bool operator!=(const Vector4& a, const Vector4& b) { return !(a == b); }

}  // namespace Engine
