// Matrix modes, the combined matrix and the projection and view builders.

#include <gtest/gtest.h>

#include <cmath>

#include "engine/render/ProjectionMatrices.h"
#include "engine/render/eMatrixMode.h"
#include "tests/engine/render/RenderFixture.h"

namespace {

using namespace Engine;

// A matrix whose every element is distinct, so that products in the wrong
// order or transposed uploads show.
Matrix4x4 Distinct(float base) {
    Matrix4x4 m;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) m.m[r][c] = base + static_cast<float>(r * 4 + c);
    return m;
}

void ExpectNear(const Matrix4x4& actual, const Matrix4x4& expected) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) EXPECT_NEAR(actual.m[r][c], expected.m[r][c], 1e-4f) << "[" << r << "][" << c << "]";
}

using MatrixModeTest = NullRendererFixture;

TEST_F(MatrixModeTest, InitialisationLeavesEveryMatrixIdentity) {
    for (const int32_t mode : {MM_Projection, MM_World, MM_View, MM_Texture, MM_Combined}) {
        Matrix4x4 m;
        renderer->GetMatrix(mode, m);
        EXPECT_EQ(m, Matrix4x4::Identity()) << "mode " << mode;
    }
}

TEST_F(MatrixModeTest, CombinedIsProjectionTimesViewTimesWorld) {
    const Matrix4x4 p = Distinct(1), v = Distinct(20), w = Distinct(-7);
    renderer->SetMatrix(MM_World, Matrix4x4::Identity(), 0);
    renderer->SetMatrix(MM_View, v, 0);
    renderer->SetMatrix(MM_Projection, p, 0);
    Matrix4x4 combined;
    renderer->GetMatrix(MM_Combined, combined);
    EXPECT_EQ(combined, p * v);

    renderer->SetMatrix(MM_World, w, 0);
    renderer->GetMatrix(MM_Combined, combined);
    EXPECT_EQ(combined, p * v * w);
}

TEST_F(MatrixModeTest, EachModeStoresItsOwnMatrixAndCombinedIsReadOnly) {
    renderer->SetMatrix(MM_Texture, Distinct(3), 0);
    renderer->SetMatrix(MM_Combined, Distinct(9), 0);
    Matrix4x4 m;
    renderer->GetMatrix(MM_Texture, m);
    EXPECT_EQ(m, Distinct(3));
    renderer->GetMatrix(MM_Combined, m);
    EXPECT_EQ(m, Matrix4x4::Identity());
}

TEST_F(MatrixModeTest, AnInvalidModeIsLoggedAndChangesNothing) {
    Matrix4x4 out = Distinct(5);
    renderer->GetMatrix(5, out);
    EXPECT_EQ(out, Distinct(5));
    const uint64_t revision = renderer->MatrixRevision();
    renderer->SetMatrix(-1, Distinct(2), 0);
    renderer->SetMatrix(7, Distinct(2), 0);
    EXPECT_EQ(renderer->MatrixRevision(), revision);
    EXPECT_TRUE(Logged("[cNullRenderer] Invalid matrix mode")) << EngineLog();
}

TEST_F(MatrixModeTest, AWorldMatrixOtherThanZeroLeavesTheWorldMatrixAlone) {
    renderer->SetMatrix(MM_World, Distinct(4), 1);
    Matrix4x4 world;
    renderer->GetMatrix(MM_World, world);
    EXPECT_EQ(world, Matrix4x4::Identity());
    EXPECT_TRUE(Logged("World matrix 1 is not used")) << EngineLog();
}

TEST_F(MatrixModeTest, PerspectiveOrthographicAndLookAtSetTheirMatrices) {
    renderer->SetPerspective(1.0f, 0.5f, 100.0f, 1.5f);
    Matrix4x4 m;
    renderer->GetMatrix(MM_Projection, m);
    EXPECT_EQ(m, PerspectiveFovRH(1.0f, 1.5f, 0.5f, 100.0f)) << "arguments are field of view, near, far, aspect";
    renderer->SetOrthographic(0, 640, 0, 480, -1.0f, 1.0f);
    renderer->GetMatrix(MM_Projection, m);
    EXPECT_EQ(m, Orthographic(0, 640, 0, 480, -1.0f, 1.0f));
    renderer->LookAt({1, 2, 3}, {0, 0, 0}, {0, 1, 0});
    renderer->GetMatrix(MM_View, m);
    EXPECT_EQ(m, LookAtRH({1, 2, 3}, {0, 0, 0}, {0, 1, 0}));
}

TEST(ProjectionMatricesTest, PerspectiveMapsNearToMinusOneAndFarToOne) {
    const float near_plane = 1.0f, far_plane = 10.0f;
    const Matrix4x4 p = PerspectiveFovRH(1.5707964f, 2.0f, near_plane, far_plane);
    Matrix4x4 expected;
    expected.m[0][0] = 0.5f;  // cot(45 degrees) / aspect
    expected.m[1][1] = 1.0f;
    expected.m[2][2] = (far_plane + near_plane) / (near_plane - far_plane);
    expected.m[2][3] = 2.0f * near_plane * far_plane / (near_plane - far_plane);
    expected.m[3][2] = -1.0f;
    ExpectNear(p, expected);
    const Vector4 at_near = p * Vector4(0, 0, -near_plane, 1);
    const Vector4 at_far = p * Vector4(0, 0, -far_plane, 1);
    EXPECT_NEAR(at_near.z / at_near.w, -1.0f, 1e-5f);
    EXPECT_NEAR(at_far.z / at_far.w, 1.0f, 1e-5f);
}

TEST(ProjectionMatricesTest, OrthographicHasTheDocumentedElements) {
    const Matrix4x4 o = Orthographic(0, 640, 480, 0, 0.0f, 1.0f);
    Matrix4x4 expected;
    expected.m[0][0] = 2.0f / 640.0f;
    expected.m[0][3] = -1.0f;
    expected.m[1][1] = 2.0f / -480.0f;
    expected.m[1][3] = 1.0f;
    expected.m[2][2] = 2.0f;
    expected.m[2][3] = 1.0f;
    expected.m[3][3] = 1.0f;
    ExpectNear(o, expected);
    EXPECT_TRUE(std::isfinite(Orthographic(5, 5, 5, 5, 1.0f, 1.0f).m[0][0])) << "an empty range must not divide by 0";
}

TEST(ProjectionMatricesTest, LookAtMovesTheEyeToTheOriginLookingDownMinusZ) {
    const Matrix4x4 v = LookAtRH({0, 0, 5}, {0, 0, 0}, {0, 1, 0});
    const Vector3 eye = v.TransformPoint({0, 0, 5});
    const Vector3 target = v.TransformPoint({0, 0, 0});
    const Vector3 right = v.TransformPoint({1, 0, 5});
    EXPECT_NEAR(Length(eye), 0.0f, 1e-6f);
    EXPECT_NEAR(target.z, -5.0f, 1e-6f);
    EXPECT_NEAR(right.x, 1.0f, 1e-6f) << "right-handed: +x stays on the right";
    const Matrix4x4 degenerate = LookAtRH({1, 1, 1}, {1, 1, 1}, {0, 1, 0});
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) EXPECT_TRUE(std::isfinite(degenerate.m[r][c]));
}

}  // namespace
