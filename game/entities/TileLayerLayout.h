#pragma once
// TileLayerLayout: where the cubes of a floor tile layer stand. A layer is a
// grid of one byte per cell, row-major, width x height; a cell holds the tile
// kind drawn there (0 is bare ground). Each kind becomes one static mesh made
// of a cube at the centre of every cell of that kind, so the layer costs one
// draw per kind however large it is.

#include <cstdint>
#include <vector>

#include "engine/core/Vector3.h"

namespace Game {

// The grid and where it lies: cell (column, row) sits at
// (min_x + column * tile_size, y, min_z + row * tile_size).
struct sTileGrid {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    const std::uint8_t* cells = nullptr;  // width * height bytes, row-major; borrowed
    float min_x = 0.0f;
    float min_z = 0.0f;
    float y = 0.0f;
    float tile_size = 0.0f;
};

// The points of every cell holding kind, in row-major order. A grid without
// cells gives none.
std::vector<Engine::Vector3> TileCentres(const sTileGrid& grid, std::uint8_t kind);

}  // namespace Game
