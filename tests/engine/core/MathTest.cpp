// Vectors, matrices and quaternions: layout, products, inverse, the rotation
// sense shared by matrices and quaternions, and the normalise rule.

#include <gtest/gtest.h>

#include <cmath>

#include "engine/core/AABB.h"
#include "engine/core/MathConstants.h"
#include "engine/core/Matrix4x4.h"
#include "engine/core/Quaternion.h"
#include "engine/core/Vector3.h"
#include "engine/core/Vector4.h"

namespace {

using Engine::DegToRad;
using Engine::Matrix4x4;
using Engine::Quaternion;
using Engine::Vector3;
using Engine::Vector4;

constexpr float kTolerance = 1e-5f;

void ExpectVectorNear(const Vector3& expected, const Vector3& actual, float tolerance = kTolerance) {
    EXPECT_NEAR(expected.x, actual.x, tolerance);
    EXPECT_NEAR(expected.y, actual.y, tolerance);
    EXPECT_NEAR(expected.z, actual.z, tolerance);
}

void ExpectMatrixNear(const Matrix4x4& expected, const Matrix4x4& actual, float tolerance = kTolerance) {
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            EXPECT_NEAR(expected.m[i][j], actual.m[i][j], tolerance) << "element [" << i << "][" << j << "]";
}

// Rows (1, 2, 3, 4), (5, 6, 7, 8), ...: every element tells where it sits.
Matrix4x4 Counting() {
    Matrix4x4 r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) r.m[i][j] = static_cast<float>(4 * i + j + 1);
    return r;
}

Matrix4x4 FromRows(const float (&rows)[3][3]) {
    Matrix4x4 r = Matrix4x4::Identity();
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) r.m[i][j] = rows[i][j];
    return r;
}

// ---- Vector3 ----

TEST(Vector3Test, ArithmeticOperators) {
    const Vector3 a(1, 2, 3), b(4, -5, 6);
    EXPECT_EQ(Vector3(5, -3, 9), a + b);
    EXPECT_EQ(Vector3(-3, 7, -3), a - b);
    EXPECT_EQ(Vector3(-1, -2, -3), -a);
    EXPECT_EQ(Vector3(2, 4, 6), a * 2.0f);
    EXPECT_EQ(Vector3(2, 4, 6), 2.0f * a);
    EXPECT_EQ(Vector3(2, -2.5f, 3), b / 2.0f);
    Vector3 c = a;
    c += b;
    c -= Vector3(1, 1, 1);
    c *= 2.0f;
    c /= 4.0f;
    EXPECT_EQ(Vector3(2, -2, 4), c);
    EXPECT_NE(a, b);
    EXPECT_EQ(Vector3(), Vector3(0, 0, 0));
}

TEST(Vector3Test, DotCrossAndLengths) {
    const Vector3 x(1, 0, 0), y(0, 1, 0), z(0, 0, 1);
    EXPECT_EQ(z, Engine::Cross(x, y));
    EXPECT_EQ(x, Engine::Cross(y, z));
    EXPECT_EQ(y, Engine::Cross(z, x));
    EXPECT_EQ(-z, Engine::Cross(y, x));
    EXPECT_FLOAT_EQ(12.0f, Engine::Dot(Vector3(1, 2, 3), Vector3(4, -5, 6)));
    EXPECT_FLOAT_EQ(25.0f, Engine::LengthSquared(Vector3(3, 0, 4)));
    EXPECT_FLOAT_EQ(5.0f, Engine::Length(Vector3(3, 0, 4)));
    EXPECT_FLOAT_EQ(13.0f, Engine::Distance(Vector3(1, 1, 1), Vector3(4, 5, 13)));
    EXPECT_EQ(Vector3(2, 3, 4), Engine::Lerp(Vector3(0, 1, 2), Vector3(4, 5, 6), 0.5f));
    EXPECT_EQ(Vector3(8, 9, 10), Engine::Lerp(Vector3(0, 1, 2), Vector3(4, 5, 6), 2.0f));
}

