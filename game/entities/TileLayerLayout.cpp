#include "game/entities/TileLayerLayout.h"

namespace Game {

std::vector<Engine::Vector3> TileCentres(const sTileGrid& grid, std::uint8_t kind) {
    std::vector<Engine::Vector3> points;
    if (grid.cells == nullptr) return points;
    for (std::uint32_t row = 0; row < grid.height; ++row) {
        for (std::uint32_t column = 0; column < grid.width; ++column) {
            const std::size_t cell = static_cast<std::size_t>(row) * grid.width + column;
            if (grid.cells[cell] != kind) continue;
            points.push_back({grid.min_x + static_cast<float>(column) * grid.tile_size, grid.y,
                              grid.min_z + static_cast<float>(row) * grid.tile_size});
        }
    }
    return points;
}

}  // namespace Game
