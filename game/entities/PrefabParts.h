#pragma once
// PrefabParts: the model and the body box that items, doors and crates build
// alike. The model is the prefab the model table lists for an identifier; the
// box follows the model's mesh, scaled like the entity, or has a given half
// size when there is no mesh to measure (no renderer, or no model listed).

#include <cstdint>

#include "engine/core/Vector3.h"

namespace Engine {
class cCollisionAABB;
class cEntity;
}  // namespace Engine

namespace Game {

// Gives entity the prefab model of prefab_id, drawn with its world matrix;
// leaves it without a model when there is no renderer or no such prefab.
void AttachPrefabModel(Engine::cEntity& entity, std::int32_t prefab_id);

// A new box around entity's model mesh at the entity's scale, or of half size
// fallback_half when the entity has no mesh; placed at the entity's position.
Engine::cCollisionAABB* MakeModelBox(const Engine::cEntity& entity, const Engine::Vector3& fallback_half);

// A new box of half size half, placed at the entity's position.
Engine::cCollisionAABB* MakeHalfBox(const Engine::cEntity& entity, const Engine::Vector3& half);

}  // namespace Game
