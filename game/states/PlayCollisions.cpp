#include "game/states/PlayCollisions.h"

#include <utility>

#include "engine/physics/cCollisionManager.h"
#include "engine/physics/eCollisionGroupKind.h"

namespace Game {

namespace {

using Engine::eCollisionGroupKind;

struct sPlayGroup {
    const char* name;
    eCollisionGroupKind kind;
};

constexpr sPlayGroup kPlayGroups[] = {
    {"Enemy", eCollisionGroupKind::Singular},      {"Kid", eCollisionGroupKind::Singular},
    {"Floor", eCollisionGroupKind::Singular},      {"Trigger", eCollisionGroupKind::Singular},
    {"StrokeTrap", eCollisionGroupKind::Singular}, {"Stroke", eCollisionGroupKind::Singular},
    {"Projectile", eCollisionGroupKind::Singular}, {"Item", eCollisionGroupKind::Singular},
    {"Wall", eCollisionGroupKind::Grid},           {"Trap", eCollisionGroupKind::Grid},
    {"CheckPoint", eCollisionGroupKind::Grid},     {"Door", eCollisionGroupKind::Singular},
    {"Decoration", eCollisionGroupKind::Singular}, {"DragEnemy", eCollisionGroupKind::Singular},
    {"Destructable", eCollisionGroupKind::Singular},
};

// In registration order, which decides the order of the contact callbacks.
constexpr std::pair<const char*, const char*> kPlayPairs[] = {
    {"Kid", "Floor"},         {"DragEnemy", "DragEnemy"}, {"Kid", "Wall"},         {"Enemy", "Stroke"},
    {"DragEnemy", "Stroke"},  {"Item", "Kid"},            {"CheckPoint", "Kid"},   {"Destructable", "Stroke"},
    {"Destructable", "Kid"},  {"Trigger", "Kid"},         {"Door", "Kid"},         {"Projectile", "Kid"},
    {"Enemy", "Kid"},         {"Trap", "Kid"},            {"DragEnemy", "Kid"},    {"Decoration", "Kid"},
};

}  // namespace

void SetUpPlayCollisions() {
    Engine::cCollisionManager& collisions = Engine::cCollisionManager::Instance();
    collisions.ConfigureGrids();
    for (const sPlayGroup& group : kPlayGroups) collisions.GetGroup(group.name, group.kind);
    for (const auto& [first, second] : kPlayPairs) collisions.AddGroupPair(first, second);
}

}  // namespace Game
