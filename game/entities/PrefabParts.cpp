#include "game/entities/PrefabParts.h"

#include <optional>

#include "engine/entity/cEntity.h"
#include "engine/physics/BoxOperations.h"
#include "engine/physics/cCollisionAABB.h"
#include "engine/render/scene/SceneRendererAccess.h"
#include "engine/render/scene/cModelGfxCmp.h"
#include "engine/render/scene/cModelGfxCmpPool.h"
#include "engine/resource/cMesh.h"
#include "game/data/cModelCatalogue.h"

namespace Game {

void AttachPrefabModel(Engine::cEntity& entity, std::int32_t prefab_id) {
    Engine::cModelGfxCmpPool* pool = Engine::GetModelPool();
    const std::optional<sModelNames> names = cModelCatalogue::Instance().FindPrefab(prefab_id);
    if (pool == nullptr || !names) return;
    Engine::cModelGfxCmp* component = pool->Take();
    component->Initialise(names->mesh, names->texture_set, names->material, true);
    component->transform = &entity.world;
    entity.model = component;
}

Engine::cCollisionAABB* MakeModelBox(const Engine::cEntity& entity, const Engine::Vector3& fallback_half) {
    const auto* shown = dynamic_cast<const Engine::cModelGfxCmp*>(entity.model);
    if (shown == nullptr || shown->Meshes().empty() || shown->Meshes().front() == nullptr) {
        return MakeHalfBox(entity, fallback_half);
    }
    auto* box = new Engine::cCollisionAABB();
    const Engine::AABB& mesh_box = shown->Meshes().front()->BoundingBox();
    const Engine::Vector3& s = entity.scale;
    box->min = {mesh_box.min.x * s.x, mesh_box.min.y * s.y, mesh_box.min.z * s.z};
    box->max = {mesh_box.max.x * s.x, mesh_box.max.y * s.y, mesh_box.max.z * s.z};
    box->offset = Engine::BoxCentre(*box);
    box->UpdatePosition(entity.position);
    return box;
}

Engine::cCollisionAABB* MakeHalfBox(const Engine::cEntity& entity, const Engine::Vector3& half) {
    auto* box = new Engine::cCollisionAABB();
    Engine::SetHalfExtents(*box, half);
    box->UpdatePosition(entity.position);
    return box;
}

}  // namespace Game
