#include "engine/render/ProjectionMatrices.h"

#include <cmath>  // std::tan

namespace Engine {

namespace {

// 1 / d, or 0 for d = 0, so that an empty range flattens instead of overflowing.
float Reciprocal(float d) { return d == 0.0f ? 0.0f : 1.0f / d; }

}  // namespace

Matrix4x4 PerspectiveFovRH(float field_of_view, float aspect, float near_plane, float far_plane) {
    const float y_scale = Reciprocal(std::tan(field_of_view * 0.5f));
    const float depth = Reciprocal(near_plane - far_plane);
    Matrix4x4 r;
    r.m[0][0] = y_scale * Reciprocal(aspect);
    r.m[1][1] = y_scale;
    r.m[2][2] = (far_plane + near_plane) * depth;
    r.m[2][3] = 2.0f * near_plane * far_plane * depth;
    r.m[3][2] = -1.0f;
    return r;
}

Matrix4x4 Orthographic(int32_t left, int32_t right, int32_t bottom, int32_t top, float near_plane, float far_plane) {
    const float width = Reciprocal(static_cast<float>(right - left));
    const float height = Reciprocal(static_cast<float>(top - bottom));
    const float depth = Reciprocal(far_plane - near_plane);
    Matrix4x4 r;
    r.m[0][0] = 2.0f * width;
    r.m[0][3] = -static_cast<float>(right + left) * width;
    r.m[1][1] = 2.0f * height;
    r.m[1][3] = -static_cast<float>(top + bottom) * height;
    r.m[2][2] = 2.0f * depth;
    r.m[2][3] = (far_plane + near_plane) * depth;
    r.m[3][3] = 1.0f;
    return r;
}

Matrix4x4 LookAtRH(const Vector3& eye, const Vector3& target, const Vector3& up) {
    const Vector3 backward = Normalise(eye - target);
    const Vector3 right = Normalise(Cross(up, backward));
    const Vector3 camera_up = Cross(backward, right);
    const Vector3 axes[3] = {right, camera_up, backward};
    Matrix4x4 r = Matrix4x4::Identity();
    for (int row = 0; row < 3; ++row) {
        r.m[row][0] = axes[row].x;
        r.m[row][1] = axes[row].y;
        r.m[row][2] = axes[row].z;
        r.m[row][3] = -Dot(axes[row], eye);
    }
    return r;
}

}  // namespace Engine
