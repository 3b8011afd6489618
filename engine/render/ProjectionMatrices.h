#pragma once
// The projection and view matrices the renderer builds, in the engine's
// convention (column vectors, translation in the last column), right-handed:
// the camera looks down its negative z axis.

#include <cstdint>

#include "engine/core/Matrix4x4.h"
#include "engine/core/Vector3.h"

namespace Engine {

// Perspective with a vertical field of view in radians. Depth maps from -1
// at the near plane to 1 at the far plane, the clip convention of the camera
// code: [2][2] = (far + near) / (near - far), [2][3] = 2 * near * far / (near - far).
Matrix4x4 PerspectiveFovRH(float field_of_view, float aspect, float near_plane, float far_plane);

// Orthographic projection: [0][0] = 2 / (right - left), [0][3] = -(right +
// left) / (right - left), [1][1] = 2 / (top - bottom), [1][3] = -(top +
// bottom) / (top - bottom), [2][2] = 2 / (far - near), [2][3] = (far + near)
// / (far - near), [3][3] = 1. Equal bounds give a zero scale on that axis
// rather than an infinity.
Matrix4x4 Orthographic(int32_t left, int32_t right, int32_t bottom, int32_t top, float near_plane, float far_plane);

// View matrix of a camera at eye looking at target: rows are the camera's
// right, up and backward axes, the last column moves eye to the origin.
// A degenerate camera (eye on target, up along the view) gives zero axes,
// never NaN.
Matrix4x4 LookAtRH(const Vector3& eye, const Vector3& target, const Vector3& up);

}  // namespace Engine
