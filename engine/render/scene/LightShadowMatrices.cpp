#include "engine/render/scene/LightShadowMatrices.h"

#include <cmath>

#include "engine/render/scene/LightRecord.h"

namespace Engine {

namespace {

constexpr Vector3 kWorldUp{0, 1, 0};
// A light with no direction looks straight down.
constexpr Vector3 kDefaultDirection{0, -1, 0};
// Below this squared length a cross product with the world up has no direction of its own.
constexpr float kParallelLimit = 1e-12f;

// The depth terms of a projection with near 0.3 and far 100.
constexpr float kDepthScale = -1.006018f;
constexpr float kDepthOffset = -0.60180545f;

// The light's backward axis: the reversed direction, of length 1; a
// direction of no length or not finite counts as none.
Vector3 BackwardAxis(const Vector3& direction) {
    const float length_squared = LengthSquared(direction);
    const bool has_direction =
        std::isfinite(length_squared) && length_squared > kNormaliseMinLength * kNormaliseMinLength;
    return -Normalise(has_direction ? direction : kDefaultDirection);
}

// The right axis: the world up crossed with the backward axis, or the world
// x axis when the light looks (nearly) straight up or down and the two are
// parallel, so that the view never loses an axis.
Vector3 RightAxis(const Vector3& z) {
    const Vector3 x = Cross(kWorldUp, z);
    if (LengthSquared(x) <= kParallelLimit) return {1, 0, 0};
    return Normalise(x);
}

void SetRow(Matrix4x4& matrix, int row, const Vector3& axis, const Vector3& position) {
    matrix.m[row][0] = axis.x;
    matrix.m[row][1] = axis.y;
    matrix.m[row][2] = axis.z;
    matrix.m[row][3] = -Dot(axis, position);
}

}  // namespace

Matrix4x4 LightViewMatrix(const Vector3& position, const Vector3& direction) {
    const Vector3 z = BackwardAxis(direction);
    const Vector3 x = RightAxis(z);
    const Vector3 y = Normalise(Cross(z, x));
    Matrix4x4 view;
    SetRow(view, 0, x, position);
    SetRow(view, 1, y, position);
    SetRow(view, 2, z, position);
    view.m[3][3] = 1.0f;
    return view;
}

Matrix4x4 LightProjectionMatrix(const std::string& name, float outer_cone) {
    const float angle = name == kKidLightName ? kKidLightShadowFieldOfView : outer_cone;
    float tangent = std::tan(angle);
    if (!std::isfinite(tangent) || tangent == 0.0f) tangent = std::tan(LightRecord::kDefaultOuterCone);
    Matrix4x4 projection;
    projection.m[0][0] = 1.0f / tangent;
    projection.m[1][1] = 1.0f / tangent;
    projection.m[2][2] = kDepthScale;
    projection.m[2][3] = kDepthOffset;
    projection.m[3][2] = -1.0f;
    return projection;
}

}  // namespace Engine
