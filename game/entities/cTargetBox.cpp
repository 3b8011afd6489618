#include "game/entities/cTargetBox.h"

#include "engine/core/ColorRGBA.h"
#include "engine/render/scene/SceneRendererAccess.h"
#include "engine/render/scene/cModelGfxCmp.h"
#include "engine/render/scene/cModelGfxCmpPool.h"
#include "engine/resource/cResourceSystem.h"
#include "game/data/cModelCatalogue.h"

namespace Game {

namespace {

const Engine::ColorRGBA kCursorColour{1.0f, 1.0f, 1.0f, 1.0f};

}  // namespace

void cTargetBox::Setup() {
    Init("EditorTargetBox");
    RebuildWorld();
    Engine::cModelGfxCmpPool* pool = Engine::GetModelPool();
    Engine::cMeshManager* meshes = Engine::cResourceSystem::Instance().MeshManager();
    if (pool == nullptr || meshes == nullptr) return;  // no renderer: nothing is drawn
    const float half = (static_cast<float>(cModelCatalogue::Instance().TileSize()) + kMargin) / 2.0f;
    Engine::cMesh* box = meshes->CreateBoxMesh(kMeshName, {{-half, -half, -half}, {half, half, half}}, kCursorColour);
    Engine::cModelGfxCmp* component = pool->Take();
    component->Initialise(kMeshName, "", kMaterial, true);
    meshes->Release(box);  // the model holds its own reference
    component->transform = &world;
    model = component;
}

}  // namespace Game
