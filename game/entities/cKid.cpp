#include "game/entities/cKid.h"

#include <algorithm>  // std::clamp, std::max, std::min
#include <cmath>
#include <string>

#include "engine/audio/SoundManagerAccess.h"
#include "engine/audio/iSoundManager.h"
#include "engine/core/Easing.h"
#include "engine/core/Random.h"
#include "engine/core/cEngineSettings.h"
#include "engine/physics/cCollisionAABB.h"
#include "engine/physics/cPhysicsWorld.h"
#include "engine/physics/iPhysicsCmp.h"
#include "engine/platform/VirtualKeys.h"
#include "engine/platform/cKeyboardState.h"
#include "engine/render/scene/SceneRendererAccess.h"
#include "engine/render/scene/cCameraGfxCmp.h"
#include "engine/render/scene/cLightManager.h"
#include "engine/render/scene/cLightPool.h"
#include "engine/render/scene/cModelGfxCmp.h"
#include "engine/render/scene/cModelGfxCmpPool.h"
#include "engine/render/scene/cSceneRenderer.h"
#include "engine/resource/cMaterial.h"
#include "engine/resource/cMesh.h"
#include "engine/resource/cResourceSystem.h"
#include "engine/resource/iGPUProgram.h"
#include "engine/particles/cParticleSystem.h"
#include "game/data/ContentNames.h"
#include "game/data/SoundNames.h"
#include "game/data/cAchievementStore.h"
#include "game/data/cGameData.h"
#include "game/data/cLevelManager.h"
#include "game/data/cModelCatalogue.h"
#include "game/entities/cChallengeSpawner.h"
#include "game/entities/cEmitterSpawnOneUpwards.h"
#include "game/entities/cEmitterWalk.h"
#include "game/entities/cGameFactory.h"
#include "game/entities/cKidKey.h"
#include "game/entities/cPath.h"
#include "game/entities/cStroke.h"

