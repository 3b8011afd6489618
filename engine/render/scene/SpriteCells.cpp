#include "engine/render/scene/SpriteCells.h"

#include <string>

#include "engine/core/cLog.h"

namespace Engine {

SpriteCells SpriteCells::Cut(uint32_t cell_width, uint32_t cell_height, int32_t texture_width,
                             int32_t texture_height) {
    if (texture_width <= 0 || texture_height <= 0) {
        LogError("sprite cells of " + std::to_string(cell_width) + " x " + std::to_string(cell_height) +
                 " need a texture with a size; the sprite shows its texture whole");
        return Whole(texture_width, texture_height);
    }
    if (!Fits(cell_width, cell_height, texture_width, texture_height)) {
        LogError("sprite cell size " + std::to_string(cell_width) + " x " + std::to_string(cell_height) +
                 " does not fit a texture of " + std::to_string(texture_width) + " x " +
                 std::to_string(texture_height) + "; the sprite shows its texture whole");
        return Whole(texture_width, texture_height);
    }
    const auto width = static_cast<uint32_t>(texture_width);
    const auto height = static_cast<uint32_t>(texture_height);
    SpriteCells cells;
    cells.cellWidth = static_cast<float>(cell_width);
    cells.cellHeight = static_cast<float>(cell_height);
    cells.cellU = cells.cellWidth / static_cast<float>(width);
    cells.cellV = cells.cellHeight / static_cast<float>(height);
    cells.columns = width / cell_width;
    cells.cellCount = cells.columns * (height / cell_height);
    return cells;
}

bool SpriteCells::Fits(uint32_t cell_width, uint32_t cell_height, int32_t texture_width, int32_t texture_height) {
    return texture_width > 0 && texture_height > 0 && cell_width > 0 && cell_height > 0 &&
           cell_width <= static_cast<uint32_t>(texture_width) && cell_height <= static_cast<uint32_t>(texture_height);
}

SpriteCells SpriteCells::Whole(int32_t texture_width, int32_t texture_height) {
    SpriteCells cells;
    cells.cellWidth = texture_width > 0 ? static_cast<float>(texture_width) : 0.0f;
    cells.cellHeight = texture_height > 0 ? static_cast<float>(texture_height) : 0.0f;
    cells.cellU = cells.cellV = 1.0f;
    cells.columns = cells.cellCount = 1;
    return cells;
}

TextureOffsets SpriteCells::Offsets(uint32_t frame) const {
    if (columns == 0 || cellCount == 0) return {};
    // Frames past the last cell start the sheet again rather than reading outside the texture.
    const uint32_t cell = frame % cellCount;
    return {static_cast<float>(cell % columns) * cellU, static_cast<float>(cell / columns) * cellV};
}

Matrix4x4 CellTextureMatrix(const Vector3& scale, const TextureOffsets& offsets) {
    Matrix4x4 matrix{};
    matrix.m[0][0] = scale.x;
    matrix.m[1][1] = scale.y;
    matrix.m[2][2] = scale.z;
    matrix.m[3][3] = 1.0f;
    matrix.m[0][2] = offsets.u;
    matrix.m[1][2] = offsets.v;
    return matrix;
}

}  // namespace Engine
