#pragma once
// Vector3: three 32-bit floats, the position, direction, scale and extent type
// of the whole engine. Plain value semantics; comparisons are exact, so tests
// that need a tolerance compare components themselves.

#include <cmath>  // std::sqrt for the lengths

namespace Engine {

struct Vector3 {
    float x = 0, y = 0, z = 0;

    // The zero vector.
    constexpr Vector3() = default;
    // A vector from its three components.
    constexpr Vector3(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}

    // Component-wise sum in place.
    constexpr Vector3& operator+=(const Vector3& o) { x += o.x; y += o.y; z += o.z; return *this; }
    // Component-wise difference in place.
    constexpr Vector3& operator-=(const Vector3& o) { x -= o.x; y -= o.y; z -= o.z; return *this; }
    // Scales every component in place.
    constexpr Vector3& operator*=(float s) { x *= s; y *= s; z *= s; return *this; }
    // Divides every component in place (IEEE rules for a zero divisor).
    constexpr Vector3& operator/=(float s) { x /= s; y /= s; z /= s; return *this; }
};

// Component-wise sum.
constexpr Vector3 operator+(Vector3 a, const Vector3& b) { return a += b; }
// Component-wise difference.
constexpr Vector3 operator-(Vector3 a, const Vector3& b) { return a -= b; }
// The opposite vector.
constexpr Vector3 operator-(const Vector3& v) { return {-v.x, -v.y, -v.z}; }
// Scaled by a float, vector first.
constexpr Vector3 operator*(Vector3 v, float s) { return v *= s; }
// Scaled by a float, float first, as formulas are usually written.
constexpr Vector3 operator*(float s, Vector3 v) { return v *= s; }
// Divided by a float.
constexpr Vector3 operator/(Vector3 v, float s) { return v /= s; }
// Exact equality of all three components.
constexpr bool operator==(const Vector3& a, const Vector3& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }
// Any component differs.
constexpr bool operator!=(const Vector3& a, const Vector3& b) { return !(a == b); }

// Dot product.
constexpr float Dot(const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// Cross product a x b (x cross y gives z).
constexpr Vector3 Cross(const Vector3& a, const Vector3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// Squared length, for comparisons that need no square root.
constexpr float LengthSquared(const Vector3& v) { return Dot(v, v); }

// Euclidean length.
inline float Length(const Vector3& v) { return std::sqrt(LengthSquared(v)); }

// Vectors this short or shorter have no usable direction and are left alone.
constexpr float kNormaliseMinLength = 1e-7f;

// The unit vector along v; a vector of length 1e-7 or less comes back
// unchanged, so a zero velocity never turns into NaN.
inline Vector3 Normalise(const Vector3& v) {
    const float length = Length(v);
    if (length <= kNormaliseMinLength) return v;
    return v / length;
}

// Straight-line blend: a at t = 0, b at t = 1, extrapolated outside.
constexpr Vector3 Lerp(const Vector3& a, const Vector3& b, float t) { return a + (b - a) * t; }

// Distance between two points.
inline float Distance(const Vector3& a, const Vector3& b) { return Length(b - a); }

}  // namespace Engine
