#include "game/entities/cStroke.h"

#include <algorithm>  // std::max, std::min
#include <cmath>
#include <string>

#include "engine/audio/SoundManagerAccess.h"
#include "engine/audio/iSoundManager.h"
#include "engine/core/Vector4.h"
#include "engine/particles/cParticleManager.h"
#include "engine/particles/cParticleSystem.h"
#include "engine/physics/GeometricQueries.h"
#include "engine/physics/cCollisionAABB.h"
#include "engine/physics/cPhysicsWorld.h"
#include "engine/physics/iPhysicsCmp.h"
#include "engine/platform/cMouseState.h"
#include "engine/render/scene/SceneRendererAccess.h"
#include "engine/render/scene/cCameraGfxCmp.h"
#include "engine/render/scene/cModelGfxCmp.h"
#include "engine/render/scene/cModelGfxCmpPool.h"
#include "engine/render/scene/cSceneRenderer.h"
#include "game/data/ContentNames.h"
#include "game/data/SoundNames.h"
#include "game/data/cLevelManager.h"
#include "game/data/cModelCatalogue.h"
#include "game/data/cTuningFile.h"
#include "game/entities/cBaseEnemy.h"
#include "game/entities/cEmitterFairy.h"
#include "game/entities/cEmitterRing.h"
#include "game/entities/cKid.h"

