#pragma once
// CollisionGridLayout: the cell layout every collision grid uses, a uniform
// grid over the ground plane (x and z; height is ignored). Coordinates are
// truncated toward zero to integers, divided by the cell size and folded by
// remainder and absolute value into the grid, so the grid repeats every
// columns * cellWidth units and negative coordinates land on the cells of
// their positive mirror. The layout is all zero until the collision manager
// configures it; a grid built on an unusable layout has no cells and finds
// nothing.

#include <cstdint>
#include <vector>

#include "engine/core/AABB.h"

namespace Engine {

struct CollisionGridLayout {
    std::int32_t columns = 0;
    std::int32_t rows = 0;
    std::int32_t cellWidth = 0;  // world units along x
    std::int32_t cellDepth = 0;  // world units along z
    std::int32_t cellCount = 0;
};

// The layout the game's grids use: 100 by 100 cells of one unit.
CollisionGridLayout StandardGridLayout();
// Whether the layout has cells and positive sizes, so cells can be computed.
bool IsUsable(const CollisionGridLayout& layout);
// The cell index of the ground point (x, z); the layout must be usable.
std::int32_t CellOfPoint(const CollisionGridLayout& layout, float x, float z);
// Replaces cells with the distinct cells the box covers: every integer z from
// trunc(min.z) to trunc(max.z) and every integer x from trunc(min.x) to
// trunc(max.x), x varying fastest. Nothing for an unusable layout.
void CoveredCells(const CollisionGridLayout& layout, const AABB& box, std::vector<std::int32_t>& cells);

}  // namespace Engine
