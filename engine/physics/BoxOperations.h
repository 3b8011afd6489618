#pragma once
// BoxOperations: the arithmetic on axis-aligned boxes that entities, the
// collision pass and the renderer share. Boxes are plain AABB values (a
// collision box or any temporary copy); the operations keep min <= max on
// every axis as long as the extents they are given are not negative. All
// arithmetic is single-precision.
//
// BoxesOverlap is the static test: closed boxes, so boxes that share only a
// face, an edge or a corner overlap. SweptBoxTest is the moving test the
// collision pass runs first: it finds when, within a frame, two boxes moving
// at constant velocities first touch, and along which axis.

#include <cstdint>

#include "engine/core/AABB.h"
#include "engine/core/Matrix4x4.h"
#include "engine/core/Vector3.h"
#include "engine/core/Vector4.h"

namespace Engine {

// Component i (0 x, 1 y, 2 z) of v.
float AxisOf(const Vector3& v, int axis);
// A writable reference to component i (0 x, 1 y, 2 z) of v.
float& AxisOf(Vector3& v, int axis);

// The centre, (min + max) / 2 per axis.
Vector3 BoxCentre(const AABB& box);
// Moves the box so that its centre is centre, keeping its extents.
void Recentre(AABB& box, const Vector3& centre);
// Sets the half extents to half around the present centre.
void SetHalfExtents(AABB& box, const Vector3& half);
// Sets the box to centre with the full width (x), height (y) and depth (z).
void SetCentreAndSize(AABB& box, const Vector3& centre, float width, float height, float depth);
// Moves the centre by the matrix and scales each half extent by the length of
// the matching matrix column. Rotation does not turn the box: the result is
// exact for translation and scale only.
void TransformBox(const Matrix4x4& matrix, AABB& box);
// The sphere (centre, radius) through the box's corners.
Vector4 BoundingSphere(const AABB& box);
// Whether two closed boxes share at least one point.
bool BoxesOverlap(const AABB& a, const AABB& b);
// First contact of b moving at velocity_b against a moving at velocity_a
// within [0, duration], both starting where they are. True when they touch in
// that span; time and axis (0 x, 1 y, 2 z) are written only when the contact
// lies strictly after 0, so boxes that already meet keep the caller's values.
bool SweptBoxTest(const AABB& a, const Vector3& velocity_a, const AABB& b, const Vector3& velocity_b,
                  float duration, float& time, std::int32_t& axis);

}  // namespace Engine
