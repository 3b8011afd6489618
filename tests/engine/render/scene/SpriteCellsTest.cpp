#include "engine/render/scene/SpriteCells.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/core/cLog.h"
#include "tests/support/TempDir.h"

namespace {

using Engine::SpriteCells;
using Engine::TextureOffsets;

TEST(SpriteCellsTest, CutsASheetIntoWholeCells) {
    const SpriteCells cells = SpriteCells::Cut(64, 64, 256, 256);
    EXPECT_EQ(cells.columns, 4u);
    EXPECT_EQ(cells.cellCount, 16u);
    EXPECT_FLOAT_EQ(cells.cellU, 0.25f);
    EXPECT_FLOAT_EQ(cells.cellV, 0.25f);
    EXPECT_FLOAT_EQ(cells.cellWidth, 64.0f);
    EXPECT_FLOAT_EQ(cells.cellHeight, 64.0f);

    // Cells that do not divide the sheet: only whole ones count.
    const SpriteCells uneven = SpriteCells::Cut(100, 30, 256, 128);
    EXPECT_EQ(uneven.columns, 2u);
    EXPECT_EQ(uneven.cellCount, 2u * 4u);
    EXPECT_FLOAT_EQ(uneven.cellU, 100.0f / 256.0f);
    EXPECT_FLOAT_EQ(uneven.cellV, 30.0f / 128.0f);
}

struct OffsetCase {
    uint32_t cell_width, cell_height;
    int32_t texture_width, texture_height;
    uint32_t frame;
    float u, v;
};

TEST(SpriteCellsTest, OffsetsPerFrame) {
    const OffsetCase cases[] = {
        {64, 64, 256, 256, 0, 0.0f, 0.0f},    {64, 64, 256, 256, 3, 0.75f, 0.0f},
        {64, 64, 256, 256, 4, 0.0f, 0.25f},   {64, 64, 256, 256, 5, 0.25f, 0.25f},
        {64, 64, 256, 256, 15, 0.75f, 0.75f}, {32, 32, 128, 64, 5, 0.25f, 0.5f},
        {64, 16, 128, 64, 3, 0.5f, 0.25f},    {128, 64, 128, 64, 0, 0.0f, 0.0f},
        // Past the last cell the sheet starts again.
        {64, 64, 256, 256, 16, 0.0f, 0.0f},   {64, 64, 256, 256, 21, 0.25f, 0.25f},
        {128, 64, 128, 64, 2, 0.0f, 0.0f},
    };
    for (const OffsetCase& c : cases) {
        const TextureOffsets offsets =
            SpriteCells::Cut(c.cell_width, c.cell_height, c.texture_width, c.texture_height).Offsets(c.frame);
        EXPECT_FLOAT_EQ(offsets.u, c.u) << c.cell_width << "x" << c.cell_height << " frame " << c.frame;
        EXPECT_FLOAT_EQ(offsets.v, c.v) << c.cell_width << "x" << c.cell_height << " frame " << c.frame;
    }
}

TEST(SpriteCellsTest, WithoutACellSizeEveryFrameShowsTheOrigin) {
    const TextureOffsets offsets = SpriteCells{}.Offsets(7);
    EXPECT_EQ(offsets.u, 0.0f);
    EXPECT_EQ(offsets.v, 0.0f);
}

struct RefusedCase {
    uint32_t cell_width, cell_height;
    int32_t texture_width, texture_height;
};

TEST(SpriteCellsTest, RefusedCellSizesShowTheWholeTexture) {
    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory cwd{dir.Path()};
    Engine::cLog::Destroy();
    const RefusedCase cases[] = {
        {0, 64, 256, 256}, {64, 0, 256, 256}, {0, 0, 256, 256}, {512, 64, 256, 256},
        {64, 300, 256, 256}, {64, 64, 0, 0}, {64, 64, -5, 256},
    };
    for (const RefusedCase& c : cases) {
        const SpriteCells cells = SpriteCells::Cut(c.cell_width, c.cell_height, c.texture_width, c.texture_height);
        const std::string label = std::to_string(c.cell_width) + "x" + std::to_string(c.cell_height) + " on " +
                                  std::to_string(c.texture_width) + "x" + std::to_string(c.texture_height);
        EXPECT_EQ(cells.columns, 1u) << label;
        EXPECT_EQ(cells.cellCount, 1u) << label;
        EXPECT_FLOAT_EQ(cells.cellU, 1.0f) << label;
        EXPECT_FLOAT_EQ(cells.cellV, 1.0f) << label;
        // Every frame of a one-cell sheet is the whole texture.
        EXPECT_FLOAT_EQ(cells.Offsets(3).u, 0.0f) << label;
        EXPECT_FLOAT_EQ(cells.Offsets(3).v, 0.0f) << label;
    }
    Engine::cLog::Destroy();
    const std::string log = TestSupport::ReadFile(dir.File("Engine.log"));
    std::size_t lines = 0;
    for (std::size_t at = log.find("Error: sprite cell"); at != std::string::npos;
         at = log.find("Error: sprite cell", at + 1))
        ++lines;
    EXPECT_EQ(lines, std::size(cases)) << log;
}

TEST(SpriteCellsTest, TextureMatrixScalesAndMovesToTheCell) {
    const Engine::Matrix4x4 matrix = Engine::CellTextureMatrix({0.25f, 0.5f, 1.0f}, {0.75f, 0.5f});
    Engine::Matrix4x4 expected{};
    expected.m[0][0] = 0.25f;
    expected.m[1][1] = 0.5f;
    expected.m[2][2] = 1.0f;
    expected.m[3][3] = 1.0f;
    expected.m[0][2] = 0.75f;
    expected.m[1][2] = 0.5f;
    EXPECT_EQ(matrix, expected);
    // A corner (1, 1) of the quad lands on the far corner of the cell.
    const Engine::Vector4 corner = matrix * Engine::Vector4{1.0f, 1.0f, 1.0f, 1.0f};
    EXPECT_FLOAT_EQ(corner.x, 1.0f);
    EXPECT_FLOAT_EQ(corner.y, 1.0f);
}

}  // namespace
