#include "game/entities/cGameCamera.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/core/cLog.h"
#include "engine/entity/cEntity.h"
#include "game/data/cTuningFile.h"

namespace Game {

namespace {

using Engine::Vector3;

constexpr float kFieldOfView = 10.0f;
constexpr float kNear = 0.1f;
constexpr float kFar = 100.0f;
// Limits of a usable follow angle: straight down or up the view would lie
// along the up vector and have no orientation.
constexpr float kSteepest = 89.0f;
constexpr float kWidestTurn = 720.0f;
constexpr float kFarthest = 10000.0f;

// The attribute's value when it lies within [low, high]; otherwise (or not a
// number) a log line and the default.
float Checked(const cTuningFile& tuning, const char* attribute, float fallback, float low, float high) {
    const float value = tuning.Float(attribute, fallback);
    if (std::isfinite(value) && value >= low && value <= high) return value;
    Engine::LogError(std::string("GameCamera.xml: ") + attribute + " of " + std::to_string(value) +
                     " is out of range; using " + std::to_string(fallback));
    return fallback;
}

}  // namespace

void cGameCamera::Setup() {
    Initialise({0.0f, 0.0f, -1.0f}, {0.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}, 90.0f, kNear, kFar);
    fieldOfView = kFieldOfView;
    base_azimuth = base_latitude = base_distance = 0.0f;
    shot_azimuth = shot_latitude = 0.0f;
    shot_distance = 1.0f;
    shot_target = {1.0f, 1.0f, 1.0f};
    shot_hold = 0.0f;
    has_control = false;
    has_shot = false;
    blend_time = blend_timer = 0.0f;
    follow = nullptr;
    // Without the file the camera sits one unit from the look-at point, level with it.
    const cTuningFile tuning("GameCamera");
    if (tuning.IsOpen()) {
        base_azimuth = Checked(tuning, "Azimuth", 0.0f, -kWidestTurn, kWidestTurn);
        base_latitude = Checked(tuning, "Latitude", 0.0f, -kSteepest, kSteepest);
        base_distance = Checked(tuning, "Distance", 10.0f, 0.0f, kFarthest);
    }
    BuildMachine();
    has_control = false;
}

void cGameCamera::BuildMachine() {
    machine = std::make_unique<Machine>(this);
    auto* s_follow = machine->AddState(&cGameCamera::Nothing, &cGameCamera::Nothing, &cGameCamera::FollowUpdate,
                                       &cGameCamera::Nothing, &cGameCamera::Nothing);
    auto* s_blend_in = machine->AddState(&cGameCamera::Nothing, &cGameCamera::BlendInEnter,
                                         &cGameCamera::BlendInUpdate, &cGameCamera::Nothing, &cGameCamera::Nothing);
    auto* s_hold = machine->AddState(&cGameCamera::Nothing, &cGameCamera::Nothing, &cGameCamera::HoldUpdate,
                                     &cGameCamera::Nothing, &cGameCamera::Nothing);
    auto* s_blend_out = machine->AddState(&cGameCamera::Nothing, &cGameCamera::BlendOutEnter,
                                          &cGameCamera::BlendOutUpdate, &cGameCamera::BlendOutExit,
                                          &cGameCamera::Nothing);
    s_follow->AddTrigger(&cGameCamera::ShotPending, s_blend_in);
    s_blend_in->AddTrigger(&cGameCamera::BlendDone, s_hold);
    s_hold->AddTrigger(&cGameCamera::HoldOver, s_blend_out);
    s_blend_out->AddTrigger(&cGameCamera::BlendDone, s_follow);
    follow_state = s_follow;
    blend_in_state = s_blend_in;
    hold_state = s_hold;
    blend_out_state = s_blend_out;
    machine->Start(s_follow);
}

void cGameCamera::StartShot(const CinematicTarget& shot) {
    shot_azimuth = shot.azimuth;
    shot_latitude = shot.latitude;
    shot_distance = shot.distance;
    shot_target = shot.target;
    shot_hold = kShotHold;
    blend_time = shot.blend_time;
    blend_timer = 0.0f;
    has_shot = true;
}

void cGameCamera::Update(float dt) {
    if (follow != nullptr && machine) machine->Update(dt);
}

void cGameCamera::Reset() {
    machine.reset();
    follow_state = blend_in_state = hold_state = blend_out_state = nullptr;
    cCameraEntity::Reset();
    follow = nullptr;
    has_shot = false;
}

eGameCameraState cGameCamera::State() const {
    const Engine::iState* current = machine ? machine->GetCurrent() : nullptr;
    if (current == nullptr) return eGameCameraState::None;
    if (current == follow_state) return eGameCameraState::Follow;
    if (current == blend_in_state) return eGameCameraState::BlendIn;
    if (current == hold_state) return eGameCameraState::Hold;
    return eGameCameraState::BlendOut;
}

// ---- Poses ---------------------------------------------------------------------

Vector3 cGameCamera::FollowPoint() const {
    const auto* entity = follow != nullptr ? dynamic_cast<const Engine::cEntity*>(*follow) : nullptr;
    const Vector3 at = entity != nullptr ? entity->position : Vector3{};
    return at + Vector3{0.0f, kLookHeight, 0.0f};
}

void cGameCamera::Pose(const Vector3& look_at, const Vector3& eye_start, float at_azimuth, float at_latitude) {
    SetTarget(look_at);
    SetEye(eye_start);
    SetOrbitAzimuth(at_azimuth);
    SetOrbitLatitude(at_latitude);
}

// The eye starts level with the kid's feet, so it ends slightly further
// from the look-at point than the distance: the square root of distance² + 1.
void cGameCamera::FollowPose() {
    const Vector3 look_at = FollowPoint();
    Pose(look_at, look_at - Vector3{0.0f, kLookHeight, -base_distance}, base_azimuth, base_latitude);
}

void cGameCamera::ShotPose() {
    if (!has_shot) return FollowPose();
    Pose(shot_target, shot_target + Vector3{0.0f, 0.0f, shot_distance}, shot_azimuth, shot_latitude);
}

void cGameCamera::BlendPose(float w) {
    if (!has_shot) return FollowPose();
    const auto mix = [w](float from, float to) { return from + w * (to - from); };
    const Vector3 from = FollowPoint();
    const Vector3 look_at = from + w * (shot_target - from);
    // The eye's starting height blends too, so that the ends are exactly the follow and shot poses.
    const Vector3 eye_start{0.0f, -kLookHeight * (1.0f - w), mix(base_distance, shot_distance)};
    Pose(look_at, look_at + eye_start, mix(base_azimuth, shot_azimuth), mix(base_latitude, shot_latitude));
}

float cGameCamera::BlendWeight() const {
    if (blend_time <= 0.0f) return 1.0f;
    const float f = std::clamp(blend_timer / blend_time, 0.0f, 1.0f);
    const float e = f < 0.5f ? 2.0f * f * f : 1.0f - 2.0f * (1.0f - f) * (1.0f - f);
    return std::min(e, 1.0f);
}

// ---- States --------------------------------------------------------------------

void cGameCamera::FollowUpdate(float) { FollowPose(); }

void cGameCamera::BlendInEnter() {
    has_control = true;
    blend_timer = 0.0f;
}

void cGameCamera::BlendInUpdate(float dt) {
    BlendPose(BlendWeight());
    blend_timer += dt;
}

void cGameCamera::HoldUpdate(float dt) {
    ShotPose();
    shot_hold -= dt;
}

void cGameCamera::BlendOutEnter() { blend_timer = 0.0f; }

void cGameCamera::BlendOutUpdate(float dt) {
    BlendPose(1.0f - BlendWeight());
    blend_timer += dt;
}

void cGameCamera::BlendOutExit() { has_control = false; }

bool cGameCamera::ShotPending() { return shot_hold >= 0.0f; }

// A blend time of 0 is done at once rather than dividing by zero.
bool cGameCamera::BlendDone() { return blend_time <= 0.0f || blend_timer >= blend_time; }

bool cGameCamera::HoldOver() { return shot_hold < 0.0f; }

}  // namespace Game
