// TileLayerLayout: the cube positions of each tile kind of a floor layer.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "game/entities/TileLayerLayout.h"

namespace {

using Engine::Vector3;

// A 3 x 2 grid at (-4, 0.5, 10) with tiles of edge 2:
//   row 0: 1 0 2
//   row 1: 2 1 7
const std::vector<std::uint8_t> kCells = {1, 0, 2, 2, 1, 7};

Game::sTileGrid Grid(const std::vector<std::uint8_t>& cells, std::uint32_t width, std::uint32_t height) {
    return {width, height, cells.data(), -4.0f, 10.0f, 0.5f, 2.0f};
}

void ExpectPoints(const std::vector<Vector3>& got, const std::vector<Vector3>& want, int kind) {
    ASSERT_EQ(got.size(), want.size()) << "kind " << kind;
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(got[i].x, want[i].x) << "kind " << kind << " point " << i;
        EXPECT_EQ(got[i].y, want[i].y) << "kind " << kind << " point " << i;
        EXPECT_EQ(got[i].z, want[i].z) << "kind " << kind << " point " << i;
    }
}

struct sKindCase {
    std::uint8_t kind;
    std::vector<Vector3> points;
};

TEST(TileLayerLayout, EachKindGetsItsCellsInRowMajorOrder) {
    const std::vector<sKindCase> cases = {
        {1, {{-4, 0.5f, 10}, {-2, 0.5f, 12}}},
        {2, {{0, 0.5f, 10}, {-4, 0.5f, 12}}},
        {7, {{0, 0.5f, 12}}},
        {3, {}},
    };
    for (const sKindCase& c : cases) {
        ExpectPoints(Game::TileCentres(Grid(kCells, 3, 2), c.kind), c.points, c.kind);
    }
}

TEST(TileLayerLayout, AllEmptyLayerHasNoTiles) {
    const std::vector<std::uint8_t> empty(12, 0);
    for (std::uint8_t kind = 1; kind < 10; ++kind) {
        EXPECT_TRUE(Game::TileCentres(Grid(empty, 4, 3), kind).empty()) << int(kind);
    }
}

TEST(TileLayerLayout, GridWithoutCellsHasNoTiles) {
    Game::sTileGrid grid = Grid(kCells, 3, 2);
    grid.cells = nullptr;
    EXPECT_TRUE(Game::TileCentres(grid, 1).empty());
    EXPECT_TRUE(Game::TileCentres(Grid(kCells, 0, 0), 1).empty());
}

}  // namespace
