#include "game/entities/cBinaryTile.h"

#include "engine/core/cLog.h"
#include "engine/render/scene/SceneRendererAccess.h"
#include "engine/render/scene/cModelGfxCmp.h"
#include "engine/render/scene/cModelGfxCmpPool.h"
#include "engine/resource/cMesh.h"
#include "engine/resource/cResourceSystem.h"
#include "game/data/cModelCatalogue.h"
#include "game/entities/TileLayerLayout.h"
#include "game/entities/cTileLayerCells.h"

namespace Game {

bool cBinaryTile::SetUpFromLevel(const LevelObjectValues& values) {
    if (values.tile_cells == nullptr) {
        Engine::LogError("tile layer " + name + " was given no cells");
        return false;
    }
    const cTileLayerCells& layer = *values.tile_cells;
    width = static_cast<std::uint32_t>(layer.Width());
    height = static_cast<std::uint32_t>(layer.Height());
    min_x = layer.MinX();
    min_z = layer.MinZ();
    y = layer.YPos();
    tile_size = static_cast<float>(cModelCatalogue::Instance().TileSize());
    max_x = min_x + tile_size * static_cast<float>(width);
    max_z = min_z + tile_size * static_cast<float>(height);
    cells.assign(static_cast<std::size_t>(width) * height, 0);
    for (std::uint32_t row = 0; row < height; ++row) {
        for (std::uint32_t column = 0; column < width; ++column)
            cells[static_cast<std::size_t>(row) * width + column] = layer.Cell(int(column), int(row));
    }
    world = Engine::Matrix4x4::Identity();
    BuildTileMeshes();
    return true;
}

void cBinaryTile::Update(float /*dt*/) {}

void cBinaryTile::Reset() {
    Engine::cModelGfxCmpPool* pool = Engine::GetModelPool();
    if (pool != nullptr) {
        for (Engine::cModelGfxCmp* tile_model : tile_models) pool->GiveBack(tile_model);
    }
    tile_models.clear();
    cells.clear();
    width = height = 0;
    cEntity::Reset();
}

std::uint8_t cBinaryTile::Cell(std::uint32_t column, std::uint32_t row) const {
    if (column >= width || row >= height) return 0;
    return cells[static_cast<std::size_t>(row) * width + column];
}

void cBinaryTile::BuildTileMeshes() {
    Engine::cModelGfxCmpPool* pool = Engine::GetModelPool();
    Engine::cMeshManager* meshes = Engine::cResourceSystem::Instance().MeshManager();
    if (pool == nullptr || meshes == nullptr) return;  // no renderer: nothing is drawn
    const sTileGrid grid{width, height, cells.data(), min_x, min_z, y, tile_size};
    Engine::cMesh* cube = nullptr;
    for (const auto& [kind, tile] : cModelCatalogue::Instance().Tiles()) {
        if (kind > 0xFF) break;
        const std::vector<Engine::Vector3> centres = TileCentres(grid, static_cast<std::uint8_t>(kind));
        if (centres.empty()) continue;
        if (cube == nullptr) cube = meshes->GetMesh(kTileMesh);
        if (cube == nullptr) {
            Engine::LogError(std::string("tile layer: the tile mesh \"") + kTileMesh + "\" is not loaded; no tiles");
            return;
        }
        std::vector<Engine::Matrix4x4> placements;
        placements.reserve(centres.size());
        for (const Engine::Vector3& centre : centres) placements.push_back(Engine::Matrix4x4::Translation(centre));
        const std::string mesh_name = FreeMeshName(kind);
        Engine::cMesh* baked = meshes->CreateBakedMesh(mesh_name, *cube, placements);
        Engine::cModelGfxCmp* tile_model = pool->Take();
        tile_model->Initialise(mesh_name, tile.model.texture_set, tile.model.material, false);
        meshes->Release(baked);  // the model holds its own reference
        tile_models.push_back(tile_model);
    }
    meshes->Release(cube);
}

std::string cBinaryTile::FreeMeshName(std::uint32_t kind) {
    const std::string base = kMeshPrefix + std::to_string(kind);
    const Engine::cMeshManager& meshes = *Engine::cResourceSystem::Instance().MeshManager();
    std::string candidate = base;
    for (int n = 1; meshes.Find(candidate) != nullptr; ++n) candidate = base + "_" + std::to_string(n);
    return candidate;
}

}  // namespace Game
