// cCameraTrigger: the kid walking into the box hands its shot to the game
// camera, which glides to it, holds it and glides back, reaching each pose at
// its time; the trigger plays once and goes; a level without a game camera
// gets a log line and a silent trigger.

#include "game/entities/cCameraTrigger.h"

#include <cmath>
#include <string>

#include "game/data/cLevelManager.h"
#include "game/entities/cGameCamera.h"
#include "tests/game/entities/EnemyFixture.h"

namespace {

using Engine::Vector3;
using Game::cCameraTrigger;
using Game::cGameCamera;
using Game::eGameCameraState;
namespace Types = Game::GAME_ENT_TYPES;

// A power of two, so that the blend and hold times add up exactly.
constexpr float kStep = 1.0f / 64.0f;
constexpr int kFramesPerBlend = 192;  // 3 s
constexpr float kTolerance = 2e-3f;

void ExpectNear(const Vector3& actual, const Vector3& expected) {
    EXPECT_NEAR(actual.x, expected.x, kTolerance);
    EXPECT_NEAR(actual.y, expected.y, kTolerance);
    EXPECT_NEAR(actual.z, expected.z, kTolerance);
}

class CameraTriggerTest : public EnemyTest::EnemyFixture {
protected:
    void TearDown() override {
        Game::cLevelManager::Destroy();
        EnemyFixture::TearDown();
    }

    void SetUp() override {
        EnemyFixture::SetUp();
        dir.Write("GameData/XML_Game/GameCamera.xml", "<GameCamera Azimuth=\"-90\" Latitude=\"55\" Distance=\"70\"/>");
        camera = Game::cGameFactory::Instance().CreateTyped<cGameCamera>(Types::GAME_CAMERA);
        camera->Setup();
        followed = kid.get();
        camera->follow = &followed;
        Place(*kid, {0.0f, 0.0f, 0.0f});
        Run(0.25f, kStep);  // past the pending pass of set-up
        shot.azimuth = 45.0f;
        shot.latitude = 20.0f;
        shot.distance = 30.0f;
        shot.target = {12.0f, 0.0f, -8.0f};
    }

    cCameraTrigger* MakeTrigger(Engine::iBaseEntity* game_camera) {
        auto* trigger = Game::cGameFactory::Instance().CreateTyped<cCameraTrigger>(Types::CAMERA_TRIGGER);
        Game::LevelObjectValues values;
        values.name = "CameraTrigger";
        values.position = {0.0f, 0.0f, -10.0f};
        values.scale = {2.0f, 2.0f, 2.0f};
        values.game_camera = game_camera;
        values.cinematic = shot;
        trigger->Init(values.name);
        EXPECT_TRUE(trigger->SetUpFromLevel(values));
        return trigger;
    }

    // The eye s units from look_at, at the angles seen from it.
    static Vector3 EyeFor(const Vector3& look_at, float azimuth, float latitude, float s) {
        const float a = azimuth * 0.017453292f;
        const float l = latitude * 0.017453292f;
        return look_at + s * Vector3{std::cos(l) * std::cos(a), std::sin(l), -std::cos(l) * std::sin(a)};
    }

    // The follow pose's eye: its distance counts from the kid's feet, so the look-at point one unit up is further.
    static float FollowReach(float distance) { return std::sqrt(distance * distance + 1.0f); }

    // The kid's look-at point.
    Vector3 KidPoint() const { return kid->position + Vector3{0.0f, 1.0f, 0.0f}; }

    static void Frames(int count) {
        for (int i = 0; i < count; ++i) Step(kStep);
    }

