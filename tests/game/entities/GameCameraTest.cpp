// cGameCamera: the follow angle from "GameCamera.xml" and its defaults, the
// pass through the states that set-up leaves pending, a shot with a blend
// time of 0, a shot replaced during its hold, and the shipped angle keeping
// the walking kid in the middle of a 1280 x 720 picture.

#include "game/entities/cGameCamera.h"

#include <cmath>
#include <filesystem>
#include <string>

#include "engine/platform/VirtualKeys.h"
#include "tests/game/entities/PlayerFixture.h"
#include "tests/support/TempDir.h"

namespace {

using Engine::Vector3;
using Game::cGameCamera;
using Game::eGameCameraState;

constexpr float kFrame = 1.0f / 64.0f;
constexpr float kTolerance = 1e-3f;

void ExpectNear(const Vector3& actual, const Vector3& expected, float tolerance = kTolerance) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

// Something to follow.
class cMarker : public Engine::cEntity {
public:
    std::int32_t GetType() const override { return Game::GAME_ENT_TYPES::SAMPLE_ENTITY; }
};

class GameCameraTest : public PlayerFixture {
protected:
    // A game camera from the factory, set up, with a 1280 x 720 picture.
    cGameCamera* MakeCamera() {
        auto* made = Game::cGameFactory::Instance().CreateTyped<cGameCamera>(Game::GAME_ENT_TYPES::GAME_CAMERA);
        made->Setup();
        made->aspect = 1280.0f / 720.0f;
        made->viewportWidth = 1280.0f;
        made->viewportHeight = 720.0f;
        made->far = 400.0f;
        return made;
    }

    // A followed entity standing at the point.
    cMarker* Followed(const Vector3& at) {
        entity.position = at;
        followed = &entity;
        return &entity;
    }

    // Where the follow pose puts the eye for the kid at k.
    static Vector3 FollowEye(const Vector3& k, float azimuth, float latitude, float distance) {
        const float a = azimuth * 0.017453292f;
        const float l = latitude * 0.017453292f;
        const float s = std::sqrt(distance * distance + 1.0f);
        return k + Vector3{0, 1, 0} + s * Vector3{std::cos(l) * std::cos(a), std::sin(l), -std::cos(l) * std::sin(a)};
    }

