#pragma once
// The matrices a light sees the world through when it draws a shadow map,
// in the engine's convention (column vectors, translation in the last
// column), right-handed: the light looks down its negative z axis.
//
// The same view and projection serve the depth pass that fills the shadow
// map and the shaders that read it back, so the two always agree.

#include <string>

#include "engine/core/Matrix4x4.h"
#include "engine/core/Vector3.h"

namespace Engine {

// The light named "gKidLight" (the kid's lantern) always draws its shadow
// map with this field of view (70 degrees), whatever its cone.
inline constexpr const char* kKidLightName = "gKidLight";
inline constexpr float kKidLightShadowFieldOfView = 1.2217305f;

// The view from position along direction. Rows are the light's right, up and
// backward axes (backward = -direction), each with -axis . position last.
// Pointing straight up or down, or without a direction (a zero or not finite
// vector: then straight down), still gives an orthonormal, finite matrix.
Matrix4x4 LightViewMatrix(const Vector3& position, const Vector3& direction);

// The light's projection: 1 / tan(a) on x and y, where a is
// kKidLightShadowFieldOfView for the kid's lantern and outer_cone for every
// other light, and the depth terms of near 0.3 and far 100. An angle whose
// tangent is 0 or not finite gives the 30 degree default cone instead.
Matrix4x4 LightProjectionMatrix(const std::string& name, float outer_cone);

}  // namespace Engine
