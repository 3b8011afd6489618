#include "game/entities/cTileLayerCells.h"

#include "engine/core/cLog.h"

namespace Game {

namespace {

// Layers larger than this are refused: a typing slip in "width" must not
// reserve gigabytes.
constexpr long long MAX_CELLS = 1 << 22;

}  // namespace

cTileLayerCells::cTileLayerCells(int layer_width, int layer_height, float min_x, float min_z, float y_pos,
                                 const std::string& text)
    : minX(min_x), minZ(min_z), yPos(y_pos) {
    const long long count = static_cast<long long>(layer_width) * layer_height;
    if (layer_width <= 0 || layer_height <= 0 || count > MAX_CELLS) {
        Engine::LogError("Tile layer: size " + std::to_string(layer_width) + " x " + std::to_string(layer_height) +
                         " is not usable; the layer is left empty");
        return;
    }
    width = layer_width;
    height = layer_height;
    cells.assign(static_cast<std::size_t>(count), 0);
    if (text.size() != cells.size()) {
        Engine::LogError("Tile layer: " + std::to_string(text.size()) + " digits for " + std::to_string(count) +
                         " cells; missing cells are empty and extra digits ignored");
    }
    bool bad_character = false;
    for (std::size_t i = 0; i < cells.size() && i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') {
            bad_character = true;
            continue;
        }
        cells[i] = static_cast<std::uint8_t>(c - '0');
    }
    if (bad_character) Engine::LogError("Tile layer: characters that are not digits are read as empty cells");
}

std::uint8_t cTileLayerCells::Cell(int column, int row) const {
    if (column < 0 || row < 0 || column >= width || row >= height) return 0;
    return cells[static_cast<std::size_t>(row) * width + column];
}

Engine::Vector3 cTileLayerCells::TilePosition(int column, int row, float tile_size) const {
    return {minX + column * tile_size, yPos, minZ + row * tile_size};
}

std::string cTileLayerCells::Text() const {
    std::string text;
    text.reserve(cells.size());
    for (std::uint8_t value : cells) text.push_back(static_cast<char>('0' + value));
    return text;
}

}  // namespace Game
