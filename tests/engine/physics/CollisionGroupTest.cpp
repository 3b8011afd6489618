// Collision groups: singular pairing, grid cells, static and active grids,
// and clearing a group back into the pool.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <utility>
#include <vector>

#include "engine/physics/CollisionGridLayout.h"
#include "engine/physics/cCollisionGroupGrid.h"
#include "tests/engine/physics/PhysicsFixture.h"

namespace PhysicsTests {
namespace {

using Engine::AABB;
using Engine::eCollisionGroupKind;
using Engine::iPhysicsCmp;
using Engine::Vector3;
using Strings = std::vector<std::string>;

class CollisionGroupTest : public PhysicsFixture {
protected:
    // Objects named prefix + 1..count in group, spread apart along x.
    void MakeRow(const std::string& group, const std::string& prefix, int count) {
        for (int i = 1; i <= count; ++i) Make(group, prefix + std::to_string(i), {static_cast<float>(3 * i), 0, 0});
    }
    // Runs one pass with a frame time of 1/60 s.
    static void Pass() { Manager().Update(1.0f / 60); }
};

TEST_F(CollisionGroupTest, SingularGroupsPairEveryMemberWithEveryMember) {
    MakeRow("A", "a", 3);
    MakeRow("B", "b", 4);
    Manager().AddGroupPair("A", "B");
    Pass();
    EXPECT_EQ(CandidateTags(), Strings({"a1>b1", "a1>b2", "a1>b3", "a1>b4", "a2>b1", "a2>b2", "a2>b3", "a2>b4",
                                        "a3>b1", "a3>b2", "a3>b3", "a3>b4"}));
    Pass();
    EXPECT_EQ(Manager().GetCandidates().size(), 12u) << "rebuilt every pass, not accumulated";
}

TEST_F(CollisionGroupTest, SingularGroupPairedWithItselfGivesBothOrders) {
    MakeRow("A", "a", 3);
    Manager().AddGroupPair("A", "A");
    Pass();
    EXPECT_EQ(CandidateTags(), Strings({"a1>a2", "a1>a3", "a2>a1", "a2>a3", "a3>a1", "a3>a2"}));
}

TEST_F(CollisionGroupTest, DisabledMembersAreNeverPaired) {
    MakeRow("A", "a", 3);
    MakeRow("B", "b", 4);
    Manager().AddGroupPair("A", "B");
    Manager().FindGroup("A")->GetMembers().front()->SetDisabled(true);
    Manager().FindGroup("B")->GetMembers().back()->SetDisabled(true);
    Pass();
    EXPECT_EQ(CandidateTags(), Strings({"a2>b1", "a2>b2", "a2>b3", "a3>b1", "a3>b2", "a3>b3"}));
}

TEST_F(CollisionGroupTest, SingularDoesNotGenerateAgainstAGrid) {
    MakeRow("A", "a", 2);
    Manager().GetGroup("G", eCollisionGroupKind::Grid);
    std::vector<Engine::cCollisionPairObj> out;
    Manager().FindGroup("A")->GeneratePairs(out, Manager().FindGroup("G"));
    EXPECT_TRUE(out.empty());
}

struct CellCase {
    float x, z;
    std::int32_t cell;
};

TEST(CollisionGridLayoutTest, CellsTruncateFoldAndWrap) {
    const Engine::CollisionGridLayout layout = Engine::StandardGridLayout();
    const CellCase cases[] = {
        {-0.5f, 0, 0}, {0.5f, 0, 0},     {100.2f, 0, 0},      {1.5f, 0, 1},          {-1.5f, 0, 1},
        {0, 2.5f, 200}, {99.9f, 99.9f, 9999}, {-250.7f, -3.2f, 350}, {1e20f, 0, 0},
    };
    for (const CellCase& c : cases) EXPECT_EQ(Engine::CellOfPoint(layout, c.x, c.z), c.cell) << c.x << ", " << c.z;
}

struct CoverCase {
    const char* label;
    AABB box;
    std::vector<std::int32_t> cells;
};

TEST(CollisionGridLayoutTest, CoveredCellsRowByRowOncePerCell) {
    const Engine::CollisionGridLayout layout = Engine::StandardGridLayout();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const CoverCase cases[] = {
        {"inside one cell", {{2.2f, 0, 3.1f}, {2.8f, 1, 3.9f}}, {302}},
        {"on a corner of four cells", {{1.5f, 0, 1.5f}, {2.5f, 1, 2.5f}}, {101, 102, 201, 202}},
        {"across zero, folded onto the same column", {{-0.5f, 0, 0.2f}, {0.5f, 0, 0.4f}}, {0}},
        {"across zero over two columns each side", {{-1.5f, 0, 0.2f}, {1.5f, 0, 0.4f}}, {1, 0}},
        {"upside-down box covers nothing", {{3, 0, 3}, {2, 0, 2}}, {}},
        {"not a number counts as 0", {{nan, 0, 0.5f}, {nan, 0, 0.5f}}, {0}},
    };
    std::vector<std::int32_t> cells;
    for (const CoverCase& c : cases) {
        Engine::CoveredCells(layout, c.box, cells);
        EXPECT_EQ(cells, c.cells) << c.label;
    }
}

TEST(CollisionGridLayoutTest, AHugeBoxCoversEveryCellOnceAndAnUnsetLayoutNone) {
    std::vector<std::int32_t> cells;
    Engine::CoveredCells(Engine::StandardGridLayout(), {{-1e9f, 0, 0.5f}, {1e9f, 0, 0.5f}}, cells);
    std::vector<std::int32_t> expected(100);
    for (int i = 0; i < 100; ++i) expected[static_cast<std::size_t>(i)] = i;
    EXPECT_EQ(cells, expected);
    Engine::CoveredCells(Engine::CollisionGridLayout{}, {{0, 0, 0}, {1, 1, 1}}, cells);
    EXPECT_TRUE(cells.empty());
}

// A "Wall" grid and a singular "Kid" group paired as the gameplay state does.
class GridPairingTest : public CollisionGroupTest {
protected:
    void SetUp() override {
        CollisionGroupTest::SetUp();
        Manager().ConfigureGrids();
        Manager().GetGroup("Wall", eCollisionGroupKind::Grid);
        Manager().GetGroup("Kid", eCollisionGroupKind::Singular);
        Manager().AddGroupPair("Kid", "Wall");
    }
};

TEST_F(GridPairingTest, AKidStraddlingFourCellsMeetsAWallOnTwoOfThemOnce) {
    Make("Wall", "wall", {5, 0, 5.5f}, {0.9f, 0.5f, 0.4f});  // x 4.1..5.9, z 5.1..5.9: cells (4,5) and (5,5)
    Make("Kid", "kid", {5, 0, 5}, {0.5f, 0.5f, 0.5f});       // x 4.5..5.5, z 4.5..5.5: four cells
    Manager().ConfigureGrids();
    Pass();
    EXPECT_EQ(CandidateTags(), Strings({"wall>kid"}));
}

TEST_F(GridPairingTest, AWallOnACellEdgeIsFoundFromBothCells) {
    Make("Wall", "wall", {2, 0, 0.5f}, {0.5f, 0.5f, 0.25f});  // x 1.5..2.5: columns 1 and 2
    Make("Kid", "left", {1.2f, 0, 0.5f}, {0.1f, 0.5f, 0.1f});
    Make("Kid", "right", {2.8f, 0, 0.5f}, {0.1f, 0.5f, 0.1f});
    Make("Kid", "far", {4.5f, 0, 0.5f}, {0.1f, 0.5f, 0.1f});
    Manager().ConfigureGrids();
    Pass();
    EXPECT_EQ(CandidateTags(), Strings({"wall>left", "wall>right"}));
}

struct OrderCase {
    const char* label;
    int walls_here, kids, walls_far;
    float half;  // 0.9 covers nine cells, 0.4 one
};

// Many pairs for few walls, and few pairs among many walls, take different
// ordering paths; both must give identity order with no repeats.
TEST_F(CollisionGroupTest, GridPairsComeOutOrderedByObjectIdentity) {
    const OrderCase cases[] = {{"many pairs, few walls", 4, 3, 0, 0.9f}, {"few pairs, many walls", 2, 2, 100, 0.4f}};
    for (const OrderCase& c : cases) {
        Fresh();
        Manager().ConfigureGrids();
        Manager().GetGroup("Wall", eCollisionGroupKind::Grid);
        const Vector3 half(c.half, 0.5f, c.half);
        for (int i = 0; i < c.walls_far; ++i) Make("Wall", "far", {60.5f + (i % 10), 0, 60.5f + (i / 10)}, half);
        iPhysicsCmp* wall = nullptr;
        for (int i = 0; i < c.walls_here; ++i) wall = Make("Wall", "wall", {10.5f, 0, 10.5f}, half);
        iPhysicsCmp* kid = Make("Kid", "kid", {10.5f, 0, 10.5f}, half);
        for (int i = 1; i < c.kids; ++i) Make("Kid", "kid", {10.5f, 0, 10.5f}, half);
        // The newest wall and the oldest kid go to the end of their lists,
        // so that list order is not address order.
        for (auto [group, object] : {std::pair{"Wall", wall}, std::pair{"Kid", kid}}) {
                Manager().FindGroup(group)->Remove(object);
            Manager().FindGroup(group)->Add(object);
        }
        Manager().AddGroupPair("Kid", "Wall");
        Manager().ConfigureGrids();
        Manager().Update(1.0f / 60);
        const std::vector<Engine::cCollisionPairObj>& pairs = Manager().GetCandidates();
        ASSERT_EQ(pairs.size(), static_cast<std::size_t>(c.walls_here * c.kids)) << c.label << ": each pair once";
        const std::less<const iPhysicsCmp*> before;
        for (std::size_t i = 1; i < pairs.size(); ++i) {
            const bool ordered = before(pairs[i - 1].first, pairs[i].first) ||
                                 (pairs[i - 1].first == pairs[i].first && before(pairs[i - 1].second, pairs[i].second));
            EXPECT_TRUE(ordered) << c.label << ": pair " << i;
        }
    }
}

TEST_F(GridPairingTest, AStaticGridSeesAdditionsAndMovesOnlyAfterConfigureGrids) {
    Make("Kid", "kid", {20.5f, 0, 20.5f});
    iPhysicsCmp* wall = Make("Wall", "wall", {20.5f, 0, 20.5f});
    Pass();
    EXPECT_TRUE(Manager().GetCandidates().empty()) << "added after the last rebuild";
    Manager().ConfigureGrids();
    Pass();
    EXPECT_EQ(CandidateTags(), Strings({"wall>kid"}));

    wall->SetPosition({60.5f, 0, 60.5f});
    Pass();
    EXPECT_EQ(CandidateTags(), Strings({"wall>kid"})) << "the cells keep the wall where it was binned";
    Manager().ConfigureGrids();
    Pass();
    EXPECT_TRUE(Manager().GetCandidates().empty());
}

TEST_F(GridPairingTest, AMemberRemovedFromTheGridIsNotPairedBeforeTheNextRebuild) {
    Make("Kid", "kid", {30.5f, 0, 30.5f});
    iPhysicsCmp* wall = Make("Wall", "wall", {30.5f, 0, 30.5f});
    Manager().ConfigureGrids();
    wall->MarkRemoved();
    World().Step(0);
    Pass();
    EXPECT_TRUE(Manager().GetCandidates().empty());
    EXPECT_EQ(Manager().FindGroup("Wall")->GetCount(), 0);
}

TEST_F(CollisionGroupTest, AGridBuiltBeforeTheLayoutIsSetFindsNothingAndLaterWorks) {
    Manager().GetGroup("Wall", eCollisionGroupKind::Grid);
    Manager().GetGroup("Mover", eCollisionGroupKind::ActiveGrid);
    Make("Wall", "wall", {1.5f, 0, 1.5f});
    Make("Kid", "kid", {1.5f, 0, 1.5f});
    Make("Mover", "mover", {1.5f, 0, 1.5f});
    Manager().AddGroupPair("Kid", "Wall");
    Manager().AddGroupPair("Mover", "Mover");
    Manager().AddGroupPair("Wall", "Mover");
    Pass();
    EXPECT_TRUE(Manager().GetCandidates().empty());
    Manager().ConfigureGrids();
    Pass();
    EXPECT_EQ(CandidateTags(), Strings({"wall>kid", "mover>wall"}));
}

TEST_F(CollisionGroupTest, AnActiveGridRebinsItsMovingMembersEveryPass) {
    Manager().ConfigureGrids();
    Manager().GetGroup("Mover", eCollisionGroupKind::ActiveGrid);
    Manager().AddGroupPair("Mover", "Mover");
    iPhysicsCmp* a = Make("Mover", "a", {40.5f, 0, 40.5f}, {0.2f, 0.2f, 0.2f});
    Make("Mover", "b", {45.5f, 0, 40.5f}, {0.2f, 0.2f, 0.2f});
    Pass();
    EXPECT_TRUE(Manager().GetCandidates().empty());
    a->SetPosition({45.5f, 0, 40.5f});
    Pass();
    const Strings tags = CandidateTags();
    EXPECT_EQ(tags.size(), 2u);
    EXPECT_NE(std::find(tags.begin(), tags.end(), "a>b"), tags.end());
    EXPECT_NE(std::find(tags.begin(), tags.end(), "b>a"), tags.end());
}

TEST_F(CollisionGroupTest, TwoGridsPairWhatSharesACellOnce) {
    Manager().ConfigureGrids();
    Manager().GetGroup("Wall", eCollisionGroupKind::Grid);
    Manager().GetGroup("Mover", eCollisionGroupKind::ActiveGrid);
    Make("Wall", "wall", {3, 0, 3}, {1, 0.5f, 1});       // four cells
    Make("Mover", "mover", {3, 0, 3}, {0.6f, 0.5f, 0.6f});  // the same four
    Manager().ConfigureGrids();
    Manager().AddGroupPair("Wall", "Mover");
    Pass();
    EXPECT_EQ(CandidateTags(), Strings({"mover>wall"}));
}

TEST_F(CollisionGroupTest, ClearTakesEachMemberOutOfTheWorldOnceAndEmptiesTheCells) {
    Manager().ConfigureGrids();
    Manager().GetGroup("Wall", eCollisionGroupKind::Grid);
    iPhysicsCmp* first = Make("Wall", "w1", {1.5f, 0, 1.5f});
    iPhysicsCmp* second = Make("Wall", "w2", {2.5f, 0, 1.5f});
    Engine::iCollisionGroupCmp* wall = Manager().FindGroup("Wall");
    wall->Add(first);  // listed twice
    Manager().ConfigureGrids();
    const auto& grid = dynamic_cast<const Engine::cCollisionGroupGrid&>(*wall);
    ASSERT_EQ(grid.GetCell(102).size(), 3u) << "w1 twice, then w2";
    const std::size_t free_before = World().GetPool().Free().size();

    wall->Clear();
    EXPECT_EQ(wall->GetCount(), 0);
    ASSERT_EQ(grid.GetCellCount(), 10000);
    for (std::int32_t cell = 0; cell < grid.GetCellCount(); ++cell) ASSERT_TRUE(grid.GetCell(cell).empty());
    EXPECT_EQ(World().GetPool().Free().size(), free_before) << "the members stay their owners'";
    EXPECT_NE(first->GetShape(), nullptr);
    EXPECT_NE(second->GetShape(), nullptr);
    EXPECT_TRUE(World().GetObjects().empty());
}

}  // namespace
}  // namespace PhysicsTests
