#include "engine/core/Quaternion.h"

#include <cmath>  // std::sin, std::cos, std::sqrt

#include "engine/core/MathConstants.h"  // DegToRad for the Euler angles

namespace Engine {

Quaternion Quaternion::Identity() { return {}; }

Quaternion Quaternion::FromAxisAngle(const Vector3& axis, float radians) {
    if (Length(axis) <= kNormaliseMinLength) return Identity();
    const Vector3 unit = Normalise(axis);
    const float half = radians * 0.5f;
    const float s = std::sin(half);
    return {std::cos(half), unit.x * s, unit.y * s, unit.z * s};
}

Quaternion Quaternion::FromEulerDegrees(float pitch_x, float yaw_y, float roll_z) {
    const Quaternion pitch = FromAxisAngle({1, 0, 0}, DegToRad(pitch_x));
    const Quaternion yaw = FromAxisAngle({0, 1, 0}, DegToRad(yaw_y));
    const Quaternion roll = FromAxisAngle({0, 0, 1}, DegToRad(roll_z));
    return yaw * pitch * roll;
}

Quaternion Quaternion::Normalised() const {
    const float length = std::sqrt(w * w + x * x + y * y + z * z);
    if (length <= kNormaliseMinLength) return *this;
    return {w / length, x / length, y / length, z / length};
}

Quaternion Quaternion::Conjugate() const { return {w, -x, -y, -z}; }

Vector3 Quaternion::Rotate(const Vector3& v) const {
    // q v q* expanded: v + w t + u x t with u the vector part and t = 2 u x v.
    const Vector3 u(x, y, z);
    const Vector3 t = 2.0f * Cross(u, v);
    return v + w * t + Cross(u, t);
}

Matrix4x4 Quaternion::ToMatrix() const {
    Matrix4x4 r = Matrix4x4::Identity();
    r.m[0][0] = 1 - 2 * (y * y + z * z);
    r.m[0][1] = 2 * (x * y - w * z);
    r.m[0][2] = 2 * (x * z + w * y);
    r.m[1][0] = 2 * (x * y + w * z);
    r.m[1][1] = 1 - 2 * (x * x + z * z);
    r.m[1][2] = 2 * (y * z - w * x);
    r.m[2][0] = 2 * (x * z - w * y);
    r.m[2][1] = 2 * (y * z + w * x);
    r.m[2][2] = 1 - 2 * (x * x + y * y);
    return r;
}

Quaternion operator*(const Quaternion& a, const Quaternion& b) {
    return {a.w * b.w - a.x * b.x - a.y * b.y - a.z * b.z,
            a.w * b.x + a.x * b.w + a.y * b.z - a.z * b.y,
            a.w * b.y - a.x * b.z + a.y * b.w + a.z * b.x,
            a.w * b.z + a.x * b.y - a.y * b.x + a.z * b.w};
}

bool operator==(const Quaternion& a, const Quaternion& b) {
    return a.w == b.w && a.x == b.x && a.y == b.y && a.z == b.z;
}

bool operator!=(const Quaternion& a, const Quaternion& b) { return !(a == b); }

}  // namespace Engine
