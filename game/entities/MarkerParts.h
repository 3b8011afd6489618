#pragma once
// MarkerParts: the pieces the checkpoint and the win point share beyond
// their prefab model and its body box (PrefabParts): the red halo billboard
// above them and the aura sparks they send up.

#include "engine/core/Vector3.h"
#include "engine/entity/cEntity.h"
#include "engine/render/scene/cBillBoardGfxCmp.h"

namespace Game::MarkerParts {

// Makes halo a hidden red glow of half size size, lifted by height above position.
void CreateHalo(Engine::cBillBoardGfxCmp& halo, const Engine::Vector3& position, float size, float height);

// Sends up the whole sparks of per_second x dt + carry at point, keeping
// the fraction left in carry. Without the aura effect nothing is sent.
void SendSparks(float per_second, float dt, const Engine::Vector3& point, float& carry);

}  // namespace Game::MarkerParts
