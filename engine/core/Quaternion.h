#pragma once
// Quaternion: the rotation every entity keeps, stored in the order w, x, y, z.
// A unit quaternion (cos a/2, sin a/2 * axis) turns vectors by a radians about
// the axis, right-handed, with the same sense as Matrix4x4's rotations:
// Rotate(v) and ToMatrix().TransformDirection(v) agree. Products compose like
// matrices: (a * b).Rotate(v) == a.Rotate(b.Rotate(v)), b applied first.

#include "engine/core/Matrix4x4.h"
#include "engine/core/Vector3.h"

namespace Engine {

struct Quaternion {
    float w = 1, x = 0, y = 0, z = 0;

    // No rotation: (1, 0, 0, 0).
    constexpr Quaternion() = default;
    // A quaternion from its components in storage order.
    constexpr Quaternion(float w_, float x_, float y_, float z_) : w(w_), x(x_), y(y_), z(z_) {}

    // No rotation.
    static Quaternion Identity();
    // Rotation by radians about axis. The axis is normalised here, so any
    // length will do; one of length 1e-7 or less has no direction and gives
    // the identity.
    static Quaternion FromAxisAngle(const Vector3& axis, float radians);
    // Rotation from angles in degrees, applied to a vector in the order roll
    // about z first, then pitch about x, then yaw about y:
    // result = yaw * pitch * roll.
    static Quaternion FromEulerDegrees(float pitch_x, float yaw_y, float roll_z);

    // Scaled to unit length; a quaternion of length 1e-7 or less comes back
    // unchanged rather than dividing by almost nothing.
    Quaternion Normalised() const;
    // (w, -x, -y, -z): the inverse rotation of a unit quaternion.
    Quaternion Conjugate() const;
    // v turned by this rotation (q v q* for a unit quaternion).
    Vector3 Rotate(const Vector3& v) const;
    // The rotation matrix of (w, x, y, z) with no translation: row 0 is
    // 1-2(y2+z2), 2(xy-wz), 2(xz+wy); row 1 2(xy+wz), 1-2(x2+z2), 2(yz-wx);
    // row 2 2(xz-wy), 2(yz+wx), 1-2(x2+y2); row 3 (0, 0, 0, 1).
    Matrix4x4 ToMatrix() const;
};

// Hamilton product a * b: the rotation b followed by a.
Quaternion operator*(const Quaternion& a, const Quaternion& b);
// Exact equality of all four components.
bool operator==(const Quaternion& a, const Quaternion& b);
// Any component differs.
bool operator!=(const Quaternion& a, const Quaternion& b);

}  // namespace Engine
