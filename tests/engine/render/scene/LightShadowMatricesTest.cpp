// The light's view and projection: a right-handed look from the light for
// every direction, straight up, straight down and none included; the
// projection's angle from the name and the outer cone.
#include "engine/render/scene/LightShadowMatrices.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/core/Vector4.h"

namespace Engine {
namespace {

Vector3 Row(const Matrix4x4& m, int row) { return {m.m[row][0], m.m[row][1], m.m[row][2]}; }

TEST(LightViewMatrixTest, EveryDirectionGivesAnOrthonormalRightHandedLookFromTheLight) {
    struct Case {
        const char* what;
        Vector3 direction;
        Vector3 looks_along;  // where the light's -z axis points in the world
    };
    const Case cases[] = {
        {"down", {0, -1, 0}, {0, -1, 0}},
        {"up", {0, 1, 0}, {0, 1, 0}},
        {"none", {0, 0, 0}, {0, -1, 0}},
        {"not finite", {INFINITY, 0, 0}, {0, -1, 0}},
        {"not a number", {NAN, 1, 0}, {0, -1, 0}},
        {"along -z", {0, 0, -3}, {0, 0, -1}},
        {"diagonal", {1, -1, 1}, {0.57735027f, -0.57735027f, 0.57735027f}},
    };
    const Vector3 position{2, 5, -4};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Matrix4x4 view = LightViewMatrix(position, c.direction);
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; column < 4; ++column) ASSERT_TRUE(std::isfinite(view.m[row][column]));
        }
        const Vector3 x = Row(view, 0);
        const Vector3 y = Row(view, 1);
        const Vector3 z = Row(view, 2);
        EXPECT_NEAR(LengthSquared(x), 1.0f, 1e-5f);
        EXPECT_NEAR(LengthSquared(y), 1.0f, 1e-5f);
        EXPECT_NEAR(LengthSquared(z), 1.0f, 1e-5f);
        EXPECT_NEAR(Dot(x, y), 0.0f, 1e-4f);
        EXPECT_NEAR(Dot(y, z), 0.0f, 1e-4f);
        EXPECT_NEAR(Dot(x, z), 0.0f, 1e-4f);
        const Vector3 handed = Cross(x, y);  // right-handed: x cross y is z
        EXPECT_NEAR(Dot(handed, z), 1.0f, 1e-4f);
        EXPECT_NEAR(Dot(-z, c.looks_along), 1.0f, 1e-3f);
        EXPECT_EQ(view.m[3][0], 0.0f);
        EXPECT_EQ(view.m[3][3], 1.0f);
        // The light sits at the origin of its own view.
        const Vector3 origin = view.TransformPoint(position);
        EXPECT_NEAR(LengthSquared(origin), 0.0f, 1e-8f);
        // A point ahead of the light lies on its negative z axis.
        const Vector3 ahead = view.TransformPoint(position + c.looks_along * 3.0f);
        EXPECT_NEAR(ahead.z, -3.0f, 1e-3f);
    }
}

TEST(LightViewMatrixTest, AHorizontalLightKeepsTheWorldUpAsItsUp) {
    const Matrix4x4 view = LightViewMatrix({0, 0, 0}, {0, 0, -1});
    EXPECT_NEAR(view.m[1][1], 1.0f, 1e-6f);
    EXPECT_NEAR(view.m[0][0], 1.0f, 1e-6f);
}

TEST(LightProjectionMatrixTest, TheKidLightUsesSeventyDegreesAndOthersTheirOuterCone) {
    struct Case {
        const char* name;
        float outer_cone;
        float scale;
    };
    const Case cases[] = {
        {"gKidLight", 0.5f, 1.0f / std::tan(1.2217305f)},
        {"gKidLight", 2.0f, 1.0f / std::tan(1.2217305f)},
        {"lamp", 0.5f, 1.0f / std::tan(0.5f)},
        {"lamp", 0.0f, 1.0f / std::tan(0.5235988f)},  // no angle: the default cone, never infinity
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.outer_cone));
        const Matrix4x4 p = LightProjectionMatrix(c.name, c.outer_cone);
        EXPECT_FLOAT_EQ(p.m[0][0], c.scale);
        EXPECT_FLOAT_EQ(p.m[1][1], c.scale);
        EXPECT_FLOAT_EQ(p.m[2][2], -1.006018f);
        EXPECT_FLOAT_EQ(p.m[2][3], -0.60180545f);
        EXPECT_FLOAT_EQ(p.m[3][2], -1.0f);
        EXPECT_EQ(p.m[3][3], 0.0f);
        EXPECT_EQ(p.m[0][2], 0.0f);
    }
}

TEST(LightProjectionMatrixTest, DepthRunsFromNearPointThreeToFarOneHundred) {
    const Matrix4x4 p = LightProjectionMatrix("lamp", 0.5f);
    const auto depth = [&](float distance) {
        const Vector4 clip = p * Vector4{0, 0, -distance, 1};
        return clip.z / clip.w;
    };
    EXPECT_NEAR(depth(0.3f), -1.0f, 1e-3f);
    EXPECT_NEAR(depth(100.0f), 1.0f, 1e-3f);
}

}  // namespace
}  // namespace Engine
