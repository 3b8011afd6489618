#pragma once
// cTileLayerCells: the cells of one binary floor-tile layer as a level file
// stores them. The layer is a grid of width columns (along X) by height rows
// (along Z) starting at (minX, minZ); each cell holds one digit, 0 for an
// empty cell and v for the tile catalogue's entry v. The element's text is the
// digits row by row, so the first width digits are the row at minZ.
//
// Text that does not fit (too short, too long, a character that is not a
// digit) is logged once per layer; missing and bad cells read as empty and
// extra digits are ignored, so a damaged layer still loads what it can.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/core/Vector3.h"

namespace Game {

class cTileLayerCells {
public:
    // An empty 0 x 0 layer.
    cTileLayerCells() = default;
    // Reads width x height digits from text; see the banner for bad text.
    cTileLayerCells(int layer_width, int layer_height, float min_x, float min_z, float y_pos,
                    const std::string& text);

    int Width() const { return width; }
    int Height() const { return height; }
    float MinX() const { return minX; }
    float MinZ() const { return minZ; }
    float YPos() const { return yPos; }
    // The value of cell (column, row); 0 outside the grid.
    std::uint8_t Cell(int column, int row) const;
    // Where the tile of cell (column, row) stands for tiles tile_size wide.
    Engine::Vector3 TilePosition(int column, int row, float tile_size) const;
    // The cells as a level file writes them: one digit per cell, row by row.
    std::string Text() const;

private:
    int width = 0;
    int height = 0;
    float minX = 0.0f;
    float minZ = 0.0f;
    float yPos = 0.0f;
    std::vector<std::uint8_t> cells;
};

}  // namespace Game