TEST(Vector3Test, NormaliseLeavesVectorsOfLength1eMinus7OrLessAlone) {
    struct Case {
        Vector3 in;
        Vector3 expected;
    };
    const Case cases[] = {
        {{0, 0, 0}, {0, 0, 0}},
        {{1e-7f, 0, 0}, {1e-7f, 0, 0}},
        {{0, -5e-8f, 0}, {0, -5e-8f, 0}},
        {{0, 0, 2e-7f}, {0, 0, 1}},
        {{3, 0, -4}, {0.6f, 0, -0.8f}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "(" << c.in.x << ", " << c.in.y << ", " << c.in.z << ")");
        ExpectVectorNear(c.expected, Engine::Normalise(c.in), 1e-6f);
        if (Engine::Length(c.in) <= 1e-7f) {
            EXPECT_EQ(c.in, Engine::Normalise(c.in));
        }
    }
}

TEST(Vector4Test, CarriesAVector3AndW) {
    const Vector4 sphere(Vector3(1, 2, 3), 0.5f);
    EXPECT_EQ(Vector4(1, 2, 3, 0.5f), sphere);
    EXPECT_EQ(Vector3(1, 2, 3), sphere.Xyz());
    EXPECT_NE(Vector4(1, 2, 3, 0.25f), sphere);
}

TEST(AABBTest, PlainDataStartsAtTheOrigin) {
    const Engine::AABB box;
    EXPECT_EQ(Vector3(), box.min);
    EXPECT_EQ(Vector3(), box.max);
    const Engine::AABB sized{{-1, -2, -3}, {1, 2, 3}};
    EXPECT_EQ(Vector3(1, 2, 3), sized.max);
}

TEST(MathConstantsTest, ConversionsUseTheSharedFactors) {
    EXPECT_NEAR(Engine::kPi, DegToRad(180.0f), 1e-6f);
    EXPECT_NEAR(180.0f, Engine::RadToDeg(Engine::kPi), 1e-4f);
    EXPECT_NEAR(37.0f, Engine::RadToDeg(DegToRad(37.0f)), 1e-4f);
}

// ---- Matrix4x4 ----

TEST(Matrix4x4Test, TranslationLivesInTheLastColumn) {
    const Matrix4x4 t = Matrix4x4::Translation({7, 8, 9});
    EXPECT_EQ(7.0f, t.m[0][3]);
    EXPECT_EQ(8.0f, t.m[1][3]);
    EXPECT_EQ(9.0f, t.m[2][3]);
    EXPECT_EQ(0.0f, t.m[3][0]);
    EXPECT_EQ(1.0f, t.m[3][3]);
    EXPECT_EQ(Vector3(8, 10, 12), t.TransformPoint({1, 2, 3}));
    EXPECT_EQ(Vector3(1, 2, 3), t.TransformDirection({1, 2, 3}));
}

TEST(Matrix4x4Test, MultipliesColumnVectors) {
    const Vector4 r = Counting() * Vector4(1, 2, 3, 4);
    EXPECT_EQ(Vector4(30, 70, 110, 150), r);
    const Matrix4x4 s = Matrix4x4::Scaling({2, 3, 4});
    EXPECT_EQ(Vector3(2, 6, 12), s.TransformPoint({1, 2, 3}));
}

TEST(Matrix4x4Test, ProductAppliesItsRightFactorFirst) {
    const Matrix4x4 t = Matrix4x4::Translation({1, 2, 3});
    const Matrix4x4 s = Matrix4x4::Scaling({2, 2, 2});
    EXPECT_EQ(Vector3(3, 4, 5), (t * s).TransformPoint({1, 1, 1}));  // scaled, then moved
    EXPECT_EQ(Vector3(4, 6, 8), (s * t).TransformPoint({1, 1, 1}));  // moved, then scaled
    const Matrix4x4 p = Counting() * Counting().Transposed();        // rows dotted with rows
    EXPECT_EQ(30.0f, p.m[0][0]);
    EXPECT_EQ(70.0f, p.m[0][1]);
    EXPECT_EQ(70.0f, p.m[1][0]);
    EXPECT_EQ(174.0f, p.m[1][1]);
    EXPECT_EQ(Counting(), Matrix4x4::Identity() * Counting());
    EXPECT_EQ(Counting(), Counting() * Matrix4x4::Identity());
}

