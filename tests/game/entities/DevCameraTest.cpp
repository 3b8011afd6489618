// cDevCamera: the wheel with Alt brings the eye closer down to the square
// root of 2 and takes it away without limit, the middle button pans at a
// fixed speed or, with Alt, orbits half a degree per pixel, and a frozen
// camera keeps its view.

#include "game/entities/cDevCamera.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/entity/cSceneManager.h"
#include "engine/platform/VirtualKeys.h"
#include "engine/platform/cKeyboardState.h"
#include "engine/platform/cMouseState.h"

namespace {

using Engine::Vector3;
using Game::cDevCamera;

constexpr float kTolerance = 1e-3f;

void ExpectNear(const Vector3& actual, const Vector3& expected) {
    EXPECT_NEAR(actual.x, expected.x, kTolerance);
    EXPECT_NEAR(actual.y, expected.y, kTolerance);
    EXPECT_NEAR(actual.z, expected.z, kTolerance);
}

class DevCameraTest : public ::testing::Test {
protected:
    void SetUp() override {
        Fresh();
        mouse().Move(100, 100);
        camera.Setup();
        camera.SetEye({0.0f, 0.0f, 10.0f});
        camera.SetTarget({0.0f, 0.0f, 0.0f});
    }
    void TearDown() override {
        camera.Reset();
        Fresh();
    }
    static void Fresh() {
        Engine::cSceneManager::Destroy();
        Engine::cKeyboardState::Instance().Clear();
        Engine::cMouseState::Instance().Clear();
    }
    static Engine::cMouseState& mouse() { return Engine::cMouseState::Instance(); }

    // One frame with the wheel turned (+1 up, -1 down) and Alt held or not.
    void Wheel(int delta, bool alt, int frames = 1) {
        if (alt) Engine::cKeyboardState::Instance().KeyDown(Engine::kVK_MENU);
        for (int i = 0; i < frames; ++i) {
            mouse().Wheel(delta);
            camera.Update(0.016f);
            mouse().ClearWheel();
        }
        Engine::cKeyboardState::Instance().KeyUp(Engine::kVK_MENU);
    }

    cDevCamera camera;
};

TEST_F(DevCameraTest, SetupRegistersTheCameraAndRemembersTheMouse) {
    EXPECT_EQ(camera.GetType(), Game::GAME_ENT_TYPES::DEV_CAMERA);
    EXPECT_EQ(camera.last_mouse_x, 100);
    EXPECT_EQ(camera.last_mouse_y, 100);
    EXPECT_FALSE(camera.frozen);
    ASSERT_EQ(Engine::cSceneManager::Instance().GetCameras().size(), 1u);
}

TEST_F(DevCameraTest, AltAndTheWheelMoveTheEyeAUnitAtATimeNeverCloserThanTheRootOfTwo) {
    Wheel(+1, false);
    ExpectNear(camera.eye, {0, 0, 10});  // the wheel alone does nothing
    Wheel(+1, true);
    ExpectNear(camera.eye, {0, 0, 9});
    Wheel(+1, true, 20);
    ExpectNear(camera.eye, {0, 0, 1});  // 1 unit away: 1 is not more than 2, so it stops
    Wheel(-1, true, 30);
    ExpectNear(camera.eye, {0, 0, 31});  // away without limit
    ExpectNear(camera.target, {0, 0, 0});
}

TEST_F(DevCameraTest, TheMiddleButtonPansAtFiftyUnitsPerSecondWhateverTheMouseSpeed) {
    struct Case {
        int dx, dy;
        Vector3 moved;  // looking down -Z: right is +X
    };
    const Case cases[] = {
        {-3, 0, {1, 0, 0}},     // mouse left: the view slides right
        {40, 0, {-1, 0, 0}},    // however far the mouse went
        {0, 7, {0, 0, -1}},     // mouse down (y grows): forward
        {0, -7, {0, 0, 1}},
    };
    mouse().ButtonDown(2);
    for (const Case& c : cases) {
        camera.SetEye({0, 0, 10});
        camera.SetTarget({0, 0, 0});
        mouse().Move(camera.last_mouse_x + c.dx, camera.last_mouse_y + c.dy);
        camera.Update(0.1f);
        ExpectNear(camera.eye, Vector3{0, 0, 10} + 5.0f * c.moved);
        ExpectNear(camera.target, 5.0f * c.moved);
    }
    camera.Update(0.1f);  // no motion, no move
    ExpectNear(camera.target, Vector3{0, 0, 5});
}

TEST_F(DevCameraTest, AltAndTheMiddleButtonOrbitHalfADegreePerPixel) {
    mouse().ButtonDown(2);
    Engine::cKeyboardState::Instance().KeyDown(Engine::kVK_MENU);
    mouse().Move(100 - 180, 100);  // 180 pixels left: 90 degrees around
    camera.Update(0.016f);
    ExpectNear(camera.eye, {10, 0, 0});
    mouse().Move(100 - 180, 100 + 60);  // 60 pixels down: 30 degrees up
    camera.Update(0.016f);
    ExpectNear(camera.eye, {10.0f * std::cos(0.5235988f), 5.0f, 0.0f});
    ExpectNear(camera.target, {0, 0, 0});
}

TEST_F(DevCameraTest, AFrozenCameraKeepsItsView) {
    camera.frozen = true;
    mouse().ButtonDown(2);
    mouse().Move(300, 300);
    Wheel(+1, true);
    camera.Update(0.1f);
    ExpectNear(camera.eye, {0, 0, 10});
    ExpectNear(camera.target, {0, 0, 0});
}

}  // namespace
