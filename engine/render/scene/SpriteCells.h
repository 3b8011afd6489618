#pragma once
// SpriteCells: how a sprite sheet is cut into cells. A texture of W x H
// pixels cut into cells of w x h pixels has W / w columns and
// (W / w) * (H / h) cells (whole cells only); each cell is w / W wide and
// h / H high in texture coordinates. Frame f sits in column f mod columns and
// row f div columns, so its texture offset is (column * cellU, row * cellV).
// Frames past the last cell count on from the first (f mod cellCount).
//
// A cell of zero size, or one wider or higher than its texture, cannot cut
// anything: it is refused with a log line and the whole texture becomes the
// one cell, so a bad sheet still shows its picture instead of dividing by
// zero or stretching a fraction of a pixel over the quad.
//
// The texture matrix scales coordinates to one cell and moves them to the
// cell of the frame: zero except the scale (u, v, w) on the diagonal, 1 at
// [3][3], and the offsets at [0][2] and [1][2].

#include <cstdint>

#include "engine/core/Matrix4x4.h"
#include "engine/core/Vector3.h"

namespace Engine {

struct TextureOffsets {
    float u = 0.0f;
    float v = 0.0f;
};

struct SpriteCells {
    float cellWidth = 0.0f;
    float cellHeight = 0.0f;
    float cellU = 0.0f;
    float cellV = 0.0f;
    // 0 until a cell size is set: every frame then shows offset (0, 0).
    uint32_t columns = 0;
    uint32_t cellCount = 0;

    // The cells of a cell size on a texture size, or the whole texture as one
    // cell (logged) when the cell size is refused or the texture has no size.
    static SpriteCells Cut(uint32_t cell_width, uint32_t cell_height, int32_t texture_width,
                           int32_t texture_height);
    // Whether cells of the size can be cut from a texture of the size.
    static bool Fits(uint32_t cell_width, uint32_t cell_height, int32_t texture_width, int32_t texture_height);
    // The whole texture as one cell.
    static SpriteCells Whole(int32_t texture_width, int32_t texture_height);

    // The texture offset of frame f; (0, 0) before a cell size is set.
    TextureOffsets Offsets(uint32_t frame) const;
    // The texture scale that shows one cell: (cellU, cellV, 1).
    Vector3 Scale() const { return {cellU, cellV, 1.0f}; }
};

// The texture matrix of a scale and an offset.
Matrix4x4 CellTextureMatrix(const Vector3& scale, const TextureOffsets& offsets);

}  // namespace Engine
