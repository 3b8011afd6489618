#include "game/entities/cDecorationBatches.h"

#include <optional>
#include <string>

#include "engine/core/cLog.h"
#include "engine/render/scene/SceneRendererAccess.h"
#include "engine/render/scene/cModelGfxCmp.h"
#include "engine/render/scene/cModelGfxCmpPool.h"
#include "engine/resource/cMesh.h"
#include "engine/resource/cResourceSystem.h"
#include "game/data/cModelCatalogue.h"
#include "game/entities/cDecorationBatchList.h"

namespace Game {

std::size_t cDecorationBatches::Bake() {
    Release();
    cDecorationBatchList& list = cDecorationBatchList::Instance();
    if (Engine::GetModelPool() != nullptr && Engine::cResourceSystem::Instance().MeshManager() != nullptr) {
        for (const std::string& id : list.Ids()) BakeId(id);
    }
    list.Clear();
    return models.size();
}

void cDecorationBatches::Release() {
    Engine::cModelGfxCmpPool* pool = Engine::GetModelPool();
    // Without the pool (the scene renderer is gone) its components were released with it.
    if (pool != nullptr) {
        for (Engine::cModelGfxCmp* model : models) pool->GiveBack(model);
    }
    models.clear();
}

void cDecorationBatches::BakeId(const std::string& id) {
    const std::optional<sDecorationModel> entry = cModelCatalogue::Instance().FindDecoration(id);
    Engine::cMeshManager& meshes = *Engine::cResourceSystem::Instance().MeshManager();
    Engine::cMesh* source = entry ? meshes.GetMesh(entry->model.mesh) : nullptr;
    if (source == nullptr) {
        Engine::LogError("decoration \"" + id + "\" has no loaded mesh; its instances are not batched");
        return;
    }
    const PartitionGroups groups = cDecorationBatchList::Instance().Partition(id, source->BoundingBox());
    for (std::int32_t group = 0; group < kPartitionGroupCount; ++group) {
        if (groups[group].empty()) continue;
        const std::string mesh_name = cDecorationBatchList::BatchMeshName(id, group);
        Engine::cMesh* baked = meshes.CreateBakedMesh(mesh_name, *source, groups[group]);
        Engine::cModelGfxCmp* model = Engine::GetModelPool()->Take();
        // The model takes its own reference to the mesh; the bake's goes back at once.
        model->Initialise(mesh_name, entry->model.texture_set, entry->model.material, false);
        meshes.Release(baked);
        models.push_back(model);
    }
    meshes.Release(source);
}

}  // namespace Game
