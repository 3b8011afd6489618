// DecorationPartition: the 16 cells, first-overlap grouping and the outside group.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/core/AABB.h"
#include "engine/core/Matrix4x4.h"
#include "game/entities/DecorationPartition.h"

namespace {

using Engine::AABB;
using Engine::Matrix4x4;
using Engine::Vector3;

struct sCellCase {
    std::int32_t index;
    Vector3 min;
    Vector3 max;
};

TEST(DecorationPartition, CellBoxesFollowTheFixedTable) {
    const std::vector<sCellCase> cases = {
        {0, {0, 0, 0}, {15, 10, 15}},        {1, {15, 0, 0}, {30, 10, 15}},
        {2, {0, 0, 15}, {15, 10, 30}},       {3, {15, 0, 15}, {30, 10, 30}},
        {4, {-30, 0, 0}, {-15, 10, 15}},     {5, {-15, 0, 0}, {0, 10, 15}},
        {6, {-30, 0, 15}, {-15, 10, 30}},    {7, {-15, 0, 15}, {0, 10, 30}},
        {8, {-30, 0, -30}, {-15, 10, -15}},  {9, {-15, 0, -30}, {0, 10, -15}},
        {10, {-30, 0, -15}, {-15, 10, 0}},   {11, {-15, 0, -15}, {0, 10, 0}},
        {12, {0, 0, -30}, {15, 10, -15}},    {13, {15, 0, -30}, {30, 10, -15}},
        {14, {0, 0, -15}, {15, 10, 0}},      {15, {15, 0, -15}, {30, 10, 0}},
    };
    for (const sCellCase& c : cases) {
        const AABB box = Game::PartitionCellBox(c.index);
        EXPECT_EQ(box.min.x, c.min.x) << "cell " << c.index;
        EXPECT_EQ(box.min.y, c.min.y) << "cell " << c.index;
        EXPECT_EQ(box.min.z, c.min.z) << "cell " << c.index;
        EXPECT_EQ(box.max.x, c.max.x) << "cell " << c.index;
        EXPECT_EQ(box.max.y, c.max.y) << "cell " << c.index;
        EXPECT_EQ(box.max.z, c.max.z) << "cell " << c.index;
    }
}

TEST(DecorationPartition, BadCellIndexGivesAnEmptyBox) {
    for (std::int32_t index : {-1, 16, 1000}) {
        const AABB box = Game::PartitionCellBox(index);
        EXPECT_EQ(box.min.x, 0.0f);
        EXPECT_EQ(box.max.x, 0.0f);
        EXPECT_EQ(box.max.y, 0.0f);
        EXPECT_EQ(box.max.z, 0.0f);
    }
}

struct sGroupCase {
    const char* what;
    AABB box;
    std::int32_t group;
};

TEST(DecorationPartition, BoxJoinsTheFirstCellItTouches) {
    const std::vector<sGroupCase> cases = {
        {"inside cell 3", {{20, 1, 20}, {21, 2, 21}}, 3},
        {"inside cell 9", {{-10, 1, -20}, {-9, 2, -19}}, 9},
        {"inside cell 15", {{20, 1, -10}, {21, 2, -9}}, 15},
        {"across cells 0 and 1", {{14, 1, 5}, {16, 2, 6}}, 0},
        {"across cells 5 and 0", {{-1, 1, 5}, {1, 2, 6}}, 0},
        {"across cells 12 and 14", {{5, 1, -16}, {6, 2, -14}}, 12},
        {"touching cell 1 only at its far face", {{30, 1, 5}, {31, 2, 6}}, 1},
        {"touching cell 8 at its corner", {{-31, -1, -31}, {-30, 0, -30}}, 8},
        {"beyond every cell in x", {{31, 1, 5}, {32, 2, 6}}, Game::kOutsideGroup},
        {"above every cell", {{5, 11, 5}, {6, 12, 6}}, Game::kOutsideGroup},
        {"below every cell", {{5, -3, 5}, {6, -1, 6}}, Game::kOutsideGroup},
    };
    for (const sGroupCase& c : cases) {
        EXPECT_EQ(Game::PartitionGroupOf(c.box), c.group) << c.what;
    }
}

TEST(DecorationPartition, InstancesAreGroupedByTheirTransformedBox) {
    const AABB mesh_box{{-1, 0, -1}, {1, 2, 1}};
    const std::vector<Matrix4x4> instances = {
        Matrix4x4::Translation({20, 0, 20}),   // cell 3
        Matrix4x4::Translation({100, 0, 0}),   // outside
        Matrix4x4::Translation({5, 0, 5}),     // cell 0
        Matrix4x4::Translation({22, 0, 22}),   // cell 3, after the first
        // Scaled up four times around x = 34: reaches back to x = 30, cell 1.
        Matrix4x4::Translation({34, 0, 5}) * Matrix4x4::Scaling({4, 1, 1}),
    };
    const Game::PartitionGroups groups = Game::GroupInstances(mesh_box, instances);
    std::size_t total = 0;
    for (const auto& g : groups) total += g.size();
    EXPECT_EQ(total, instances.size());
    ASSERT_EQ(groups[3].size(), 2u);
    EXPECT_EQ(groups[3][0].m[0][3] + groups[3][0].m[2][3], 40.0f);
    EXPECT_EQ(groups[3][1].m[0][3] + groups[3][1].m[2][3], 44.0f);
    ASSERT_EQ(groups[0].size(), 1u);
    ASSERT_EQ(groups[1].size(), 1u);
    ASSERT_EQ(groups[Game::kOutsideGroup].size(), 1u);
}

TEST(DecorationPartition, NoInstancesGiveEmptyGroups) {
    const Game::PartitionGroups groups = Game::GroupInstances({{-1, 0, -1}, {1, 1, 1}}, {});
    for (const auto& g : groups) EXPECT_TRUE(g.empty());
}

}  // namespace
