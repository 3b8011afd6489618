// Ray, sphere, plane and frustum queries with their exact bounds.

#include <gtest/gtest.h>

#include <cmath>

#include "engine/physics/GeometricQueries.h"

namespace PhysicsTests {
namespace {

using Engine::AABB;
using Engine::Frustum;
using Engine::Ray;
using Engine::Vector3;
using Engine::Vector4;

constexpr float kUntouched = -99;

struct RaySphereCase {
    const char* label;
    Vector4 sphere;
    Ray ray;
    bool hit;
    float distance;  // kUntouched when no distance is written
};

const Ray kAlongZ{{0, 0, 0}, {0, 0, 1}};

const RaySphereCase kRaySphereCases[] = {
    {"straight ahead", {0, 0, 5, 1}, kAlongZ, true, 4},
    {"behind the origin", {0, 0, -5, 1}, kAlongZ, false, kUntouched},
    {"origin inside", {0, 0, 0.5f, 1}, kAlongZ, true, 0},
    {"tangent", {1, 0, 5, 1}, kAlongZ, true, 5},
    {"just missing", {1.01f, 0, 5, 1}, kAlongZ, false, kUntouched},
    {"origin on the surface, pointing in", {0, 0, 1, 1}, kAlongZ, true, 0},
    {"origin on the surface, pointing away", {0, 0, -1, 1}, kAlongZ, false, kUntouched},
};

TEST(RaySphereTest, BooleanAndDistanceAgree) {
    for (const RaySphereCase& c : kRaySphereCases) {
        EXPECT_EQ(Engine::RayHitsSphere(c.sphere, c.ray), c.hit) << c.label;
        float distance = kUntouched;
        EXPECT_EQ(Engine::RaySphereDistance(c.sphere, c.ray, distance), c.hit) << c.label;
        EXPECT_FLOAT_EQ(distance, c.distance) << c.label;
    }
}

struct RayPlaneCase {
    const char* label;
    Vector4 plane;
    Ray ray;
    bool hit;
    float distance;
};

const Vector4 kGround{0, 1, 0, 0};

const RayPlaneCase kRayPlaneCases[] = {
    {"from above, looking down", kGround, {{0, 5, 0}, {0, -1, 0}}, true, 5},
    {"from above, looking up", kGround, {{0, 5, 0}, {0, 1, 0}}, false, kUntouched},
    {"from below, looking up", kGround, {{0, -3, 0}, {0, 1, 0}}, true, 3},
    {"from below, looking down", kGround, {{0, -3, 0}, {0, -1, 0}}, false, kUntouched},
    {"oblique", kGround, {{0, 3, 0}, {0, -0.6f, 0.8f}}, true, 5},
    {"origin on the plane", kGround, {{4, 0, 4}, {0, 1, 0}}, true, 0},
    {"origin on the plane, parallel", kGround, {{4, 0, 4}, {1, 0, 0}}, true, 0},
    {"parallel above the plane never meets it", kGround, {{0, 5, 0}, {1, 0, 0}}, false, kUntouched},
    {"offset plane y = 2", {0, 1, 0, -2}, {{0, 5, 0}, {0, -1, 0}}, true, 3},
};

TEST(RayPlaneTest, DistanceAlongTheRay) {
    for (const RayPlaneCase& c : kRayPlaneCases) {
        float distance = kUntouched;
        EXPECT_EQ(Engine::RayPlaneDistance(c.plane, c.ray, distance), c.hit) << c.label;
        EXPECT_FLOAT_EQ(distance, c.distance) << c.label;
    }
}

// The cube |x|, |y|, |z| <= 1, planes in the order +x, -x, +y, -y, +z, -z.
Frustum UnitCube() {
    return Frustum{{{1, 0, 0, -1}, {-1, 0, 0, -1}, {0, 1, 0, -1}, {0, -1, 0, -1}, {0, 0, 1, -1}, {0, 0, -1, -1}}};
}

struct PointCase {
    const char* label;
    Vector3 point;
    bool inside;
};

TEST(FrustumTest, PointsWithTheFirstDecidingPlane) {
    const PointCase cases[] = {
        {"centre", {0, 0, 0}, true},
        {"outside the first plane", {2, 0, 0}, false},
        {"outside the fifth plane", {0, 0, 2}, false},
        {"on the first plane", {1, 0, 0}, true},
        {"on the second plane", {-1, 0, 0}, true},
        {"on the first plane, outside the third: the first decides", {1, 5, 0}, true},
    };
    for (const PointCase& c : cases) EXPECT_EQ(Engine::PointInFrustum(UnitCube(), c.point), c.inside) << c.label;
}

struct SphereCase {
    const char* label;
    Vector4 sphere;
    bool visible;
};

TEST(FrustumTest, SpheresCountAsVisibleWhenCrossingAnyPlane) {
    const SphereCase cases[] = {
        {"inside", {0, 0, 0, 0.5f}, true},
        {"outside", {3, 0, 0, 0.5f}, false},
        {"straddling the first plane", {1, 0, 0, 0.5f}, true},
        {"tangent from inside is culled", {0.5f, 0, 0, 0.5f}, false},
        {"tangent from outside", {1.5f, 0, 0, 0.5f}, false},
        {"crossing the first plane, far outside the third", {1, 10, 0, 0.5f}, true},
        {"outside the last plane only", {0, 0, -3, 0.5f}, false},
    };
    for (const SphereCase& c : cases) EXPECT_EQ(Engine::SphereInFrustum(UnitCube(), c.sphere), c.visible) << c.label;
}

struct BoxCase {
    const char* label;
    AABB box;
    bool visible;
};

TEST(FrustumTest, BoxesCountAsVisibleWhenCrossingAnyPlane) {
    const BoxCase cases[] = {
        {"inside", {{-0.5f, -0.5f, -0.5f}, {0.5f, 0.5f, 0.5f}}, true},
        {"straddling the first plane", {{0.5f, -0.5f, -0.5f}, {1.5f, 0.5f, 0.5f}}, true},
        {"touching the first plane from inside", {{0, -0.5f, -0.5f}, {1, 0.5f, 0.5f}}, true},
        {"outside", {{2, -0.5f, -0.5f}, {3, 0.5f, 0.5f}}, false},
        {"crossing the first plane, far outside the third", {{0.5f, 9.5f, -0.5f}, {1.5f, 10.5f, 0.5f}}, true},
        {"zero-size at the centre", {{0, 0, 0}, {0, 0, 0}}, true},
        {"zero-size outside", {{0, 0, 4}, {0, 0, 4}}, false},
        {"zero-size on a plane", {{0, 1, 0}, {0, 1, 0}}, true},
    };
    for (const BoxCase& c : cases) EXPECT_EQ(Engine::BoxInFrustum(UnitCube(), c.box), c.visible) << c.label;
}

}  // namespace
}  // namespace PhysicsTests
