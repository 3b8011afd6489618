// The camera entity: orbit angles kept beside eye and target, the target
// placed from them, the eye swung around the target, the local move, and
// registration with the scene manager's cameras.
#include "engine/render/scene/cCameraEntity.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/entity/cSceneManager.h"
#include "engine/entity/eEngineEntityTypes.h"

namespace Engine {
namespace {

constexpr float kTolerance = 1e-4f;

void ExpectNear(const Vector3& actual, const Vector3& expected) {
    EXPECT_NEAR(actual.x, expected.x, kTolerance);
    EXPECT_NEAR(actual.y, expected.y, kTolerance);
    EXPECT_NEAR(actual.z, expected.z, kTolerance);
}

class CameraEntityTest : public ::testing::Test {
protected:
    void SetUp() override { cSceneManager::Destroy(); }
    void TearDown() override { cSceneManager::Destroy(); }

    cCameraEntity camera;
};

TEST_F(CameraEntityTest, AnglesFollowEyeAndTarget) {
    struct Case {
        Vector3 eye, target;
        float distance, latitude, azimuth;
    };
    const Case cases[] = {
        {{0, 0, 0}, {2, 0, 0}, 2.0f, 0.0f, 0.0f},       // along +X
        {{0, 0, 0}, {0, 0, -3}, 3.0f, 0.0f, 90.0f},     // -Z is +90
        {{1, 1, 1}, {1, 1, 5}, 4.0f, 0.0f, -90.0f},     // +Z is -90
        {{0, 0, 0}, {1, 1, 0}, std::sqrt(2.0f), 45.0f, 0.0f},
        {{0, 5, 0}, {0, 0, 0}, 5.0f, -90.0f, 0.0f},     // straight down
        {{0, 0, 0}, {0, 5, 0}, 5.0f, 90.0f, 0.0f},      // straight up
        {{2, 2, 2}, {2, 2, 2}, 0.0f, -90.0f, 0.0f},     // eye on target: no NaN
    };
    for (const Case& c : cases) {
        camera.SetEye(c.eye);
        camera.SetTarget(c.target);
        EXPECT_NEAR(camera.distance, c.distance, kTolerance) << c.target.x << " " << c.target.z;
        EXPECT_NEAR(camera.latitude, c.latitude, kTolerance) << c.target.x << " " << c.target.z;
        EXPECT_NEAR(camera.azimuth, c.azimuth, kTolerance) << c.target.x << " " << c.target.z;
    }
}

TEST_F(CameraEntityTest, PlaceTargetPutsTheTargetAtTheAnglesFromTheEye) {
    camera.SetEye({1, 2, 3});
    camera.distance = 10.0f;
    camera.latitude = 30.0f;
    camera.azimuth = 90.0f;
    camera.PlaceTarget();
    ExpectNear(camera.target, {1.0f, 2.0f + 5.0f, 3.0f - 10.0f * std::cos(0.5235988f)});
}

TEST_F(CameraEntityTest, OrbitingSwingsTheEyeAroundTheTargetKeepingTheDistance) {
    camera.SetTarget({0, 1, 0});
    camera.SetEye({0, 1, 10});
    camera.SetOrbitAzimuth(0.0f);  // the eye goes to +X of the target
    ExpectNear(camera.target, {0, 1, 0});
    ExpectNear(camera.eye, {10, 1, 0});
    camera.SetOrbitLatitude(90.0f);  // and then straight above it
    ExpectNear(camera.eye, {0, 11, 0});
    EXPECT_NEAR(camera.distance, 10.0f, kTolerance);
    EXPECT_NEAR(camera.latitude, -90.0f, kTolerance);

    camera.SetEye({0, 1, 10});
    camera.SetOrbitLatitude(30.0f);  // the eye keeps its direction (+Z) and rises
    ExpectNear(camera.eye, {0.0f, 1.0f + 5.0f, 10.0f * std::cos(0.5235988f)});
}

TEST_F(CameraEntityTest, MoveLocalMovesEyeAndTargetAlongTheViewAxes) {
    camera.SetEye({0, 0, 10});
    camera.SetTarget({0, 0, 0});  // looking down -Z: right is +X, up is +Y
    camera.MoveLocal({1, 2, 3});
    ExpectNear(camera.eye, {1, 2, 7});
    ExpectNear(camera.target, {1, 2, -3});
}

TEST_F(CameraEntityTest, InitialiseRegistersOnceAndResetLeaves) {
    cSceneManager& scene = cSceneManager::Instance();
    camera.Initialise({0, 0, 4}, {0, 0, 0}, {0, 1, 0}, 45.0f, 0.5f, 50.0f);
    camera.Initialise({0, 0, 4}, {0, 0, 0}, {0, 1, 0}, 45.0f, 0.5f, 50.0f);
    EXPECT_EQ(camera.GetType(), ENGINE_ENT_TYPES::CAMERA_ENTITY);
    EXPECT_NEAR(camera.distance, 4.0f, kTolerance);
    EXPECT_NEAR(camera.azimuth, 90.0f, kTolerance);
    ASSERT_EQ(scene.GetCameras().size(), 1u);
    EXPECT_EQ(scene.GetCameras()[0], &camera);

    camera.Reset();
    EXPECT_TRUE(scene.GetCameras().empty());
    EXPECT_EQ(camera.distance, 0.0f);
    EXPECT_EQ(camera.azimuth, 0.0f);
    EXPECT_EQ(camera.eye, Vector3{});
    EXPECT_EQ(camera.fieldOfView, 90.0f);
}

}  // namespace
}  // namespace Engine
