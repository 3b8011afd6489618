// Box arithmetic, the static overlap test and the collision box shape.

#include <gtest/gtest.h>

#include "engine/core/Matrix4x4.h"
#include "engine/physics/BoxOperations.h"
#include "engine/physics/cCollisionAABB.h"

namespace PhysicsTests {
namespace {

using Engine::AABB;
using Engine::Matrix4x4;
using Engine::Vector3;
using Engine::Vector4;

void ExpectNear(const Vector3& actual, const Vector3& expected, const char* label) {
    EXPECT_NEAR(actual.x, expected.x, 1e-5f) << label;
    EXPECT_NEAR(actual.y, expected.y, 1e-5f) << label;
    EXPECT_NEAR(actual.z, expected.z, 1e-5f) << label;
}

AABB Box(Vector3 min, Vector3 max) { return AABB{min, max}; }

const AABB kUnit = Box({0, 0, 0}, {1, 1, 1});

struct OverlapCase {
    const char* label;
    AABB other;
    bool overlap;
};

const OverlapCase kOverlapCases[] = {
    {"same box", kUnit, true},
    {"contained", Box({0.25f, 0.25f, 0.25f}, {0.75f, 0.75f, 0.75f}), true},
    {"shared face", Box({1, 0, 0}, {2, 1, 1}), true},
    {"shared edge", Box({1, 1, 0}, {2, 2, 1}), true},
    {"shared corner", Box({1, 1, 1}, {2, 2, 2}), true},
    {"zero-size box on the face plane", Box({1, 0.5f, 0.5f}, {1, 0.5f, 0.5f}), true},
    {"zero-thickness slab crossing", Box({-1, 0.5f, -1}, {2, 0.5f, 2}), true},
    {"just apart on x", Box({1.001f, 0, 0}, {2, 1, 1}), false},
    {"apart on y", Box({0, -3, 0}, {1, -0.001f, 1}), false},
    {"apart on z", Box({0, 0, 1.5f}, {1, 1, 2}), false},
    {"overlapping on x and y, apart on z", Box({0.5f, 0.5f, -2}, {1.5f, 1.5f, -1}), false},
};

TEST(BoxesOverlapTest, ClosedBoxesInBothOrders) {
    for (const OverlapCase& c : kOverlapCases) {
        EXPECT_EQ(Engine::BoxesOverlap(kUnit, c.other), c.overlap) << c.label;
        EXPECT_EQ(Engine::BoxesOverlap(c.other, kUnit), c.overlap) << c.label << " (swapped)";
    }
}

TEST(BoxOperationsTest, CentreAndRecentreKeepTheExtents) {
    AABB box = Box({0, 0, 0}, {2, 4, 6});
    ExpectNear(Engine::BoxCentre(box), {1, 2, 3}, "centre");
    Engine::Recentre(box, {10, -10, 0});
    ExpectNear(box.min, {9, -12, -3}, "recentred min");
    ExpectNear(box.max, {11, -8, 3}, "recentred max");
}

TEST(BoxOperationsTest, SetHalfExtentsKeepsTheCentreAndAllowsZero) {
    AABB box = Box({0, 0, 0}, {2, 4, 6});
    Engine::SetHalfExtents(box, {0.5f, 0, 2});
    ExpectNear(box.min, {0.5f, 2, 1}, "min");
    ExpectNear(box.max, {1.5f, 2, 5}, "max");
    EXPECT_TRUE(Engine::BoxesOverlap(box, Box({0, 2, 0}, {1, 3, 1}))) << "a flat box touching a plane overlaps";
}

TEST(BoxOperationsTest, SetCentreAndSizeTakesFullSizes) {
    AABB box;
    Engine::SetCentreAndSize(box, {1, 2, 3}, 2, 4, 0);
    ExpectNear(box.min, {0, 0, 3}, "min");
    ExpectNear(box.max, {2, 4, 3}, "max");
}

TEST(BoxOperationsTest, BoundingSphereThroughTheCorners) {
    const Vector4 sphere = Engine::BoundingSphere(Box({-1, -2, -2}, {1, 2, 2}));
    EXPECT_EQ(sphere, Vector4(0, 0, 0, 3));
}

struct TransformCase {
    const char* label;
    Matrix4x4 matrix;
    Vector3 min, max;
};

// The unit cube around (1, 1, 1) under each matrix.
TEST(BoxOperationsTest, TransformBoxMovesTheCentreAndScalesTheExtents) {
    const TransformCase cases[] = {
        {"translation keeps the size", Matrix4x4::Translation({5, 0, -1}), {5.5f, 0.5f, -0.5f}, {6.5f, 1.5f, 0.5f}},
        {"uniform scale -2 scales by 2", Matrix4x4::Scaling({-2, -2, -2}), {-3, -3, -3}, {-1, -1, -1}},
        {"scale then translate", Matrix4x4::Translation({0, 10, 0}) * Matrix4x4::Scaling({1, 2, 3}),
         {0.5f, 11, 1.5f}, {1.5f, 13, 4.5f}},
        {"rotation turns the centre, not the box", Matrix4x4::RotationZ(1.5707963f), {-1.5f, 0.5f, 0.5f},
         {-0.5f, 1.5f, 1.5f}},
    };
    for (const TransformCase& c : cases) {
        AABB box = Box({0.5f, 0.5f, 0.5f}, {1.5f, 1.5f, 1.5f});
        Engine::TransformBox(c.matrix, box);
        ExpectNear(box.min, c.min, c.label);
        ExpectNear(box.max, c.max, c.label);
    }
}

TEST(CollisionAABBTest, UnitCubeThatFollowsItsOwnerWithTheOffset) {
    Engine::cCollisionAABB box;
    EXPECT_EQ(box.GetKind(), 0);
    EXPECT_EQ(box.min, Vector3(-0.5f, -0.5f, -0.5f));
    EXPECT_EQ(box.max, Vector3(0.5f, 0.5f, 0.5f));
    EXPECT_TRUE(box.UpdatePosition({3, 4, 5}));
    EXPECT_EQ(box.min, Vector3(2.5f, 3.5f, 4.5f));
    EXPECT_EQ(box.max, Vector3(3.5f, 4.5f, 5.5f));

    box.offset = Vector3(0, 1, 0);
    box.UpdatePosition({0, 0, 0});
    EXPECT_EQ(Engine::BoxCentre(box), Vector3(0, 1, 0));
    EXPECT_FALSE(box.TestAgainst(&box));
    EXPECT_EQ(Engine::cCollisionAABB::Of(&box), &box);
    EXPECT_EQ(Engine::cCollisionAABB::Of(nullptr), nullptr);
}

}  // namespace
}  // namespace PhysicsTests
