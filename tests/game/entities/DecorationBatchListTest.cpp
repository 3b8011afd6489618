// cDecorationBatchList: recording instances per id, partitioning them,
// emptying the list, and the batch mesh names.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/Matrix4x4.h"
#include "game/entities/cDecorationBatchList.h"

namespace {

using Engine::Matrix4x4;
using Game::cDecorationBatchList;

class DecorationBatchListTest : public ::testing::Test {
protected:
    void SetUp() override { cDecorationBatchList::Destroy(); }
    void TearDown() override { cDecorationBatchList::Destroy(); }
    static cDecorationBatchList& List() { return cDecorationBatchList::Instance(); }
};

TEST_F(DecorationBatchListTest, BatchMeshNamesJoinIdAndGroup) {
    struct sCase {
        const char* id;
        std::int32_t group;
        const char* name;
    };
    const sCase cases[] = {
        {"Rock", 0, "Rockdecorbatch0"}, {"TreeOak", 15, "TreeOakdecorbatch15"}, {"Bush", 16, "Bushdecorbatch16"}};
    for (const sCase& c : cases) EXPECT_EQ(cDecorationBatchList::BatchMeshName(c.id, c.group), c.name);
}

TEST_F(DecorationBatchListTest, InstancesAreKeptPerIdInRecordOrder) {
    EXPECT_TRUE(List().Empty());
    List().Record("Rock", Matrix4x4::Translation({1, 0, 0}));
    List().Record("Bush", Matrix4x4::Translation({2, 0, 0}));
    List().Record("Rock", Matrix4x4::Translation({3, 0, 0}));
    EXPECT_FALSE(List().Empty());
    EXPECT_EQ(List().Ids(), (std::vector<std::string>{"Bush", "Rock"}));
    const std::vector<Matrix4x4>& rocks = List().Instances("Rock");
    ASSERT_EQ(rocks.size(), 2u);
    EXPECT_EQ(rocks[0].m[0][3], 1.0f);
    EXPECT_EQ(rocks[1].m[0][3], 3.0f);
    ASSERT_EQ(List().Instances("Bush").size(), 1u);
    EXPECT_TRUE(List().Instances("Fern").empty());
}

TEST_F(DecorationBatchListTest, PartitionSortsOneIdsInstancesIntoGroups) {
    List().Record("Rock", Matrix4x4::Translation({5, 0, 5}));     // cell 0
    List().Record("Rock", Matrix4x4::Translation({-20, 0, -20}));  // cell 8
    List().Record("Rock", Matrix4x4::Translation({500, 0, 0}));   // outside
    List().Record("Bush", Matrix4x4::Translation({5, 0, 5}));
    const Game::PartitionGroups groups = List().Partition("Rock", {{-1, 0, -1}, {1, 1, 1}});
    EXPECT_EQ(groups[0].size(), 1u);
    EXPECT_EQ(groups[8].size(), 1u);
    EXPECT_EQ(groups[Game::kOutsideGroup].size(), 1u);
    std::size_t total = 0;
    for (const auto& g : groups) total += g.size();
    EXPECT_EQ(total, 3u) << "the bush is not a rock";
}

TEST_F(DecorationBatchListTest, ClearForgetsEverything) {
    List().Record("Rock", Matrix4x4::Identity());
    List().Clear();
    EXPECT_TRUE(List().Empty());
    EXPECT_TRUE(List().Ids().empty());
    EXPECT_TRUE(List().Instances("Rock").empty());
}

}  // namespace
