#include "game/data/ResourceCatalogues.h"

#include "engine/core/cLog.h"
#include "engine/render/scene/SceneRendererAccess.h"
#include "engine/render/scene/cSceneRenderer.h"
#include "engine/resource/MaterialCatalogue.h"
#include "engine/resource/ShadowMaterials.h"
#include "engine/resource/cResourceSystem.h"
#include "game/data/cModelCatalogue.h"

namespace Game {
namespace {

// The material every catalogue load makes first: present means loaded.
constexpr const char* kLoadedMarker = "defaultMat";
constexpr const char* kShadowDepthMaterial = "ShadowPreprocessMat";

bool LoadModelTables(const std::string& directory) {
    cModelCatalogue& models = cModelCatalogue::Instance();
    bool ok = models.LoadPrefabs(directory + "PrefabData.xml");
    ok = models.LoadDecorations(directory + "decorations.xml") && ok;
    ok = models.LoadTiles(directory + "binaryTiles.xml") && ok;
    return models.LoadBillboards(directory + "billboards.xml") && ok;
}

void HandShadowMaterialToScene(Engine::cMaterialManager& materials) {
    Engine::cSceneRenderer* scene = Engine::GetSceneRenderer();
    Engine::cMaterial* depth = materials.Find(kShadowDepthMaterial);
    if (scene != nullptr && depth != nullptr) scene->AddShadowMaterial(*depth);
}

}  // namespace

bool LoadResourceCatalogues(const std::string& directory, bool build_shadow_programs) {
    Engine::cResourceSystem& resources = Engine::cResourceSystem::Instance();
    Engine::iTextureManager* textures = resources.TextureManager();
    Engine::cMaterialManager* materials = resources.MaterialManager();
    Engine::cMeshManager* meshes = resources.MeshManager();
    if (textures == nullptr || materials == nullptr || meshes == nullptr) {
        Engine::LogError("the resource catalogues need the resource managers; nothing is loaded");
        return false;
    }
    if (materials->Find(kLoadedMarker) != nullptr) return true;

    bool ok = textures->LoadTextureCatalogue(directory, "TextureData.xml");
    ok = Engine::LoadMaterialCatalogue(directory, "MaterialData.xml", *materials, resources.ShaderManager()) && ok;
    ok = meshes->LoadMeshCatalogue(directory, "MeshData.xml") && ok;
    if (build_shadow_programs && resources.ShaderManager() != nullptr) {
        ok = Engine::CreateShadowMaterials(*materials, *resources.ShaderManager()) && ok;
    }
    ok = LoadModelTables(directory) && ok;
    HandShadowMaterialToScene(*materials);
    return ok;
}

}  // namespace Game
