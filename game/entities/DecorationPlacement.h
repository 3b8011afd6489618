#pragma once
// DecorationPlacement: the world matrix a decoration stands at. Most props
// take the level's position, scale and yaw. Trees ignore the level's yaw and
// get a random one, so that a forest never looks stamped. The ghost prop is
// always tilted forward by 40 degrees about X and given a random turn about
// the vertical axis before its scale and position. The random turn, a whole
// number of degrees from 0 to 359, is drawn by the caller so that the
// placement itself stays a plain function.

#include <string>

#include "engine/core/Matrix4x4.h"
#include "engine/core/Vector3.h"

namespace Game {

// The mesh name of the tilted ghost prop.
inline constexpr const char* kGhostMeshName = "GhostMesh";
// The ghost prop's forward tilt about X, 40 degrees.
inline constexpr float kGhostTiltRadians = 0.6981317f;

// Whether the decoration id names a tree: it begins with "Tree".
bool IsTreeDecoration(const std::string& id);

// A random whole number of degrees from 0 to 359, from the process generator.
int RandomTurnDegrees();

// The yaw in degrees: random_turn for trees, else the level's angle.
float DecorationYawDegrees(const std::string& id, float level_degrees, int random_turn);

// The world matrix: translation x scale x yaw about Y for ordinary meshes;
// translation x scale x the 40 degree tilt about X x random_turn about Y for
// the ghost mesh, whose yaw_degrees is not used.
Engine::Matrix4x4 DecorationWorld(const std::string& mesh, const Engine::Vector3& position,
                                  const Engine::Vector3& scale, float yaw_degrees, int random_turn);

}  // namespace Game
