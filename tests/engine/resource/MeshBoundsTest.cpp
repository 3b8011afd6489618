// Bounding box and bounding sphere of a point set.
#include "engine/resource/MeshBounds.h"

#include <gtest/gtest.h>

#include <vector>

namespace Engine {
namespace {

struct SphereCase {
    const char* what;
    std::vector<Vector3> points;
    Vector4 sphere;
};

TEST(MeshBoundsTest, SphereFollowsTheExtremePairThenGrowsForOutsiders) {
    const std::vector<SphereCase> cases{
        {"no points", {}, {0, 0, 0, 0}},
        {"one point", {{1, 2, 3}}, {1, 2, 3, 0}},
        {"two points", {{-1, 0, 0}, {3, 0, 0}}, {1, 0, 0, 2}},
        // The y pair (0,-5)-(0,5) is farther apart than the x pair: it starts the sphere.
        {"farthest pair wins", {{-1, 0, 0}, {1, 0, 0}, {0, -5, 0}, {0, 5, 0}}, {0, 0, 0, 5}},
        // Start (x pair) centre 0 radius 2; (0,3,0) lies 3 away: radius (2 + 3) / 2 = 2.5, centre moves 0.5 toward it.
        {"grows toward an outsider", {{-2, 0, 0}, {2, 0, 0}, {0, 3, 0}}, {0, 0.5f, 0, 2.5f}},
    };
    for (const SphereCase& c : cases) {
        const Vector4 sphere = BoundingSphereOf(c.points);
        EXPECT_NEAR(sphere.x, c.sphere.x, 1e-6f) << c.what;
        EXPECT_NEAR(sphere.y, c.sphere.y, 1e-6f) << c.what;
        EXPECT_NEAR(sphere.z, c.sphere.z, 1e-6f) << c.what;
        EXPECT_NEAR(sphere.w, c.sphere.w, 1e-6f) << c.what;
    }
}

TEST(MeshBoundsTest, TheSphereHoldsEveryPoint) {
    std::vector<Vector3> points;
    for (int i = 0; i < 50; ++i) points.push_back({float(i % 7) * 1.5f, float((i * 13) % 11), float((i * 5) % 3) - 8});
    const Vector4 sphere = BoundingSphereOf(points);
    for (const Vector3& p : points)
        EXPECT_LE(Distance(p, {sphere.x, sphere.y, sphere.z}), sphere.w * (1 + 1e-5f));
}

TEST(MeshBoundsTest, BoxIsTheComponentWiseRange) {
    const AABB box = BoundingBoxOf({{1, -2, 3}, {-4, 5, 0}, {2, 0, -6}});
    EXPECT_EQ(box.min, (Vector3{-4, -2, -6}));
    EXPECT_EQ(box.max, (Vector3{2, 5, 3}));
    const AABB none = BoundingBoxOf({});
    EXPECT_EQ(none.min, Vector3{});
    EXPECT_EQ(none.max, Vector3{});
}

}  // namespace
}  // namespace Engine
