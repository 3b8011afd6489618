// cTileLayerCells: the digits of a binary floor-tile layer, where each tile
// stands, and what damaged text turns into.

#include <gtest/gtest.h>

#include <string>

#include "engine/core/cLog.h"
#include "game/entities/cTileLayerCells.h"
#include "tests/support/TempDir.h"

namespace {

using Game::cTileLayerCells;

TEST(TileLayerCellsTest, DigitsFillTheGridRowByRowFromMinZ) {
    const cTileLayerCells layer(3, 2, -3.0f, -2.0f, 0.5f, "101001");
    const int expected[2][3] = {{1, 0, 1}, {0, 0, 1}};
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 3; ++column) {
            EXPECT_EQ(layer.Cell(column, row), expected[row][column]) << column << "," << row;
        }
    }
    EXPECT_EQ(layer.Cell(3, 0), 0);
    EXPECT_EQ(layer.Cell(0, -1), 0);
    EXPECT_EQ(layer.Text(), "101001");
}

TEST(TileLayerCellsTest, TilesStandAtMinPlusCellTimesTileSize) {
    const cTileLayerCells layer(3, 2, -3.0f, -2.0f, 0.5f, "101001");
    struct Case {
        int column, row;
        float x, z;
    };
    const Case cases[] = {{0, 0, -3.0f, -2.0f}, {2, 0, 1.0f, -2.0f}, {2, 1, 1.0f, 0.0f}};
    for (const Case& c : cases) {
        const Engine::Vector3 p = layer.TilePosition(c.column, c.row, 2.0f);
        EXPECT_FLOAT_EQ(p.x, c.x);
        EXPECT_FLOAT_EQ(p.y, 0.5f);
        EXPECT_FLOAT_EQ(p.z, c.z);
    }
}

TEST(TileLayerCellsTest, DamagedTextKeepsWhatItCanAndIsLogged) {
    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory in_dir(dir.Path());
    struct Case {
        int width, height;
        std::string text, cells, log;
    };
    const Case cases[] = {
        {2, 2, "12", "1200", "2 digits for 4 cells"},
        {2, 1, "12345", "12", "5 digits for 2 cells"},
        {3, 1, "1x3", "103", "not digits"},
        {0, 4, "1111", "", "is not usable"},
        {-2, 2, "1111", "", "is not usable"},
        {100000, 100000, "1", "", "is not usable"},
    };
    for (const Case& c : cases) {
        Engine::cLog::Destroy();
        std::filesystem::remove(dir.File("Engine.log"));
        const cTileLayerCells layer(c.width, c.height, 0.0f, 0.0f, 0.0f, c.text);
        EXPECT_EQ(layer.Text(), c.cells) << c.text;
        Engine::cLog::Destroy();
        EXPECT_NE(TestSupport::ReadFile(dir.File("Engine.log")).find(c.log), std::string::npos) << c.text;
    }
}

}  // namespace
