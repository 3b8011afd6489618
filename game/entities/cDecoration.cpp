#include "game/entities/cDecoration.h"

#include <optional>

#include "engine/core/cLog.h"
#include "engine/physics/BoxOperations.h"
#include "engine/physics/cCollisionAABB.h"
#include "engine/physics/cPhysicsWorld.h"
#include "engine/physics/ePhysicsFlags.h"
#include "engine/physics/iPhysicsCmp.h"
#include "engine/render/scene/SceneRendererAccess.h"
#include "engine/render/scene/cModelGfxCmp.h"
#include "engine/render/scene/cModelGfxCmpPool.h"
#include "engine/resource/cMesh.h"
#include "engine/resource/cResourceSystem.h"
#include "game/data/cModelCatalogue.h"
#include "game/entities/DecorationPlacement.h"
#include "game/entities/cDecorationBatchList.h"

namespace Game {

namespace {

constexpr float kSolidRestitution = 1.0f;

// The bounding box of the named mesh; the unit cube, logged, when it is not loaded.
Engine::AABB MeshBox(const std::string& mesh_name) {
    Engine::cMeshManager* meshes = Engine::cResourceSystem::Instance().MeshManager();
    const Engine::cMesh* mesh = meshes ? meshes->Find(mesh_name) : nullptr;
    if (mesh == nullptr) {
        Engine::LogError("decoration mesh \"" + mesh_name + "\" is not loaded; its collision box is a unit cube");
        return Engine::AABB{{-0.5f, -0.5f, -0.5f}, {0.5f, 0.5f, 0.5f}};
    }
    return mesh->BoundingBox();
}

bool RecordsBatches(int game_state) {
    return game_state != cDecoration::kSceneEditorState && game_state != cDecoration::kResultsState;
}

}  // namespace

bool cDecoration::SetUpFromLevel(const LevelObjectValues& values) {
    const std::optional<sDecorationModel> entry = cModelCatalogue::Instance().FindDecoration(values.catalogue_id);
    if (!entry) {
        Engine::LogError("decoration \"" + values.catalogue_id + "\" is not in the decoration catalogue");
        return false;
    }
    catalogue_id = values.catalogue_id;
    // Trees and the ghost prop draw their random turn here, once, so the batch
    // and the prop's own model stand the same way.
    const int turn = RandomTurnDegrees();
    const float yaw = DecorationYawDegrees(catalogue_id, values.rotation_degrees, turn);
    world = DecorationWorld(entry->model.mesh, position, scale, yaw, turn);
    if (RecordsBatches(values.game_state)) cDecorationBatchList::Instance().Record(catalogue_id, world);
    CreateModel(*entry);
    if (entry->solid) CreateSolidBox(*entry);
    return true;
}

void cDecoration::Update(float /*dt*/) {}

void cDecoration::Reset() {
    catalogue_id.clear();
    cEntity::Reset();
}

void cDecoration::CreateModel(const sDecorationModel& entry) {
    Engine::cModelGfxCmpPool* pool = Engine::GetModelPool();
    if (pool == nullptr) return;  // no renderer: nothing is drawn
    Engine::cModelGfxCmp* component = pool->Take();
    component->Initialise(entry.model.mesh, entry.model.texture_set, entry.model.material, true);
    component->transform = &world;
    model = component;
    if (entry.model.mesh != kGhostMeshName || component->Meshes().empty()) return;
    // The ghost prop stands still in the first frame of its first animation.
    const auto& animations = component->Meshes().front()->Animations();
    if (!animations.empty()) component->HoldFirstFrame(animations.begin()->first);
}

void cDecoration::CreateSolidBox(const sDecorationModel& entry) {
    const Engine::AABB mesh_box = MeshBox(entry.model.mesh);
    auto* box = new Engine::cCollisionAABB();
    box->min = mesh_box.min;
    box->max = mesh_box.max;
    box->offset = Engine::BoxCentre(mesh_box);
    box->UpdatePosition(position);
    physics = Engine::cPhysicsWorld::Instance().CreateObject(kCollisionGroup, box, name, &position);
    physics->SetOwner(this);
    physics->SetFlag(Engine::ePhysicsFlags::Static, true);
    physics->SetFlag(Engine::ePhysicsFlags::NoResponse, false);
    physics->SetRestitution(kSolidRestitution);
}

}  // namespace Game
