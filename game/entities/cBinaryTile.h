#pragma once
// cBinaryTile: one floor-tile layer of a level. The layer is a grid of cells,
// each holding the tile kind drawn there (0 is bare ground, v the tile
// catalogue's entry v). Every kind the layer uses becomes one static mesh,
// "binarytilemap" + kind, made of copies of the tile mesh "cubeMesh" at the
// centre of each of its cells, and one model component showing it with the
// entry's texture set and material; so a layer of any size costs one draw per
// kind. Kinds with no cell build nothing, and a value with no catalogue entry
// places nothing. Tiles are seen, not touched: the layer has no physics.
//
// Two layers live at once may use the same kind; the second one's mesh then
// gets a suffix ("binarytilemap1_1") so that it does not borrow the first
// one's cubes.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/entity/cEntity.h"
#include "game/entities/eGameEntityTypes.h"
#include "game/entities/iLevelObject.h"

namespace Engine {
class cModelGfxCmp;
}

namespace Game {

class cBinaryTile : public Engine::cEntity, public iLevelObject {
public:
    // The mesh every tile is a copy of.
    static constexpr const char* kTileMesh = "cubeMesh";
    static constexpr const char* kMeshPrefix = "binarytilemap";

    std::int32_t GetType() const override { return GAME_ENT_TYPES::BINARY_TILE; }

    // Copies values.tile_cells and builds the tile meshes; false, logged, without cells.
    bool SetUpFromLevel(const LevelObjectValues& values) override;
    // Tiles do not move.
    void Update(float dt) override;
    // Gives every tile model back, drops the cells and runs the entity reset.
    void Reset() override;

    // The value of cell (column, row); 0 outside the grid.
    std::uint8_t Cell(std::uint32_t column, std::uint32_t row) const;
    // The tile models, one per kind the layer shows, in kind order.
    const std::vector<Engine::cModelGfxCmp*>& TileModels() const { return tile_models; }

    std::uint32_t width = 0;
    std::uint32_t height = 0;
    float min_x = 0.0f;
    float min_z = 0.0f;
    float y = 0.0f;
    float tile_size = 0.0f;
    float max_x = 0.0f;
    float max_z = 0.0f;

private:
    void BuildTileMeshes();
    // A mesh name for the kind that no live mesh has.
    static std::string FreeMeshName(std::uint32_t kind);

    std::vector<std::uint8_t> cells;
    std::vector<Engine::cModelGfxCmp*> tile_models;
};

}  // namespace Game
