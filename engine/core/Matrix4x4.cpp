#include "engine/core/Matrix4x4.h"

#include <cmath>  // std::sin, std::cos, std::isfinite

namespace Engine {

Matrix4x4 Matrix4x4::Identity() {
    Matrix4x4 r;
    for (int i = 0; i < 4; ++i) r.m[i][i] = 1.0f;
    return r;
}

Matrix4x4 Matrix4x4::Translation(const Vector3& t) {
    Matrix4x4 r = Identity();
    r.m[0][3] = t.x;
    r.m[1][3] = t.y;
    r.m[2][3] = t.z;
    return r;
}

Matrix4x4 Matrix4x4::Scaling(const Vector3& s) {
    Matrix4x4 r;
    r.m[0][0] = s.x;
    r.m[1][1] = s.y;
    r.m[2][2] = s.z;
    r.m[3][3] = 1.0f;
    return r;
}

Matrix4x4 Matrix4x4::RotationX(float radians) {
    const float c = std::cos(radians), s = std::sin(radians);
    Matrix4x4 r = Identity();
    r.m[1][1] = c;
    r.m[1][2] = -s;
    r.m[2][1] = s;
    r.m[2][2] = c;
    return r;
}

Matrix4x4 Matrix4x4::RotationY(float radians) {
    const float c = std::cos(radians), s = std::sin(radians);
    Matrix4x4 r = Identity();
    r.m[0][0] = c;
    r.m[0][2] = s;
    r.m[2][0] = -s;
    r.m[2][2] = c;
    return r;
}

Matrix4x4 Matrix4x4::RotationZ(float radians) {
    const float c = std::cos(radians), s = std::sin(radians);
    Matrix4x4 r = Identity();
    r.m[0][0] = c;
    r.m[0][1] = -s;
    r.m[1][0] = s;
    r.m[1][1] = c;
    return r;
}

Vector3 Matrix4x4::TransformPoint(const Vector3& p) const {
    return (*this * Vector4(p, 1.0f)).Xyz();
}

Vector3 Matrix4x4::TransformDirection(const Vector3& d) const {
    return (*this * Vector4(d, 0.0f)).Xyz();
}

Matrix4x4 Matrix4x4::Transposed() const {
    Matrix4x4 r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) r.m[j][i] = m[i][j];
    return r;
}

namespace {

// Determinant of the 3x3 minor of a that leaves out row `row` and column `col`.
double Minor(const double a[4][4], int row, int col) {
    int rows[3], cols[3];
    for (int i = 0, n = 0; i < 4; ++i)
        if (i != row) rows[n++] = i;
    for (int j = 0, n = 0; j < 4; ++j)
        if (j != col) cols[n++] = j;
    auto at = [&](int i, int j) { return a[rows[i]][cols[j]]; };
    return at(0, 0) * (at(1, 1) * at(2, 2) - at(1, 2) * at(2, 1)) -
           at(0, 1) * (at(1, 0) * at(2, 2) - at(1, 2) * at(2, 0)) +
           at(0, 2) * (at(1, 0) * at(2, 1) - at(1, 1) * at(2, 0));
}

}  // namespace

Matrix4x4 Matrix4x4::Inverse(bool* invertible) const {
    // Cofactors in double: the float result then keeps nearly full precision.
    double a[4][4], cofactor[4][4];
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) a[i][j] = m[i][j];
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) cofactor[i][j] = ((i + j) % 2 ? -1.0 : 1.0) * Minor(a, i, j);
    double det = 0.0;
    for (int j = 0; j < 4; ++j) det += a[0][j] * cofactor[0][j];

    Matrix4x4 r;
    bool ok = det != 0.0;
    // The inverse is the adjugate (transposed cofactors) over the determinant.
    for (int i = 0; ok && i < 4; ++i)
        for (int j = 0; ok && j < 4; ++j) {
            r.m[i][j] = static_cast<float>(cofactor[j][i] / det);
            ok = std::isfinite(r.m[i][j]);
        }
    if (invertible) *invertible = ok;
    return ok ? r : Identity();
}

Matrix4x4 operator*(const Matrix4x4& a, const Matrix4x4& b) {
    Matrix4x4 r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            for (int k = 0; k < 4; ++k) r.m[i][j] += a.m[i][k] * b.m[k][j];
    return r;
}

Vector4 operator*(const Matrix4x4& a, const Vector4& v) {
    const float in[4] = {v.x, v.y, v.z, v.w};
    float out[4] = {};
    for (int i = 0; i < 4; ++i)
        for (int k = 0; k < 4; ++k) out[i] += a.m[i][k] * in[k];
    return {out[0], out[1], out[2], out[3]};
}

bool operator==(const Matrix4x4& a, const Matrix4x4& b) {
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            if (a.m[i][j] != b.m[i][j]) return false;
    return true;
}

bool operator!=(const Matrix4x4& a, const Matrix4x4& b) { return !(a == b); }

}  // namespace Engine