TEST(Matrix4x4Test, TransposedSwapsRowsAndColumns) {
    const Matrix4x4 t = Counting().Transposed();
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) EXPECT_EQ(Counting().m[j][i], t.m[i][j]);
    EXPECT_EQ(Counting(), t.Transposed());
}

TEST(Matrix4x4Test, RotationsAreRightHanded) {
    const float quarter = DegToRad(90.0f);
    ExpectVectorNear({0, 0, 1}, Matrix4x4::RotationX(quarter).TransformDirection({0, 1, 0}));
    ExpectVectorNear({1, 0, 0}, Matrix4x4::RotationY(quarter).TransformDirection({0, 0, 1}));
    ExpectVectorNear({0, 1, 0}, Matrix4x4::RotationZ(quarter).TransformDirection({1, 0, 0}));
}

TEST(Matrix4x4Test, InverseUndoesTheMatrix) {
    Matrix4x4 dense = Counting();
    dense.m[0][0] = 20.0f;  // the counting matrix itself is singular
    dense.m[2][1] = -3.0f;
    dense.m[3][3] = 0.5f;
    const Matrix4x4 cases[] = {
        Matrix4x4::Translation({1, -2, 3}) * Matrix4x4::RotationZ(0.7f) * Matrix4x4::Scaling({2, 0.5f, 4}),
        Matrix4x4::RotationX(1.1f) * Matrix4x4::RotationY(-0.4f) * Matrix4x4::Translation({10, 0, -5}),
        dense,
    };
    for (const Matrix4x4& m : cases) {
        bool invertible = false;
        const Matrix4x4 inverse = m.Inverse(&invertible);
        EXPECT_TRUE(invertible);
        ExpectMatrixNear(Matrix4x4::Identity(), m * inverse, 1e-5f);
        ExpectMatrixNear(Matrix4x4::Identity(), inverse * m, 1e-5f);
    }
    ExpectMatrixNear(Matrix4x4::Translation({-1, -2, -3}), Matrix4x4::Translation({1, 2, 3}).Inverse());
}

TEST(Matrix4x4Test, SingularInverseGivesIdentityAndSaysSo) {
    const Matrix4x4 cases[] = {
        Counting(),                          // rows in arithmetic progression
        Matrix4x4::Scaling({1, 0, 1}),       // flattens y
        Matrix4x4(),                         // all zero
    };
    for (const Matrix4x4& m : cases) {
        bool invertible = true;
        EXPECT_EQ(Matrix4x4::Identity(), m.Inverse(&invertible));
        EXPECT_FALSE(invertible);
    }
}

// ---- Quaternion ----