    cGameCamera* camera = nullptr;
    Engine::iBaseEntity* followed = nullptr;
    Game::CinematicTarget shot;
};

TEST_F(CameraTriggerTest, TheKidsTouchBlendsToTheShotHoldsItAndBlendsBackOnTime) {
    cCameraTrigger* trigger = MakeTrigger(camera);
    EXPECT_EQ(trigger->GetType(), Types::CAMERA_TRIGGER);
    EXPECT_EQ(trigger->physics->GetName(), "CameraTrigger");
    Step(kStep);
    EXPECT_EQ(camera->State(), eGameCameraState::Follow);  // the kid is outside the box

    Place(*kid, {1.0f, 0.0f, -9.0f});
    Step(kStep);  // the contact starts the shot after the camera's step
    Step(kStep);  // Follow sees it and leaves
    ASSERT_EQ(camera->State(), eGameCameraState::BlendIn);
    EXPECT_TRUE(camera->has_control);
    EXPECT_FALSE(trigger->active);

    // Halfway through the glide, eased in and out, everything is halfway.
    Frames(kFramesPerBlend / 2 + 1);
    const Vector3 halfway = KidPoint() + 0.5f * (shot.target - KidPoint());
    ExpectNear(camera->target, halfway);
    // The eye starts half a unit under the look-at point, halfway between the follow and shot poses.
    const float reach = std::sqrt(50.0f * 50.0f + 0.5f * 0.5f);
    ExpectNear(camera->eye, EyeFor(halfway, 0.5f * (-90.0f + 45.0f), 0.5f * (55.0f + 20.0f), reach));
    EXPECT_EQ(camera->State(), eGameCameraState::BlendIn);

    // Three seconds after the glide began the camera holds the shot.
    Frames(kFramesPerBlend / 2 - 1);
    EXPECT_EQ(camera->State(), eGameCameraState::Hold);
    Step(kStep);
    ExpectNear(camera->target, shot.target);
    ExpectNear(camera->eye, EyeFor(shot.target, 45.0f, 20.0f, 30.0f));

    // Three seconds of hold, then the glide back.
    Frames(kFramesPerBlend);
    EXPECT_EQ(camera->State(), eGameCameraState::BlendOut);
    EXPECT_TRUE(camera->has_control);
    Frames(kFramesPerBlend);
    EXPECT_EQ(camera->State(), eGameCameraState::Follow);
    EXPECT_FALSE(camera->has_control);
    Step(kStep);
    ExpectNear(camera->target, KidPoint());
    ExpectNear(camera->eye, EyeFor(KidPoint(), -90.0f, 55.0f, FollowReach(70.0f)));
}

TEST_F(CameraTriggerTest, TheLevelLoaderGivesTheTriggerItsBoxShotAndCamera) {
    dir.Write("Shots.xml",
              "<LevelRoot>\n"
              "<CameraTrigger posX=\"4\" posZ=\"-6\" scaleX=\"3\" scaleY=\"1\" scaleZ=\"2\">\n"
              "  <CinematicTarget azimuth=\"30\" latitude=\"40\" distance=\"25\" targetX=\"2\" targetZ=\"-3\"/>\n"
              "</CameraTrigger>\n"
              "</LevelRoot>\n");
    Game::cLevelManager& levels = Game::cLevelManager::Instance();
    levels.current_state = [] { return 10; };
    levels.bake_decorations = [] {};
    levels.game_camera = camera;
    levels.Load("Shots", "./");
    cCameraTrigger* trigger = nullptr;
    for (Engine::iBaseEntity* entity : levels.level_entities) {
        if (auto* found = dynamic_cast<cCameraTrigger*>(entity)) trigger = found;
    }
    ASSERT_NE(trigger, nullptr);
    EXPECT_EQ(trigger->game_camera, camera);
    EXPECT_EQ(trigger->shot.azimuth, 30.0f);
    EXPECT_EQ(trigger->shot.latitude, 40.0f);
    EXPECT_EQ(trigger->shot.distance, 25.0f);
    EXPECT_EQ(trigger->shot.target, Vector3(2.0f, 1.0f, -3.0f));  // a missing coordinate reads 1
    EXPECT_EQ(trigger->name, "CameraTrigger");

    // The box reaches the scale's length either way of the middle: 7 on X, not 5.5.
    Place(*kid, {6.5f, 0.0f, -6.0f});
    Frames(2);
    EXPECT_EQ(camera->State(), eGameCameraState::BlendIn);
    Frames(kFramesPerBlend + 1);
    ExpectNear(camera->target, {2.0f, 1.0f, -3.0f});
}

TEST_F(CameraTriggerTest, TheTriggerPlaysOnceAndIsDeleted) {
    MakeTrigger(camera);
    Place(*kid, {0.0f, 0.0f, -10.0f});
    Frames(1);
    EXPECT_EQ(Game::cGameFactory::Instance().QueuedDeletions(), 1u);
    Frames(1 + 3 * kFramesPerBlend + 3);
    ASSERT_EQ(camera->State(), eGameCameraState::Follow);

    // The kid stays in (and walks through again): no second shot.
    Place(*kid, {0.5f, 0.0f, -10.5f});
    Frames(10);
    EXPECT_EQ(camera->State(), eGameCameraState::Follow);
    EXPECT_FALSE(camera->has_control);
}

TEST_F(CameraTriggerTest, OnlyTheKidFiresTheTrigger) {
    cCameraTrigger* trigger = MakeTrigger(camera);
    Place(*stroke, {0.0f, 0.0f, -10.0f});
    Engine::cCollisionManager::Instance().AddGroupPair("Trigger", "Stroke");
    Frames(3);
    EXPECT_TRUE(trigger->active);
    EXPECT_EQ(camera->State(), eGameCameraState::Follow);
}

TEST_F(CameraTriggerTest, ALevelWithoutGameCameraLogsAndTheTriggerStaysSilent) {
    cCameraTrigger* trigger = MakeTrigger(nullptr);
    Place(*kid, {0.0f, 0.0f, -10.0f});
    Frames(3);
    EXPECT_FALSE(trigger->active);
    EXPECT_EQ(camera->State(), eGameCameraState::Follow);
    EXPECT_NE(EngineLog().find("Error: cCameraTrigger: no game camera to play its shot; it stays silent\n"),
              std::string::npos);
}

}  // namespace
