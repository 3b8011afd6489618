#pragma once
// Matrix4x4: the engine's 4x4 transform. Sixteen floats stored row by row,
// m[row][column]. Points are column vectors and are transformed as M * v, so
// the translation sits in the last column (m[0][3], m[1][3], m[2][3]) and a
// product applies its right-hand factor first: a full transform composes as
// projection * view * world. Device layers that expect the other layout
// transpose on the way in and out.
//
// Rotations are right-handed about the positive axis: a positive angle turns
// y toward z (about x), z toward x (about y) and x toward y (about z), which
// is counter-clockwise when looking from the positive axis toward the origin.

#include "engine/core/Vector3.h"
#include "engine/core/Vector4.h"

namespace Engine {

struct Matrix4x4 {
    float m[4][4] = {};  // all zero unless set: a forgotten matrix shows up as nothing drawn, not garbage

    // The identity transform.
    static Matrix4x4 Identity();
    // Moves points by t; directions are unaffected.
    static Matrix4x4 Translation(const Vector3& t);
    // Scales along each axis by the matching component of s.
    static Matrix4x4 Scaling(const Vector3& s);
    // Right-handed rotation about the x axis: y turns toward z.
    static Matrix4x4 RotationX(float radians);
    // Right-handed rotation about the y axis: z turns toward x.
    static Matrix4x4 RotationY(float radians);
    // Right-handed rotation about the z axis: x turns toward y.
    static Matrix4x4 RotationZ(float radians);

    // The point p = (x, y, z, 1) transformed: rotation, scale and translation.
    // No division by w, so projective matrices need operator* and a divide.
    Vector3 TransformPoint(const Vector3& p) const;
    // The direction d = (x, y, z, 0) transformed: translation does not apply.
    Vector3 TransformDirection(const Vector3& d) const;

    // Rows and columns swapped.
    Matrix4x4 Transposed() const;

    // The inverse of a general 4x4 matrix. A singular matrix (determinant 0,
    // or so close to 0 that the inverse overflows float) gives the identity,
    // so callers always get a usable transform; *invertible, when given, says
    // whether the result is the true inverse.
    Matrix4x4 Inverse(bool* invertible = nullptr) const;
};

// Matrix product a * b: transforming by it applies b first, then a.
Matrix4x4 operator*(const Matrix4x4& a, const Matrix4x4& b);
// The column vector v transformed: M * v.
Vector4 operator*(const Matrix4x4& a, const Vector4& v);
// Exact equality of all sixteen elements.
bool operator==(const Matrix4x4& a, const Matrix4x4& b);
// Any element differs.
bool operator!=(const Matrix4x4& a, const Matrix4x4& b);

}  // namespace Engine