namespace Game {

namespace {

constexpr float kDegToRad = 0.017453292f;
constexpr float kRadToDeg = 57.295776f;
constexpr float kRestitution = 0.01f;
constexpr float kBoxHalf = 0.5f;
constexpr float kWalkEmitterInterval = 0.5f;
// The walk turns one fifth of the way toward the motion each frame.
constexpr float kTurnDivisor = 5.0f;
// A direction shorter than this (squared) counts as no direction.
constexpr float kMinDirectionSquared = 0.1f;
// The cone a dying kid's light closes to, in radians.
constexpr float kDeathInnerCone = 0.08f;
constexpr float kDeathOuterCone = 0.2f;
// Achievements the kid unlocks.
constexpr int32_t kAchievementDied = 1;
constexpr int32_t kAchievementDoorOpened = 3;
constexpr int32_t kAchievementNoCheckpoint = 4;
// Levels whose no-checkpoint win earns nothing (they have no checkpoint to skip).
constexpr int32_t kLevelsWithoutCheckpoints[] = {0, 2, 5, 8};
// The three materials whose shaders read the kid's light, in order.
constexpr const char* kLitMaterials[] = {"StandardMat", "ShadowMat", "FairyMat"};
constexpr const char* kShadowMapName = "KidDepthMap";
constexpr const char* kLightName = "gKidLight";

// Seconds of walking since the last footstep, shared by every kid.
float footstep_timer = 0.0f;

void Play(std::string_view sound, bool loop) {
    if (Engine::iSoundManager* sounds = Engine::GetSoundManager()) sounds->Play(std::string(sound), loop, 1.0f);
}

void Stop(std::string_view sound) {
    if (Engine::iSoundManager* sounds = Engine::GetSoundManager()) sounds->Stop(std::string(sound));
}

Engine::Vector3 Blend(const Engine::Vector3& from, const Engine::Vector3& to, float t) {
    return from * (1.0f - t) + to * t;
}

// The rotation about the vertical axis that turns the model's forward (+x) to direction.
Engine::Quaternion Heading(const Engine::Vector3& direction) {
    return Engine::Quaternion::FromAxisAngle({0.0f, 1.0f, 0.0f}, std::atan2(-direction.z, direction.x));
}

// The signed angle in degrees, about the vertical axis, that turns from toward to in the ground plane.
float GroundAngle(const Engine::Vector3& from, const Engine::Vector3& to) {
    if (from.x * from.x + from.z * from.z <= 0.0f || to.x * to.x + to.z * to.z <= 0.0f) return 0.0f;
    const float a_from = std::atan2(-from.z, from.x);
    const float a_to = std::atan2(-to.z, to.x);
    float delta = a_to - a_from;
    if (delta > 3.14159265f) delta -= 6.2831853f;
    if (delta < -3.14159265f) delta += 6.2831853f;
    return delta * kRadToDeg;
}

Engine::Vector3 RotateAboutVertical(const Engine::Vector3& v, float degrees) {
    return Engine::Quaternion::FromAxisAngle({0.0f, 1.0f, 0.0f}, degrees * kDegToRad).Rotate(v);
}

}  // namespace

cKid::cKid()
    : locked_door_effect("LockedDoorPTS", Engine::cParticleSystem::kKind, 3, Engine::cParticleSystem::kAdditiveBlend),
      key_effect("KeyPTS", Engine::cParticleSystem::kKind, 3, Engine::cParticleSystem::kAdditiveBlend),
      walk_effect("WalkPTS", Engine::cParticleSystem::kKind, 100, Engine::cParticleSystem::kAlphaBlend) {}

cKid::~cKid() = default;

bool cKid::SetUpFromLevel(const LevelObjectValues& values) {
    Setup(values.position, values.scale);
    keys = values.key_count;
    candy = values.candy_count;
    if (keys > 0 && carried_key != nullptr) carried_key->Show(true);
    restarted_at_checkpoint = values.checkpoint_id >= 0;
    if (path != nullptr) {
        for (const Engine::Vector3& point : values.waypoints) path->AddPoint(point);
    }
    return true;
}

void cKid::Setup(const Engine::Vector3& where, const Engine::Vector3& size) {
    scale = size;
    keys = 0;
    candy = 0;
    ReadTuning();
    CreateModel();
    CreatePhysics();
    CreateLight();
    CreateEffects();
    CreateCompanions();
    BuildMachine();
    Reset(where);
}

void cKid::ReadTuning() {
    tuning = ReadKidTuning();
    light_tuning = ReadKidLightTuning();
    health = tuning.health;
    base_colour = {light_tuning.diffuse.r, light_tuning.diffuse.g, light_tuning.diffuse.b};
}

void cKid::CreateModel() {
    Engine::cModelGfxCmpPool* pool = Engine::GetModelPool();
    const auto entry = cModelCatalogue::Instance().FindPrefab(GAME_ENT_TYPES::KID);
    if (pool == nullptr || !entry) return;  // no renderer or no catalogue entry: nothing is drawn
    Engine::cModelGfxCmp* component = pool->Take();
    component->Initialise(entry->mesh, entry->texture_set, entry->material, true);
    component->transform = &world;
    model = component;
}

// A box of half size 0.5 until the model's mesh gives its own bounds.
void cKid::CreatePhysics() {
    auto* box = new Engine::cCollisionAABB();
    box->min = {-kBoxHalf, -kBoxHalf, -kBoxHalf};
    box->max = {kBoxHalf, kBoxHalf, kBoxHalf};
    const auto* component = dynamic_cast<const Engine::cModelGfxCmp*>(model);
    if (component != nullptr && !component->Meshes().empty()) {
        const Engine::AABB& bounds = component->Meshes().front()->BoundingBox();
        box->min = bounds.min;
        box->max = bounds.max;
        box->offset = (bounds.min + bounds.max) * 0.5f;
    }
    box->UpdatePosition(position);
    physics = Engine::cPhysicsWorld::Instance().CreateObject("Kid", box, "Kid", &position);
    physics->SetOwner(this);
    physics->SetFlag(Engine::ePhysicsFlags::NoResponse, false);
    physics->SetFlag(Engine::ePhysicsFlags::Gravity, true);
    physics->SetRestitution(kRestitution);
}

void cKid::CreateLight() {
    light = Engine::cLightPool::Instance().CreateLight(kLightName);
    Engine::LightRecord& record = light->light;
    record.type = Engine::LT_Spot;
    record.ambient = light_tuning.ambient;
    record.diffuse = light_tuning.diffuse;
    record.specular = light_tuning.specular;
    record.position = light_tuning.position;
    record.direction = light_tuning.direction;
    record.range = light_tuning.range;
    record.falloff = light_tuning.falloff;
    record.attenuation0 = light_tuning.constant_attenuation;
    record.attenuation1 = light_tuning.linear_attenuation;
    record.attenuation2 = light_tuning.quadratic_attenuation;
    record.innerCone = 0.0f;
    record.outerCone = 0.0f;
    Engine::cLightManager::Instance().EnableLight(record, true);
    AttachLightToShaders();
    // Shadow maps are render targets: only a run that draws can make them.
    if (Engine::cResourceSystem::Instance().TextureManager() != nullptr) light->SetCastsShadow(true, kShadowMapName);
}

void cKid::AttachLightToShaders() {
    const Engine::cMaterialManager* materials = Engine::cResourceSystem::Instance().MaterialManager();
    if (materials == nullptr) return;
    for (const char* name : kLitMaterials) {
        const Engine::cMaterial* material = materials->Find(name);
        Engine::iGPUProgram* program = material != nullptr ? material->Program() : nullptr;
        if (program == nullptr) continue;
        if (program->VertexStage() != nullptr) light->AttachProgram(program->VertexStage());
        if (program->PixelStage() != nullptr) light->AttachProgram(program->PixelStage());
    }
}

void cKid::CreateEffects() {
    locked_door_effect.Fill<cEmitterSpawnOneUpwards>();
    key_effect.Fill<cEmitterSpawnOneUpwards>();
    walk_effect.Fill<cEmitterWalk>()->interval = kWalkEmitterInterval;
}

void cKid::CreateCompanions() {
    cGameFactory& factory = cGameFactory::Instance();
    if (factory.GetFactory(GAME_ENT_TYPES::KID_KEY) != nullptr) {
        carried_key = factory.CreateTyped<cKidKey>(GAME_ENT_TYPES::KID_KEY);
        if (carried_key != nullptr) carried_key->Setup();
    }
    if (factory.GetFactory(GAME_ENT_TYPES::PATH) != nullptr) {
        path = factory.CreateTyped<cPath>(GAME_ENT_TYPES::PATH);
        if (path != nullptr) path->Init("path");
    }
    if (cGameData::Instance().challenge_spawning) {
        spawner = std::make_unique<cChallengeSpawner>(this, tuning);
        spawner->stroke = stroke;
    }
}

void cKid::BuildMachine() {
    using Machine = Engine::cStateMachine<cKid>;
    machine = std::make_unique<Machine>(this);
    auto* s_intro = machine->AddState(&cKid::Nothing, &cKid::IntroEnter, &cKid::IntroUpdate, &cKid::IntroExit,
                                      &cKid::Nothing);
    auto* s_stand =
        machine->AddState(&cKid::Nothing, &cKid::StandEnter, &cKid::NothingUpdate, &cKid::Nothing, &cKid::Nothing);
    auto* s_walk =
        machine->AddState(&cKid::Nothing, &cKid::WalkEnter, &cKid::WalkUpdate, &cKid::WalkExit, &cKid::Nothing);
    auto* s_death =
        machine->AddState(&cKid::Nothing, &cKid::DeathEnter, &cKid::DeathUpdate, &cKid::Nothing, &cKid::Nothing);
    auto* s_float =
        machine->AddState(&cKid::Nothing, &cKid::FloatEnter, &cKid::NothingUpdate, &cKid::Nothing, &cKid::Nothing);
    s_intro->AddTrigger(&cKid::IntroDone, s_stand);
    s_stand->AddTrigger(&cKid::WantsToWalk, s_walk);
    s_stand->AddTrigger(&cKid::Dead, s_death);
    s_walk->AddTrigger(&cKid::StopsWalking, s_stand);
    s_walk->AddTrigger(&cKid::Dead, s_death);
    s_walk->AddTrigger(&cKid::Won, s_float);
    intro = s_intro;
    stand = s_stand;
    walk = s_walk;
    death = s_death;
    floating = s_float;
}

void cKid::Reset(const Engine::Vector3& where) {
    status = 0;
    damage = 0.0f;
    walk_speed = tuning.mid_speed;
    locked_door_cooldown = 0.0f;
    door_open_cooldown = 0.0f;
    challenge_time = 0.0f;
    chasing = false;
    challenge_music_pending = false;
    challenge_light_active = false;
    challenge_fade = 0.0f;
    chase_fade = 1.0f;
    light_fade_time = kLightFadeTime;
    heading = {0.0f, 0.0f, 1.0f};
    facing = {1.0f, 0.0f, 0.0f};
    last_checkpoint = nullptr;
    if (spawner) spawner->active = false;
    if (auto* component = dynamic_cast<Engine::cModelGfxCmp*>(model)) component->SetLooping(true);
    position = where;
    if (physics != nullptr) physics->SetVelocity({0.0f, 0.0f, 0.0f});
    OrientModel({0.0f, 0.0f, 1.0f});
    if (carried_key != nullptr) carried_key->Show(false);
    if (machine) machine->Start(intro);
}

void cKid::Reset() {
    machine.reset();
    spawner.reset();
    if (light != nullptr) Engine::cLightPool::Instance().ReleaseLight(light);
    cGameFactory& factory = cGameFactory::Instance();
    if (carried_key != nullptr && factory.IsRegistered()) factory.QueueDeletion(carried_key);
    carried_key = nullptr;
    cEntity::Reset();
    if (path != nullptr && factory.IsRegistered()) factory.Destroy(&path);
    path = nullptr;
    stroke = nullptr;
    camera = nullptr;
    status = 0;
    damage = 0.0f;
    keys = 0;
    candy = 0;
    restarted_at_checkpoint = false;
}

void cKid::SetStroke(cStroke* level_stroke) {
    stroke = level_stroke;
    if (spawner) spawner->stroke = level_stroke;
}

// ---- Per-frame update -------------------------------------------------------

void cKid::Update(float dt) {
    if (cEmitterWalk* walk_emitter = WalkEmitter()) walk_emitter->position = position;
    ApplyDeveloperKeys();
    RebuildWorld();
    UpdateSpawner(dt);
    UpdateChallengeLight(dt);
    UpdateChaseLight(dt);
    challenge_time -= dt;
    locked_door_cooldown -= dt;
    door_open_cooldown -= dt;
    damage = std::clamp(damage, 0.0f, std::max(health, 0.0f));
    PlaceLight();
    if (machine) machine->Update(dt);
    FollowKid();
}

void cKid::ApplyDeveloperKeys() {
    if (!Engine::cEngineSettings::Instance().developer_mode) return;
    const Engine::cKeyboardState& keyboard = Engine::cKeyboardState::Instance();
    if (keyboard.IsDown(Engine::kVK_Q)) status |= kStatusDead;
    if (keyboard.IsDown(Engine::kVK_E)) health = kDeveloperHealth;
}

void cKid::UpdateSpawner(float dt) {
    if (!spawner) return;
    spawner->Update(dt, position);
    if (challenge_time <= 0.0f) spawner->active = false;
}

std::int32_t cKid::ChallengeSeconds() const {
    return challenge_time > 0.0f ? static_cast<std::int32_t>(challenge_time) : 0;
}

void cKid::UpdateChallengeLight(float dt) {
    const float t = std::min(1.0f, challenge_fade / light_fade_time);
    SetLightColour(Blend(base_colour, light_tuning.challenge_colour, t));
    if (challenge_time > 0.0f) {
        challenge_fade = std::min(challenge_fade + dt, light_fade_time);
        return;
    }
    challenge_fade -= dt;
    if (challenge_fade > 0.0f) return;
    challenge_fade = 0.0f;
    challenge_light_active = false;
    if (!challenge_music_pending) return;
    challenge_music_pending = false;
    // The level music loops again; a single play would fall silent when the track ends.
    Play(Content::kLevelMusic, true);
    Stop(Content::kChallengeMusic);
}

// The challenge colour wins while a challenge light shows; otherwise the
// chase colour fades in (chasing) or the light fades back to its own colour.
void cKid::UpdateChaseLight(float dt) {
    if (challenge_light_active) return;
    const float t = std::clamp(chase_fade / light_fade_time, 0.0f, 1.0f);
    if (chasing) {
        SetLightColour(Blend(base_colour, light_tuning.chaser_colour, t));
    } else {
        SetLightColour(Blend(light_tuning.chaser_colour, base_colour, t));
    }
    chase_fade += dt;
}

void cKid::SetLightColour(const Engine::Vector3& colour) {
    if (light == nullptr) return;
    light->light.diffuse.r = colour.x;
    light->light.diffuse.g = colour.y;
    light->light.diffuse.b = colour.z;
}

Engine::Vector3 cKid::LightColour() const {
    if (light == nullptr) return base_colour;
    return {light->light.diffuse.r, light->light.diffuse.g, light->light.diffuse.b};
}

void cKid::PlaceLight() {
    if (light == nullptr) return;
    light->light.position.x = position.x;
    light->light.position.z = position.z;
    Engine::cLightManager::Instance().EnableLight(light->light, true);
}

void cKid::FollowKid() {
    if (auto* sign = static_cast<cEmitterSpawnOneUpwards*>(locked_door_effect.Get())) sign->position = position;
    if (auto* sign = static_cast<cEmitterSpawnOneUpwards*>(key_effect.Get())) sign->position = position;
    if (carried_key == nullptr) return;
    carried_key->position = position;
    carried_key->rotation = Heading(facing);
    carried_key->RebuildWorld();
}

cEmitterWalk* cKid::WalkEmitter() const { return static_cast<cEmitterWalk*>(walk_effect.Get()); }

// ---- Operations other entities call -----------------------------------------

void cKid::TakeDamage(float amount) {
    damage += amount;
    Play(Content::kKidHurtVoice, false);
}

void cKid::StartChallenge(float duration) {
    Play(Content::kChallengeMusic, false);
    Stop(Content::kLevelMusic);
    if (spawner) spawner->active = true;
    challenge_time = duration;
    challenge_music_pending = true;
    challenge_light_active = true;
    challenge_fade = 0.0f;
}

void cKid::StartChase() {
    chase_fade = 0.0f;
    chasing = true;
    Play(Content::kChaseMusic, true);
    Stop(Content::kLevelMusic);
}

void cKid::LockedDoorTouched() {
    if (locked_door_cooldown >= 0.0f) return;
    locked_door_cooldown = kDoorCooldown;
    if (auto* sign = static_cast<cEmitterSpawnOneUpwards*>(locked_door_effect.Get())) {
        sign->position = position;
        sign->Burst();
    }
    Play(Content::kDoorLockedSound, false);
}

void cKid::UseKey() {
    if (keys <= 0) return;
    --keys;
    cAchievementStore::Instance().Unlock(kAchievementDoorOpened);
    if (door_open_cooldown < 0.0f) {
        if (auto* sign = static_cast<cEmitterSpawnOneUpwards*>(key_effect.Get())) {
            sign->position = position;
            sign->Burst();
        }
        Play(Content::kDoorOpenSound, false);
        door_open_cooldown = kDoorCooldown;
    }
    if (keys == 0 && carried_key != nullptr) carried_key->Show(false);
}

void cKid::PlaceOnPath(std::size_t index) {
    if (path == nullptr || path->points.size() <= index) return;
    SetPosition(path->points[index]);
    if (index != 0 || path->points.size() < 2) return;
    const Engine::Vector3 toward = path->points[1] - path->points[0];
    heading = Engine::Normalise(Engine::Vector3{toward.x, 0.0f, toward.z});
}

eKidState cKid::State() const {
    const Engine::iState* current = machine ? machine->GetCurrent() : nullptr;
    if (current == nullptr) return eKidState::None;
    if (current == intro) return eKidState::Intro;
    if (current == stand) return eKidState::Stand;
    if (current == walk) return eKidState::Walk;
    if (current == death) return eKidState::Death;
    return eKidState::Float;
}

// ---- States -------------------------------------------------------------------

void cKid::PlayAnimation(std::string_view animation, bool loop, float speed) {
    auto* component = dynamic_cast<Engine::cModelGfxCmp*>(model);
    if (component == nullptr) return;
    component->Play(std::string(animation));
    component->SetLooping(loop);
    component->SetSpeed(speed);
}

void cKid::OrientModel(const Engine::Vector3& direction) {
    rotation = Heading(direction);
    RebuildWorld();
}

void cKid::SetCones(float inner, float outer) {
    if (light == nullptr) return;
    light->light.innerCone = inner;
    light->light.outerCone = outer;
}

void cKid::IntroEnter() {
    status |= kStatusFrozen;
    if (physics != nullptr) physics->SetDisabled(false);
    PlayAnimation(Content::kMirelIdle, true, 1.0f);
    intro_timer = -0.1f;
    intro_cone_done = false;
    intro_light_done = false;
}

// The cone opens from nothing with a quadratic ease-out over one second.
void cKid::IntroUpdate(float dt) {
    intro_timer += dt;
    const float inner = light_tuning.inner_cone_degrees * kDegToRad;
    const float outer = light_tuning.outer_cone_degrees * kDegToRad;
    if (intro_timer <= kIntroLength) {
        const float t = std::max(0.0f, intro_timer);
        const float opened = 2.0f * t - t * t;
        SetCones(opened * inner, opened * outer);
        return;
    }
    SetCones(inner, outer);
    intro_cone_done = true;
    intro_light_done = true;
}

void cKid::IntroExit() { status &= ~kStatusFrozen; }

void cKid::StandEnter() { PlayAnimation(Content::kMirelIdle, true, 1.0f); }

// The walk takes hold in the frame the key goes down, so a step of the same
// length moves the kid as far at any frame rate.
void cKid::WalkEnter() {
    PlayAnimation(Content::kMirelWalk, true, kWalkAnimationSpeed);
    if (cEmitterWalk* walk_emitter = WalkEmitter()) walk_emitter->enabled = true;
    Steer();
}

void cKid::WalkUpdate(float dt) {
    footstep_timer += dt;
    if (footstep_timer >= kFootstepInterval) {
        footstep_timer = 0.0f;
        Play((Engine::Rand() & 1) != 0 ? Content::kFootstepSound2 : Content::kFootstepSound, false);
    }
    Steer();
}

// The body keeps its vertical velocity and moves at walk_speed along the
// keys' direction; the kid turns a fifth of the way toward its motion.
void cKid::Steer() {
    if (physics == nullptr) return;
    physics->SetVelocity({0.0f, physics->GetVelocity().y, 0.0f});
    Engine::Vector3 direction = WalkDirection();
    if (Engine::LengthSquared(direction) > kMinDirectionSquared) {
        direction = Engine::Normalise(direction);
    } else {
        OrientModel(facing);
    }
    physics->AddVelocity(direction * walk_speed);
    const float angle = GroundAngle(facing, physics->GetVelocity());
    facing = Engine::Normalise(RotateAboutVertical(facing, angle / kTurnDivisor));
    OrientModel(facing);
}

void cKid::WalkExit() {
    if (auto* component = dynamic_cast<Engine::cModelGfxCmp*>(model)) component->SetSpeed(1.0f);
    if (physics != nullptr) physics->SetVelocity({0.0f, physics->GetVelocity().y, 0.0f});
    if (cEmitterWalk* walk_emitter = WalkEmitter()) walk_emitter->enabled = false;
}

void cKid::DeathEnter() {
    PlayAnimation(Content::kMirelDeath, false, kDeathAnimationSpeed);
    status |= kStatusDead;
    if (physics != nullptr) physics->SetDisabled(true);
    death_timer = kDeathLength;
    cAchievementStore::Instance().Unlock(kAchievementDied);
}

// The cone closes to a narrow beam with an exponential ease over three seconds.
void cKid::DeathUpdate(float dt) {
    death_timer = std::max(0.0f, death_timer - dt);
    const float inner = light_tuning.inner_cone_degrees * kDegToRad;
    const float outer = light_tuning.outer_cone_degrees * kDegToRad;
    SetCones(kDeathInnerCone + Engine::EaseExpoIn(death_timer, 0.0f, inner - kDeathInnerCone, kDeathLength),
             kDeathOuterCone + Engine::EaseExpoIn(death_timer, 0.0f, outer - kDeathOuterCone, kDeathLength));
}

void cKid::FloatEnter() {
    PlayAnimation(Content::kMirelFloat, false, 1.0f);
    float_timer = kFloatLength;
    if (physics != nullptr) physics->SetDisabled(true);
    if (last_checkpoint != nullptr || restarted_at_checkpoint) return;
    const std::int32_t level = cLevelManager::Instance().current_number;
    for (std::int32_t excluded : kLevelsWithoutCheckpoints) {
        if (level == excluded) return;
    }
    cAchievementStore::Instance().Unlock(kAchievementNoCheckpoint);
}

// ---- Triggers and input -------------------------------------------------------

bool cKid::IntroDone() { return intro_cone_done && intro_light_done; }

bool cKid::WantsToWalk() { return !IsFrozen() && MovementKeyHeld(); }

bool cKid::Dead() { return IsDead(); }

bool cKid::StopsWalking() { return IsFrozen() || !MovementKeyHeld(); }

bool cKid::Won() { return HasWon(); }

bool cKid::MovementKeyHeld() const {
    const Engine::cKeyboardState& keyboard = Engine::cKeyboardState::Instance();
    return keyboard.IsDown(Engine::kVK_W) || keyboard.IsDown(Engine::kVK_A) || keyboard.IsDown(Engine::kVK_S) ||
           keyboard.IsDown(Engine::kVK_D);
}

const Engine::cCameraGfxCmp* cKid::WalkCamera() const {
    if (camera != nullptr) return camera;
    const Engine::cSceneRenderer* scene = Engine::GetSceneRenderer();
    return scene != nullptr ? scene->ActiveCamera() : nullptr;
}

// W and S along the camera's view on the ground, A and D across it; W wins over S, A over D.
Engine::Vector3 cKid::WalkDirection() const {
    Engine::Vector3 forward{0.0f, 0.0f, 1.0f};
    if (const Engine::cCameraGfxCmp* view = WalkCamera()) {
        const Engine::Vector3 look = view->target - view->eye;
        forward = Engine::Normalise(Engine::Vector3{look.x, 0.0f, look.z});
    }
    const Engine::Vector3 right = Engine::Normalise(Engine::Cross(forward, {0.0f, 1.0f, 0.0f}));
    const Engine::cKeyboardState& keyboard = Engine::cKeyboardState::Instance();
    Engine::Vector3 direction;
    if (keyboard.IsDown(Engine::kVK_W)) {
        direction += forward;
    } else if (keyboard.IsDown(Engine::kVK_S)) {
        direction -= forward;
    }
    if (keyboard.IsDown(Engine::kVK_A)) {
        direction -= right;
    } else if (keyboard.IsDown(Engine::kVK_D)) {
        direction += right;
    }
    return direction;
}

}  // namespace Game
