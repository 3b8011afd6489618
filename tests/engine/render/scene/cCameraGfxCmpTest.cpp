#include "engine/render/scene/cCameraGfxCmp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/core/cLog.h"
#include "engine/render/scene/iCameraSlot.h"
#include "tests/support/TempDir.h"

namespace {

using Engine::cCameraGfxCmp;
using Engine::Vector3;

class OneCamera : public Engine::iCameraSlot {
public:
    cCameraGfxCmp* ActiveCamera() const override { return camera; }
    void SetCamera(cCameraGfxCmp* new_camera) override { camera = new_camera; }
    cCameraGfxCmp* camera = nullptr;
};

// Eye 10 units up +z looking at the origin, 90 degrees high, square 200 x 200 viewport.
cCameraGfxCmp SquareCamera() {
    cCameraGfxCmp camera;
    camera.Initialise({0, 0, 10}, {0, 0, 0}, {0, 1, 0}, 90.0f, 1.0f, 100.0f);
    camera.aspect = 1.0f;
    camera.viewportWidth = 200.0f;
    camera.viewportHeight = 200.0f;
    return camera;
}

struct ProjectCase {
    Vector3 point;
    float x, y, z;
};

TEST(CameraProjectTest, KnownPointsLandOnKnownPixels) {
    const cCameraGfxCmp camera = SquareCamera();
    // At distance 10 a 90-degree view spans -10 to 10; depth follows
    // ((far + near) * zv + 2 far near) / -zv with zv the view-space z.
    const ProjectCase cases[] = {
        {{0, 0, 0}, 100, 100, (101.0f * -10.0f + 200.0f) / 99.0f / 10.0f},
        {{5, 5, 0}, 150, 50, (101.0f * -10.0f + 200.0f) / 99.0f / 10.0f},
        {{-10, -10, 0}, 0, 200, (101.0f * -10.0f + 200.0f) / 99.0f / 10.0f},
        {{2, -1, 5}, 140, 120, (101.0f * -5.0f + 200.0f) / 99.0f / 5.0f},
        {{0, 0, 9}, 100, 100, 1.0f},
        {{0, 0, -90}, 100, 100, -1.0f},
    };
    for (const ProjectCase& c : cases) {
        const Vector3 screen = camera.ProjectToScreen(c.point);
        EXPECT_NEAR(screen.x, c.x, 1e-3f) << c.point.x << "," << c.point.y << "," << c.point.z;
        EXPECT_NEAR(screen.y, c.y, 1e-3f) << c.point.x << "," << c.point.y << "," << c.point.z;
        EXPECT_NEAR(screen.z, c.z, 1e-5f) << c.point.x << "," << c.point.y << "," << c.point.z;
    }
}

TEST(CameraProjectTest, TheAspectWidensTheViewAndTheTargetIsTheMiddle) {
    cCameraGfxCmp camera;
    camera.Initialise({3, 4, -6}, {1, 1, 1}, {0, 1, 0}, 45.0f, 0.1f, 50.0f);
    camera.aspect = 16.0f / 9.0f;
    camera.viewportWidth = 1280.0f;
    camera.viewportHeight = 720.0f;
    const Vector3 middle = camera.ProjectToScreen(camera.target);
    EXPECT_NEAR(middle.x, 640.0f, 1e-3f);
    EXPECT_NEAR(middle.y, 360.0f, 1e-3f);

    cCameraGfxCmp wide = SquareCamera();
    wide.aspect = 2.0f;
    // Twice as wide a view: x = 10 is half-way to the right edge.
    EXPECT_NEAR(wide.ProjectToScreen({10, 0, 0}).x, 150.0f, 1e-3f);
}

TEST(CameraProjectTest, ProjectToUnitCountsUpFromTheBottomLeft) {
    const cCameraGfxCmp camera = SquareCamera();
    const Engine::UnitPoint point = camera.ProjectToUnit({5, -5, 0});
    EXPECT_NEAR(point.u, 0.75f, 1e-6f);
    EXPECT_NEAR(point.v, 0.25f, 1e-6f);
}

TEST(CameraProjectTest, ThroughTheSlotNeedsAnActiveCamera) {
    cCameraGfxCmp camera = SquareCamera();
    OneCamera slot;
    const Vector3 none = cCameraGfxCmp::ProjectThroughActive(slot, {5, 5, 0});
    EXPECT_EQ(none.x, 0.0f);
    EXPECT_EQ(none.y, 0.0f);
    EXPECT_EQ(none.z, 0.0f);
    slot.camera = &camera;
    const Vector3 through = cCameraGfxCmp::ProjectThroughActive(slot, {5, 5, 0});
    EXPECT_NEAR(through.x, 150.0f, 1e-3f);
    EXPECT_NEAR(through.y, 50.0f, 1e-3f);
}

struct RayCase {
    uint32_t x, y;
    Vector3 through;
};

TEST(CameraFitTest, ThePicturesSizeGivesTheAspectAndAPictureWithoutHeightGivesOne) {
    Engine::cCameraGfxCmp camera;
    camera.FitToViewport(1280.0f, 720.0f);
    EXPECT_EQ(camera.viewportWidth, 1280.0f);
    EXPECT_EQ(camera.viewportHeight, 720.0f);
    EXPECT_FLOAT_EQ(camera.aspect, 16.0f / 9.0f);
    camera.FitToViewport(800.0f, 0.0f);
    EXPECT_EQ(camera.aspect, 1.0f) << "never a division by a zero height";
}

TEST(CameraMouseRayTest, APixelsRayPassesThroughThePointsThatProjectOntoIt) {
    const cCameraGfxCmp camera = SquareCamera();
    const RayCase cases[] = {
        {100, 100, {0, 0, 0}}, {150, 50, {5, 5, 0}}, {0, 200, {-10, -10, 0}}, {140, 120, {2, -1, 5}},
    };
    for (const RayCase& c : cases) {
        const Engine::Ray ray = camera.MouseRay(c.x, c.y);
        const Vector3 expected = Engine::Normalise(c.through - camera.eye);
        EXPECT_NEAR(ray.direction.x, expected.x, 1e-5f) << c.x << "," << c.y;
        EXPECT_NEAR(ray.direction.y, expected.y, 1e-5f) << c.x << "," << c.y;
        EXPECT_NEAR(ray.direction.z, expected.z, 1e-5f) << c.x << "," << c.y;
        // The origin is on the near plane, 1 unit in front of the eye.
        EXPECT_NEAR(Engine::Dot(ray.origin - camera.eye, Vector3{0, 0, -1}), 1.0f, 1e-5f);
    }
}

TEST(CameraMouseRayTest, AViewportWithoutASizeAimsTheRayThroughTheMiddle) {
    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory cwd{dir.Path()};
    Engine::cLog::Destroy();
    cCameraGfxCmp camera = SquareCamera();
    camera.viewportWidth = 0.0f;
    const Engine::Ray ray = camera.MouseRay(30, 40);
    EXPECT_NEAR(ray.direction.z, -1.0f, 1e-6f);
    EXPECT_TRUE(std::isfinite(ray.origin.x));
    Engine::cLog::Destroy();
    const std::string log = TestSupport::ReadFile(dir.File("Engine.log"));
    EXPECT_NE(log.find("Error: mouse ray through a camera viewport of 0"), std::string::npos) << log;
}

TEST(CameraResetTest, AResetCameraLeavesTheSlotOnlyIfItHeldIt) {
    cCameraGfxCmp camera = SquareCamera();
    cCameraGfxCmp other = SquareCamera();
    OneCamera slot;
    camera.SetCameraSlot(&slot);
    other.SetCameraSlot(&slot);
    slot.camera = &camera;

    other.Reset();
    EXPECT_EQ(slot.camera, &camera);

    camera.Reset();
    EXPECT_EQ(slot.camera, nullptr);
    EXPECT_EQ(camera.eye.z, 0.0f);
    EXPECT_EQ(camera.up.y, 0.0f);
    EXPECT_EQ(camera.fieldOfView, 90.0f);
    EXPECT_EQ(camera.aspect, 0.0f);
    EXPECT_EQ(camera.near, 0.0f);
    EXPECT_EQ(camera.far, 0.0f);
}

}  // namespace