TEST(QuaternionTest, ToMatrixFollowsTheRotationTableForQuarterTurns) {
    struct Case {
        const char* axis_name;
        Vector3 axis;
        float rows[3][3];
    };
    const Case cases[] = {
        {"x", {1, 0, 0}, {{1, 0, 0}, {0, 0, -1}, {0, 1, 0}}},
        {"y", {0, 1, 0}, {{0, 0, 1}, {0, 1, 0}, {-1, 0, 0}}},
        {"z", {0, 0, 1}, {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.axis_name);
        const Matrix4x4 m = Quaternion::FromAxisAngle(c.axis, DegToRad(90.0f)).ToMatrix();
        ExpectMatrixNear(FromRows(c.rows), m);
    }
    ExpectMatrixNear(Matrix4x4::RotationX(0.3f), Quaternion::FromAxisAngle({1, 0, 0}, 0.3f).ToMatrix());
    ExpectMatrixNear(Matrix4x4::RotationY(0.3f), Quaternion::FromAxisAngle({0, 1, 0}, 0.3f).ToMatrix());
    ExpectMatrixNear(Matrix4x4::RotationZ(0.3f), Quaternion::FromAxisAngle({0, 0, 5}, 0.3f).ToMatrix());
}

TEST(QuaternionTest, ToMatrixUsesEveryTableEntry) {
    // (w, x, y, z) = (1, 2, 3, 4) is not a rotation but makes every entry distinct.
    const float rows[3][3] = {{-49, 4, 22}, {20, -39, 20}, {10, 28, -25}};
    EXPECT_EQ(FromRows(rows), Quaternion(1, 2, 3, 4).ToMatrix());
}

TEST(QuaternionTest, RotateAgreesWithItsMatrix) {
    const Quaternion q = Quaternion::FromAxisAngle({1, 2, -1}, 1.3f);
    const Vector3 v(0.5f, -2, 3);
    ExpectVectorNear(q.ToMatrix().TransformDirection(v), q.Rotate(v));
    ExpectVectorNear(v, q.Conjugate().Rotate(q.Rotate(v)));
}

TEST(QuaternionTest, HamiltonProductComposesRightFactorFirst) {
    const Quaternion i(0, 1, 0, 0), j(0, 0, 1, 0);
    EXPECT_EQ(Quaternion(0, 0, 0, 1), i * j);
    EXPECT_EQ(Quaternion(0, 0, 0, -1), j * i);
    EXPECT_EQ(Quaternion(-1, 0, 0, 0), i * i);

    const Quaternion a = Quaternion::FromAxisAngle({0, 1, 0}, 0.8f);
    const Quaternion b = Quaternion::FromAxisAngle({1, 0, 1}, -0.5f);
    const Vector3 v(1, 2, 3);
    ExpectVectorNear(a.Rotate(b.Rotate(v)), (a * b).Rotate(v));
    ExpectMatrixNear(a.ToMatrix() * b.ToMatrix(), (a * b).ToMatrix());
}

TEST(QuaternionTest, EulerAnglesApplyRollThenPitchThenYaw) {
    ExpectMatrixNear(Matrix4x4::RotationY(DegToRad(30.0f)), Quaternion::FromEulerDegrees(0, 30, 0).ToMatrix());
    // Pitch before yaw: up turns to +z, then to +x. The other order would leave +z.
    ExpectVectorNear({1, 0, 0}, Quaternion::FromEulerDegrees(90, 90, 0).Rotate({0, 1, 0}));
    // Roll before yaw: +x turns to +y and stays. The other order would give -z.
    ExpectVectorNear({0, 1, 0}, Quaternion::FromEulerDegrees(0, 90, 90).Rotate({1, 0, 0}));
    // Roll before pitch: +x turns to +y, then to +z.
    ExpectVectorNear({0, 0, 1}, Quaternion::FromEulerDegrees(90, 0, 90).Rotate({1, 0, 0}));
}

TEST(QuaternionTest, NormalisedLeavesQuaternionsOfLength1eMinus7OrLessAlone) {
    const Quaternion tiny(1e-7f, 0, 0, 0), tinier(0, 0, 5e-8f, 0);
    EXPECT_EQ(tiny, tiny.Normalised());
    EXPECT_EQ(tinier, tinier.Normalised());
    const Quaternion n = Quaternion(0, 3, 0, 4).Normalised();
    EXPECT_NEAR(0.6f, n.x, 1e-6f);
    EXPECT_NEAR(0.8f, n.z, 1e-6f);
    EXPECT_EQ(Quaternion(1, 0, 0, 0), Quaternion(2e-7f, 0, 0, 0).Normalised());
}

TEST(QuaternionTest, AxisWithoutDirectionGivesIdentity) {
    EXPECT_EQ(Quaternion::Identity(), Quaternion::FromAxisAngle({0, 0, 0}, 1.0f));
    EXPECT_EQ(Quaternion::Identity(), Quaternion::FromAxisAngle({0, 1e-8f, 0}, 1.0f));
    EXPECT_EQ(Quaternion(1, 0, 0, 0), Quaternion::Identity());
}

}  // namespace
