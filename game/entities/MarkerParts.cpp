#include "game/entities/MarkerParts.h"

#include <cmath>
#include <optional>
#include <string>

#include "engine/physics/BoxOperations.h"
#include "engine/physics/cCollisionAABB.h"
#include "engine/render/scene/SceneRendererAccess.h"
#include "engine/render/scene/cModelGfxCmp.h"
#include "engine/render/scene/cModelGfxCmpPool.h"
#include "engine/render/scene/cSceneRenderer.h"
#include "engine/resource/cMesh.h"
#include "game/data/ContentNames.h"
#include "game/data/cModelCatalogue.h"
#include "game/entities/cGlobalEffects.h"

namespace Game::MarkerParts {

namespace {

const std::string kHaloQuad = "HaloEffect";
constexpr float kUnitHalf = 0.5f;

}  // namespace

void CreatePrefabModel(Engine::cEntity& entity, EntityTypeId type) {
    Engine::cModelGfxCmpPool* pool = Engine::GetModelPool();
    const std::optional<sModelNames> names = cModelCatalogue::Instance().FindPrefab(type);
    if (pool == nullptr || !names) return;  // no renderer or no model registered: nothing is drawn
    Engine::cModelGfxCmp* component = pool->Take();
    component->Initialise(names->mesh, names->texture_set, names->material, true);
    component->transform = &entity.world;
    entity.model = component;
}

Engine::cCollisionAABB* ModelBox(const Engine::cEntity& entity) {
    auto* box = new Engine::cCollisionAABB();
    Engine::SetHalfExtents(*box, {kUnitHalf, kUnitHalf, kUnitHalf});
    const auto* shown = dynamic_cast<const Engine::cModelGfxCmp*>(entity.model);
    if (shown != nullptr && !shown->Meshes().empty() && shown->Meshes().front() != nullptr) {
        const Engine::AABB& mesh_box = shown->Meshes().front()->BoundingBox();
        const Engine::Vector3& s = entity.scale;
        box->min = {mesh_box.min.x * s.x, mesh_box.min.y * s.y, mesh_box.min.z * s.z};
        box->max = {mesh_box.max.x * s.x, mesh_box.max.y * s.y, mesh_box.max.z * s.z};
        box->offset = Engine::BoxCentre(*box);
    }
    box->UpdatePosition(entity.position);
    return box;
}

void CreateHalo(Engine::cBillBoardGfxCmp& halo, const Engine::Vector3& position, float size, float height) {
    Engine::cSceneRenderer* scene = Engine::GetSceneRenderer();
    halo.SetLayers(scene);
    halo.SetCameraSlot(scene);
    halo.Initialise(kHaloQuad, size, size, std::string(Content::kHaloTextureSet),
                    std::string(Content::kBillboardLampMaterial));
    halo.position = &position;
    halo.heightOffset = height;
    halo.visible = false;
    halo.emissive.r = 1.0f;
}

void SendSparks(float per_second, float dt, const Engine::Vector3& point, float& carry) {
    const float wanted = per_second * dt + carry;
    const float whole = std::floor(wanted);
    carry = wanted - whole;
    if (cEmitterAura* aura = cGlobalEffects::Instance().Aura()) aura->Burst(static_cast<int>(whole), point);
}

}  // namespace Game::MarkerParts
