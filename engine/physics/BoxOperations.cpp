#include "engine/physics/BoxOperations.h"

#include <cmath>  // std::sqrt

namespace Engine {

float AxisOf(const Vector3& v, int axis) { return axis == 0 ? v.x : (axis == 1 ? v.y : v.z); }

float& AxisOf(Vector3& v, int axis) { return axis == 0 ? v.x : (axis == 1 ? v.y : v.z); }

Vector3 BoxCentre(const AABB& box) {
    return Vector3((box.min.x + box.max.x) / 2, (box.min.y + box.max.y) / 2, (box.min.z + box.max.z) / 2);
}

void Recentre(AABB& box, const Vector3& centre) {
    const Vector3 half = (box.max - box.min) * 0.5f;
    box.min = centre - half;
    box.max = centre + half;
}

void SetHalfExtents(AABB& box, const Vector3& half) {
    const Vector3 centre = BoxCentre(box);
    box.min = centre - half;
    box.max = centre + half;
}

void SetCentreAndSize(AABB& box, const Vector3& centre, float width, float height, float depth) {
    box.min = Vector3(centre.x - width * 0.5f, centre.y - height * 0.5f, centre.z - depth * 0.5f);
    box.max = Vector3(width * 0.5f + centre.x, height * 0.5f + centre.y, depth * 0.5f + centre.z);
}

namespace {

// Length of column c of the upper 3x3 block: the scale the matrix applies along axis c.
float ColumnLength(const Matrix4x4& m, int c) {
    return std::sqrt(m.m[0][c] * m.m[0][c] + m.m[1][c] * m.m[1][c] + m.m[2][c] * m.m[2][c]);
}

}  // namespace

void TransformBox(const Matrix4x4& matrix, AABB& box) {
    const Vector4 moved = matrix * Vector4(BoxCentre(box), 1.0f);
    const Vector3 centre = moved.Xyz();
    Recentre(box, centre);
    Vector3 half = (box.max - box.min) * 0.5f;
    half.x *= ColumnLength(matrix, 0);
    half.y *= ColumnLength(matrix, 1);
    half.z *= ColumnLength(matrix, 2);
    box.min = centre - half;
    box.max = centre + half;
}

Vector4 BoundingSphere(const AABB& box) {
    const Vector3 half = (box.max - box.min) * 0.5f;
    return Vector4(BoxCentre(box), std::sqrt(half.x * half.x + half.y * half.y + half.z * half.z));
}

bool BoxesOverlap(const AABB& a, const AABB& b) {
    if (b.min.x > a.max.x || a.min.x > b.max.x) return false;
    if (b.min.y > a.max.y || a.min.y > b.max.y) return false;
    if (b.min.z > a.max.z || a.min.z > b.max.z) return false;
    return true;
}

// A is held still and B moves at the relative velocity. Per axis, the span of
// times in which the two intervals overlap is intersected with [0, duration];
// a zero velocity component divides to an infinity or a NaN, and since every
// comparison with a NaN is false such a value never narrows the span.
bool SweptBoxTest(const AABB& a, const Vector3& velocity_a, const AABB& b, const Vector3& velocity_b,
                  float duration, float& time, std::int32_t& axis) {
    const Vector3 v = velocity_b - velocity_a;
    float first = 0;
    float last = duration;
    std::int32_t first_axis = 0;
    for (int i = 0; i < 3; ++i) {
        const float previous = first;
        const float vi = AxisOf(v, i);
        float entry;
        float exit;
        if (vi < 0) {
            if (AxisOf(b.max, i) < AxisOf(a.min, i)) return false;
            entry = (AxisOf(a.max, i) - AxisOf(b.min, i)) / vi;
            exit = (AxisOf(a.min, i) - AxisOf(b.max, i)) / vi;
        } else {
            if (AxisOf(b.min, i) > AxisOf(a.max, i)) return false;
            entry = (AxisOf(a.min, i) - AxisOf(b.max, i)) / vi;
            exit = (AxisOf(a.max, i) - AxisOf(b.min, i)) / vi;
        }
        if (entry > first) first = entry;
        if (exit < last) last = exit;
        if (first > last) return false;
        if (first > previous) first_axis = i;
    }
    if (first > 0) {
        time = first;
        axis = first_axis;
    }
    return true;
}

}  // namespace Engine
