#pragma once
// MarkerParts: the pieces the checkpoint and the win point share: their
// prefab model, a body box fitted to that model, the red halo billboard
// above them and the aura sparks they send up.

#include <cstdint>

#include "engine/core/Vector3.h"
#include "engine/entity/cEntity.h"
#include "engine/render/scene/cBillBoardGfxCmp.h"
#include "game/entities/eGameEntityTypes.h"

namespace Engine {
class cCollisionAABB;
}

namespace Game::MarkerParts {

// Gives entity the prefab model of its type, drawn at its world matrix; no
// model without a model pool or a prefab entry.
void CreatePrefabModel(Engine::cEntity& entity, EntityTypeId type);

// A box around the entity's model (scaled by the entity's scale) at its
// position; a unit cube when the entity has no model mesh.
Engine::cCollisionAABB* ModelBox(const Engine::cEntity& entity);

// Makes halo a hidden red glow of half size size, lifted by height above position.
void CreateHalo(Engine::cBillBoardGfxCmp& halo, const Engine::Vector3& position, float size, float height);

// Sends up the whole sparks of per_second x dt + carry at point, keeping
// the fraction left in carry. Without the aura effect nothing is sent.
void SendSparks(float per_second, float dt, const Engine::Vector3& point, float& carry);

}  // namespace Game::MarkerParts