namespace Game {

namespace {

constexpr float kDegToRad = 0.017453292f;
constexpr float kRadToDeg = 57.295776f;
constexpr float kRestitution = 0.01f;
const Engine::Vector3 kHalfSize{0.5f, 1.5f, 0.5f};
constexpr float kRingRadius = 0.5f;
// The fairy turns half of the way toward its motion each frame.
constexpr float kTurnShare = 0.5f;
// Mouse positions more than this far beyond the client area are captured
// moves past its left or top edge that came through as large numbers.
constexpr std::int32_t kWrappedBeyond = 10000;
constexpr int kLeftButton = 0;
constexpr int kRightButton = 1;
constexpr std::uint32_t kSplatterCapacity = 1000;

// The pixel column (or row) the mouse stands for, one pixel inside the client area.
std::uint32_t ClampPixel(std::int32_t value, std::int32_t size) {
    if (value > size + kWrappedBeyond || value < 2) return 1;
    if (value > size - 1) return static_cast<std::uint32_t>(std::max(size - 2, 1));
    return static_cast<std::uint32_t>(value);
}

float GroundAngle(const Engine::Vector3& from, const Engine::Vector3& to) {
    if (from.x * from.x + from.z * from.z <= 0.0f || to.x * to.x + to.z * to.z <= 0.0f) return 0.0f;
    float delta = std::atan2(-to.z, to.x) - std::atan2(-from.z, from.x);
    if (delta > 3.14159265f) delta -= 6.2831853f;
    if (delta < -3.14159265f) delta += 6.2831853f;
    return delta * kRadToDeg;
}

}  // namespace

cStroke::cStroke()
    : pixie_dust("PixieDustPTS", Engine::cParticleSystem::kKind, 1000, Engine::cParticleSystem::kAdditiveBlend),
      ring("RingPTS", Engine::cParticleSystem::kKind, 100, Engine::cParticleSystem::kAdditiveBlend) {}

bool cStroke::SetUpFromLevel(const LevelObjectValues& values) {
    Setup();
    if (auto* level_kid = dynamic_cast<cKid*>(values.kid)) level_kid->SetStroke(this);
    return true;
}

void cStroke::Setup() {
    ReadTuning();
    CreateModel();
    CreateEffects();
    CreatePhysics();
    ResetRunValues();
    facing = {1.0f, 0.0f, 0.0f};
    mouse_point = position;
    dust_from = position;
    target_offset = {0.0f, 0.0f, 0.0f};
    RebuildWorld();
    BuildMachine();
    machine->Start(idle);
}

void cStroke::ReadTuning() {
    StrokeTuning t;
    const cTuningFile file("Stroke");
    if (file.IsOpen()) {
        t.attack_power = file.Float("FollowerAttackPower", t.attack_power);
        t.rank_s = file.Float("RankS", t.rank_s);
        t.rank_a = file.Float("RankA", t.rank_a);
        t.rank_b = file.Float("RankB", t.rank_b);
        t.rank_c = file.Float("RankC", t.rank_c);
        t.right_click_follow = file.Bool("RightClickFollow", t.right_click_follow);
        t.max_energy = file.Float("MaxEnergy", t.max_energy);
        t.energy_regen = file.Float("EnergyRegen", t.energy_regen);
        t.sampling_rate = file.Float("SamplingRate", t.sampling_rate);
        t.distance_tolerance = file.Float("DistanceTolerance", t.distance_tolerance);
        t.energy_drain = file.Float("EnergyDrain", t.energy_drain);
        t.regen_cooldown = file.Float("RegenCooldown", t.regen_cooldown);
        t.spring_const = file.Float("SpringConst", t.spring_const);
        t.slow_radius = file.Float("SlowRadius", t.slow_radius);
        t.slow_factor = file.Float("SlowFactor", t.slow_factor);
        t.heal_factor = file.Float("HealFactor", t.heal_factor);
    }
    tuning = t;
    attack_power = t.attack_power;
    right_click_follow = t.right_click_follow;
    max_energy = t.max_energy;
    energy_regen = t.energy_regen;
}

void cStroke::CreateModel() {
    Engine::cModelGfxCmpPool* pool = Engine::GetModelPool();
    const auto entry = cModelCatalogue::Instance().FindPrefab(GAME_ENT_TYPES::STROKE);
    if (pool == nullptr || !entry) return;  // no renderer or no catalogue entry: nothing is drawn
    Engine::cModelGfxCmp* component = pool->Take();
    component->Initialise(entry->mesh, entry->texture_set, entry->material, true);
    component->transform = &world;
    component->Play(std::string(Content::kFairyFlutter));
    model = component;
}

// The splatter effect enemies fire as they die is the level's: the stroke
// makes its system large, and the global effects give it its emitter.
void cStroke::CreateEffects() {
    pixie_dust.Fill<cEmitterFairy>();
    ring.Fill<cEmitterRing>()->radius = kRingRadius;
    Engine::cParticleManager::Instance().GetSystem("SplatterPTS", kSplatterCapacity,
                                                   Engine::cParticleSystem::kAdditiveBlend);
}

void cStroke::CreatePhysics() {
    auto* box = new Engine::cCollisionAABB();
    box->min = -kHalfSize;
    box->max = kHalfSize;
    box->UpdatePosition(position);
    physics = Engine::cPhysicsWorld::Instance().CreateObject("Stroke", box, "Stroke", &position);
    physics->SetOwner(this);
    physics->SetFlag(Engine::ePhysicsFlags::NoResponse, true);
    physics->SetRestitution(kRestitution);
}

void cStroke::BuildMachine() {
    machine = std::make_unique<Engine::cStateMachine<cStroke>>(this);
    auto* s_idle = machine->AddState(&cStroke::Nothing, &cStroke::IdleEnter, &cStroke::IdleUpdate, &cStroke::Nothing,
                                     &cStroke::Nothing);
    auto* s_slash = machine->AddState(&cStroke::Nothing, &cStroke::SlashEnter, &cStroke::SlashUpdate,
                                      &cStroke::SlashExit, &cStroke::Nothing);
    auto* s_grab = machine->AddState(&cStroke::Nothing, &cStroke::GrabEnter, &cStroke::GrabUpdate, &cStroke::GrabExit,
                                     &cStroke::Nothing);
    s_idle->AddTrigger(&cStroke::LeftHeld, s_slash);
    s_idle->AddTrigger(&cStroke::RightPressed, s_grab);
    s_slash->AddTrigger(&cStroke::LeftReleased, s_idle);
    s_grab->AddTrigger(&cStroke::GrabOver, s_idle);
    idle = s_idle;
    slash = s_slash;
    grab = s_grab;
}

void cStroke::Reset() {
    machine.reset();  // leaving Grab lets go of a held enemy
    cEntity::Reset();
    ResetRunValues();
    camera = nullptr;
}

// The counts of a run for the results, full energy, and nothing slashed or held.
void cStroke::ResetRunValues() {
    slash_time = kStartSlashTime;
    hits = 0;
    energy = max_energy;
    idle_time = 0.0f;
    slashing = false;
    grabbing = false;
    grabbed = nullptr;
}

// ---- Per-frame update -------------------------------------------------------

void cStroke::Update(float dt) {
    const int state = cLevelManager::Instance().current_state();
    if (state == kMainMenuState || state == kWinScreenState) return;
    Turn();
    if (machine) machine->Update(dt);
    FeedEmitters();
    RebuildWorld();
}

void cStroke::Turn() {
    if (physics == nullptr) return;
    const float angle = GroundAngle(facing, physics->GetVelocity()) * kTurnShare;
    facing = Engine::Normalise(Engine::Quaternion::FromAxisAngle({0.0f, 1.0f, 0.0f}, angle * kDegToRad).Rotate(facing));
    rotation = Engine::Quaternion::FromAxisAngle({0.0f, 1.0f, 0.0f}, std::atan2(-facing.z, facing.x));
}

// The physics step moves the stroke after its update, so the dust trails
// the way flown since the last feed, not within this update.
void cStroke::FeedEmitters() {
    if (cEmitterFairy* dust = FairyEmitter()) {
        dust->previous = dust_from;
        dust->current = position;
        dust->direction = physics != nullptr ? physics->GetVelocity() : Engine::Vector3{};
    }
    if (cEmitterRing* sparks = RingEmitter()) sparks->centre = position;
    dust_from = position;
}

const Engine::cCameraGfxCmp* cStroke::MouseCamera() const {
    if (camera != nullptr) return camera;
    const Engine::cSceneRenderer* scene = Engine::GetSceneRenderer();
    return scene != nullptr ? scene->ActiveCamera() : nullptr;
}

// The mouse's point on the plane y = 0.5 becomes the target; a ray that
// misses the plane keeps the last point, so the fairy waits there instead
// of flying on. The body gets the velocity that reaches the target in one
// step of this frame's length; a frame of no length moves nothing.
void cStroke::FollowMouse(float dt) {
    if (const Engine::cCameraGfxCmp* view = MouseCamera()) {
        const Engine::cMouseState& mouse = Engine::cMouseState::Instance();
        const auto width = static_cast<std::int32_t>(view->viewportWidth);
        const auto height = static_cast<std::int32_t>(view->viewportHeight);
        const Engine::Ray ray = view->MouseRay(ClampPixel(mouse.X(), width), ClampPixel(mouse.Y(), height));
        float distance = 0.0f;
        if (Engine::RayPlaneDistance(Engine::Vector4{0.0f, 1.0f, 0.0f, -kPlaneHeight}, ray, distance)) {
            const Engine::Vector3 point = ray.origin + ray.direction * distance;
            if (std::isfinite(point.x) && std::isfinite(point.z)) mouse_point = point;
        }
    }
    target_offset = mouse_point - position;
    if (physics == nullptr) return;
    physics->SetVelocity(dt > 0.0f ? target_offset / dt : Engine::Vector3{});
}

// ---- Operations other entities call -----------------------------------------

void cStroke::OnEnemyContact(cBaseEnemy* enemy) {
    if (enemy == nullptr) return;
    if (grabbing && enemy->grabbable && grabbed == nullptr &&
        Engine::LengthSquared(enemy->position - position) < kGrabReachSquared) {
        grabbed = enemy;
        enemy->SetHeld(true);
    }
    grabbing = false;
}

std::int32_t cStroke::SkillRank() const {
    const float ratio = static_cast<float>(hits) / slash_time;
    if (std::isnan(ratio)) return -1;
    if (ratio <= tuning.rank_c) return 0;
    if (ratio <= tuning.rank_b) return 1;
    if (ratio <= tuning.rank_a) return 2;
    if (ratio <= tuning.rank_s) return 3;
    return 4;
}

eStrokeState cStroke::State() const {
    const Engine::iState* current = machine ? machine->GetCurrent() : nullptr;
    if (current == nullptr) return eStrokeState::None;
    if (current == idle) return eStrokeState::Idle;
    if (current == slash) return eStrokeState::Slash;
    return eStrokeState::Grab;
}

cEmitterFairy* cStroke::FairyEmitter() const { return static_cast<cEmitterFairy*>(pixie_dust.Get()); }

cEmitterRing* cStroke::RingEmitter() const { return static_cast<cEmitterRing*>(ring.Get()); }

// ---- States -------------------------------------------------------------------

void cStroke::IdleEnter() {
    if (cEmitterFairy* dust = FairyEmitter()) dust->enabled = false;
}

void cStroke::IdleUpdate(float dt) {
    FollowMouse(dt);
    idle_time += dt;
    energy = std::max(energy, 0.0f);
    if (energy < max_energy) energy = std::min(energy + energy_regen * dt, max_energy);
}

void cStroke::SlashEnter() {
    if (Engine::iSoundManager* sounds = Engine::GetSoundManager()) {
        sounds->Play3D(std::string(Content::kFairySprinkleSound), position, false, 1.0f);
    }
    idle_time = 0.0f;
    if (cEmitterFairy* dust = FairyEmitter()) dust->enabled = true;
}

void cStroke::SlashUpdate(float dt) {
    FollowMouse(dt);
    slashing = physics != nullptr && Engine::LengthSquared(physics->GetVelocity()) >= kSlashSpeedSquared;
    if (slashing) slash_time += dt;
}

void cStroke::SlashExit() {
    slashing = false;
    idle_time = 0.0f;
}

void cStroke::GrabEnter() {
    grabbing = true;
    grabbed = nullptr;
    if (cEmitterRing* sparks = RingEmitter()) sparks->enabled = true;
    grab_frames = 0;
    if (Engine::iSoundManager* sounds = Engine::GetSoundManager()) {
        sounds->Play(std::string(Content::kGrabSound), false, 1.0f);
    }
}

// A held enemy is dragged along (when the tuning asks for it) on the ground under the fairy.
void cStroke::GrabUpdate(float dt) {
    FollowMouse(dt);
    if (grabbed != nullptr && right_click_follow) {
        const Engine::Vector3 held = grabbed->position;
        grabbed->SetPosition({position.x + (position.x - held.x) * kDragFactor * dt, 0.0f,
                              position.z + (position.z - held.z) * kDragFactor * dt});
    }
    ++grab_frames;
}

void cStroke::GrabExit() {
    grabbing = false;
    if (grabbed != nullptr) grabbed->SetHeld(false);
    grabbed = nullptr;
    if (cEmitterRing* sparks = RingEmitter()) sparks->enabled = false;
}

// ---- Triggers -------------------------------------------------------------------

bool cStroke::LeftHeld() { return Engine::cMouseState::Instance().IsButtonDown(kLeftButton); }

bool cStroke::RightPressed() { return Engine::cMouseState::Instance().WasButtonPressed(kRightButton); }

bool cStroke::LeftReleased() { return !LeftHeld(); }

bool cStroke::GrabOver() {
    return !Engine::cMouseState::Instance().IsButtonDown(kRightButton) ||
           (grab_frames >= kGrabFramesWithoutCatch && grabbed == nullptr);
}

}  // namespace Game
