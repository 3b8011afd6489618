#include "game/entities/DecorationPlacement.h"

#include <numbers>

#include "engine/core/Random.h"

namespace Game {

namespace {

constexpr int kTurnChoices = 360;

float Radians(float degrees) { return degrees * std::numbers::pi_v<float> / 180.0f; }

}  // namespace

bool IsTreeDecoration(const std::string& id) { return id.rfind("Tree", 0) == 0; }

int RandomTurnDegrees() { return Engine::rnd(kTurnChoices); }

float DecorationYawDegrees(const std::string& id, float level_degrees, int random_turn) {
    return IsTreeDecoration(id) ? static_cast<float>(random_turn) : level_degrees;
}

Engine::Matrix4x4 DecorationWorld(const std::string& mesh, const Engine::Vector3& position,
                                  const Engine::Vector3& scale, float yaw_degrees, int random_turn) {
    const Engine::Matrix4x4 placed = Engine::Matrix4x4::Translation(position) * Engine::Matrix4x4::Scaling(scale);
    if (mesh == kGhostMeshName) {
        return placed * Engine::Matrix4x4::RotationX(kGhostTiltRadians) *
               Engine::Matrix4x4::RotationY(Radians(static_cast<float>(random_turn)));
    }
    return placed * Engine::Matrix4x4::RotationY(Radians(yaw_degrees));
}

}  // namespace Game