    cMarker entity;
    Engine::iBaseEntity* followed = nullptr;
};

TEST_F(GameCameraTest, SetupReadsTheFollowAngleAndMissingValuesTakeTheirDefaults) {
    struct Case {
        const char* attributes;  // null: no file
        float azimuth, latitude, distance;
    };
    const Case cases[] = {
        {"Azimuth=\"-90\" Latitude=\"55\" Distance=\"70\"", -90.0f, 55.0f, 70.0f},
        {"Latitude=\"20\"", 0.0f, 20.0f, 10.0f},
        {nullptr, 0.0f, 0.0f, 0.0f},
        // Senseless values are logged and take their defaults: a view straight down has no orientation.
        {"Azimuth=\"1e30\" Latitude=\"90\" Distance=\"-5\"", 0.0f, 0.0f, 10.0f},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(dir.File("GameData/XML_Game/GameCamera.xml"));
        if (c.attributes != nullptr) WriteTuning("GameCamera", c.attributes);
        cGameCamera* camera = MakeCamera();
        EXPECT_EQ(camera->base_azimuth, c.azimuth);
        EXPECT_EQ(camera->base_latitude, c.latitude);
        EXPECT_EQ(camera->base_distance, c.distance);
        EXPECT_EQ(camera->fieldOfView, 10.0f);
        EXPECT_EQ(camera->State(), eGameCameraState::Follow);
        EXPECT_FALSE(camera->has_control);
        EXPECT_EQ(camera->GetType(), Game::GAME_ENT_TYPES::GAME_CAMERA);
    }
    const std::string log = LogText();
    for (const char* attribute : {"Azimuth of", "Latitude of 90", "Distance of -5"}) {
        EXPECT_NE(log.find(std::string("Error: GameCamera.xml: ") + attribute), std::string::npos) << attribute;
    }
}

TEST_F(GameCameraTest, FollowPoseSitsAtTheAngleFromAboveTheKid) {
    struct Case {
        float azimuth, latitude, distance;
    };
    const Case cases[] = {{90.0f, 0.0f, 10.0f}, {-90.0f, 55.0f, 70.0f}, {30.0f, 40.0f, 20.0f}};
    for (const Case& c : cases) {
        cGameCamera* camera = MakeCamera();
        camera->base_azimuth = c.azimuth;
        camera->base_latitude = c.latitude;
        camera->base_distance = c.distance;
        const Vector3 k{3.0f, 0.0f, -4.0f};
        camera->follow = &followed;
        Followed(k);
        camera->Update(kFrame);
        ExpectNear(camera->target, k + Vector3{0, 1, 0});
        ExpectNear(camera->eye, FollowEye(k, c.azimuth, c.latitude, c.distance));
    }
    // Azimuth 90, latitude 0, distance 10: the eye is the square root of 101 toward -Z, level with the target.
    cGameCamera* camera = MakeCamera();
    camera->base_azimuth = 90.0f;
    camera->base_distance = 10.0f;
    camera->follow = &followed;
    camera->Update(kFrame);
    ExpectNear(camera->eye, Vector3{3.0f, 1.0f, -4.0f - std::sqrt(101.0f)});
}

TEST_F(GameCameraTest, TheMachineWaitsForFollowThenRunsThePendingPassInFourFramesShowingTheFollowPose) {
    cGameCamera* camera = MakeCamera();
    camera->base_azimuth = 90.0f;
    camera->base_distance = 10.0f;
    camera->Update(kFrame);
    EXPECT_EQ(camera->State(), eGameCameraState::Follow);  // nothing to follow: the machine stands

    const Vector3 k{1.0f, 0.0f, 2.0f};
    Followed(k);
    camera->follow = &followed;
    const eGameCameraState after[] = {eGameCameraState::BlendIn, eGameCameraState::Hold, eGameCameraState::BlendOut,
                                      eGameCameraState::Follow};
    for (eGameCameraState expected : after) {
        camera->Update(kFrame);
        EXPECT_EQ(camera->State(), expected);
        ExpectNear(camera->eye, FollowEye(k, 90.0f, 0.0f, 10.0f));
        ExpectNear(camera->target, k + Vector3{0, 1, 0});
    }
    EXPECT_FALSE(camera->has_control);
    EXPECT_LT(camera->shot_hold, 0.0f);
    EXPECT_TRUE(std::isfinite(camera->eye.x) && std::isfinite(camera->eye.y) && std::isfinite(camera->eye.z));
}

TEST_F(GameCameraTest, AShotWithBlendTimeZeroTakesEachPoseAtOnce) {
    cGameCamera* camera = MakeCamera();
    camera->base_azimuth = -90.0f;
    camera->base_latitude = 55.0f;
    camera->base_distance = 70.0f;
    const Vector3 k{0.0f, 0.0f, 0.0f};
    Followed(k);
    camera->follow = &followed;
    Run(0.25f, kFrame);  // past the pending pass of set-up
    ASSERT_EQ(camera->State(), eGameCameraState::Follow);

    Game::CinematicTarget shot;
    shot.azimuth = 0.0f;
    shot.latitude = 30.0f;
    shot.distance = 20.0f;
    shot.target = {10.0f, 0.0f, -5.0f};
    shot.blend_time = 0.0f;
    camera->StartShot(shot);
    // The shot's eye is its distance from the shot's target: azimuth 0 is +X.
    const Vector3 shot_eye = shot.target + 20.0f * Vector3{std::cos(0.5235988f), 0.5f, 0.0f};

    Step(kFrame);  // Follow sees the shot
    EXPECT_EQ(camera->State(), eGameCameraState::BlendIn);
    EXPECT_TRUE(camera->has_control);
    Step(kFrame);  // the blend's first frame is its last
    EXPECT_EQ(camera->State(), eGameCameraState::Hold);
    ExpectNear(camera->target, shot.target);
    ExpectNear(camera->eye, shot_eye);
    Run(3.0f, kFrame);  // the hold: three seconds, then below 0 in the next frame
    EXPECT_EQ(camera->State(), eGameCameraState::Hold);
    Step(kFrame);
    EXPECT_EQ(camera->State(), eGameCameraState::BlendOut);
    Step(kFrame);
    EXPECT_EQ(camera->State(), eGameCameraState::Follow);
    EXPECT_FALSE(camera->has_control);
    ExpectNear(camera->eye, FollowEye(k, -90.0f, 55.0f, 70.0f));
    EXPECT_TRUE(std::isfinite(camera->blend_timer));
}

TEST_F(GameCameraTest, ASecondShotDuringTheHoldTakesOverAtOnce) {
    cGameCamera* camera = MakeCamera();
    Followed({0.0f, 0.0f, 0.0f});
    camera->follow = &followed;
    Run(0.25f, kFrame);
    Game::CinematicTarget first;
    first.target = {5.0f, 0.0f, 0.0f};
    first.blend_time = 0.0f;
    camera->StartShot(first);
    Run(1.0f, kFrame);
    ASSERT_EQ(camera->State(), eGameCameraState::Hold);

    Game::CinematicTarget second;
    second.target = {-5.0f, 2.0f, 7.0f};
    camera->StartShot(second);
    EXPECT_EQ(camera->shot_hold, cGameCamera::kShotHold);
    Step(kFrame);
    EXPECT_EQ(camera->State(), eGameCameraState::Hold);
    ExpectNear(camera->target, second.target);
}

TEST_F(GameCameraTest, TheShippedAngleKeepsTheWalkingKidInTheMiddleOfThePicture) {
    const std::string shipped = std::string(BRAMBLEBY_SOURCE_DIR) + "/GameData/XML_Game/GameCamera.xml";
    dir.Write("GameData/XML_Game/GameCamera.xml", TestSupport::ReadFile(shipped));
    WriteTuning("Kid", "MidSpeed=\"4\" Health=\"30\"");
    cGameCamera* camera = MakeCamera();
    Game::cKid* kid = MakeKid();
    kid->SetCamera(camera);
    followed = kid;
    camera->follow = &followed;
    Run(1.5f, kFrame);  // the kid's intro
    const Vector3 start = kid->position;

    // W walks away from the camera: up the picture, toward -Z with the eye on +Z.
    Engine::cKeyboardState::Instance().KeyDown(Engine::kVK_W);
    float widest = 0.0f;
    for (int frame = 0; frame < 192; ++frame) {
        Step(kFrame);
        const Vector3 seen = camera->ProjectToScreen(kid->position + Vector3{0, 1, 0});
        widest = std::max({widest, std::fabs(seen.x - 640.0f), std::fabs(seen.y - 360.0f)});
    }
    EXPECT_LT(kid->position.z, start.z - 8.0f);
    // The camera steps before the physics moves the kid, so she is at most one
    // frame's walk (about 4 pixels) off the middle.
    EXPECT_LT(widest, 6.0f);
    EXPECT_GT(camera->eye.z, kid->position.z + 30.0f);
    EXPECT_GT(camera->eye.y, kid->position.y + 50.0f);
}

}  // namespace
