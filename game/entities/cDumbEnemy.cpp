#include "game/entities/cDumbEnemy.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "engine/core/Quaternion.h"
#include "engine/core/Random.h"
#include "engine/core/cLog.h"
#include "engine/physics/BoxOperations.h"
#include "engine/physics/cCollisionAABB.h"
#include "engine/physics/cPhysicsWorld.h"
#include "engine/physics/ePhysicsFlags.h"
#include "engine/render/scene/SceneRendererAccess.h"
#include "engine/render/scene/cModelGfxCmp.h"
#include "engine/render/scene/cModelGfxCmpPool.h"
#include "engine/resource/cMesh.h"
#include "game/data/cEnemyStatsTable.h"
#include "game/data/cModelCatalogue.h"
#include "game/entities/cGlobalEffects.h"
#include "game/entities/cKid.h"
#include "game/entities/cStroke.h"

namespace Game {

namespace {

constexpr float kDegrees = 57.295776f;
constexpr float kRadians = 0.017453292f;
constexpr int kTurnChoices = 360;

const std::string kWalkAnimation = "GhostWalk";
const std::string kHitAnimation = "GhostOnHit";
const std::string kDeathAnimation = "GhostDeath";
const std::string kSlashSound = "SlashMonster";
const std::string kPossessSound = "DumbPossess";
const std::string kBurstSound = "DumbDeath1";
const std::string kBurstSound2 = "DumbDeath2";

// The unsigned angle in degrees between two ground-plane directions; 0 when either has no length.
float AngleBetween(const Engine::Vector3& a, const Engine::Vector3& b) {
    if (Engine::LengthSquared(a) == 0.0f || Engine::LengthSquared(b) == 0.0f) return 0.0f;
    // Rounding can push the cosine of parallel vectors just past 1.
    const float cosine = std::clamp(Engine::Dot(Engine::Normalise(a), Engine::Normalise(b)), -1.0f, 1.0f);
    return std::acos(cosine) * kDegrees;
}

}  // namespace

bool cDumbEnemy::SetUpFromLevel(const LevelObjectValues& values) {
    if (!Setup(values.position, values.scale)) return false;
    kid = dynamic_cast<cKid*>(values.kid);
    stroke = dynamic_cast<cStroke*>(values.stroke);
    return true;
}

bool cDumbEnemy::Setup(const Engine::Vector3& at, const Engine::Vector3& size) {
    if (!cEnemyStatsTable::Instance().Find(kind.stats_name)) {
        Engine::LogError(std::string("ghost \"") + kind.entity_name + "\": the enemy stats table has no \"" +
                         kind.stats_name + "\" record; the ghost is not set up");
        return false;
    }
    // The level loader has made the entity live already; others hand over a pooled one.
    if (name.empty()) {
        Init(kind.entity_name);
    } else {
        name = kind.entity_name;
    }
    position = at;
    scale = size;
    setup_scale = size;
    CreateModel();
    CreateBody();
    const float turn = static_cast<float>(Engine::rnd(kTurnChoices)) * kRadians;
    Face({std::cos(turn), 0.0f, -std::sin(turn)});
    BuildMachine();
    Spawn(at);
    return true;
}

void cDumbEnemy::CreateModel() {
    Engine::cModelGfxCmpPool* pool = Engine::GetModelPool();
    const std::optional<sModelNames> names = cModelCatalogue::Instance().FindPrefab(GetType());
    if (pool == nullptr || !names) return;  // no renderer or no model registered: nothing is drawn
    Engine::cModelGfxCmp* component = pool->Take();
    component->Initialise(names->mesh, names->texture_set, names->material, true);
    component->transform = &world;
    model = component;
}

void cDumbEnemy::CreateBody() {
    auto* box = new Engine::cCollisionAABB();
    Engine::SetHalfExtents(*box, {kDefaultHalfSize, kDefaultHalfSize, kDefaultHalfSize});
    const auto* shown = dynamic_cast<Engine::cModelGfxCmp*>(model);
    if (shown != nullptr && !shown->Meshes().empty()) {
        const Engine::AABB& mesh_box = shown->Meshes().front()->BoundingBox();
        box->min = {mesh_box.min.x * scale.x, mesh_box.min.y * scale.y, mesh_box.min.z * scale.z};
        box->max = {mesh_box.max.x * scale.x, mesh_box.max.y * scale.y, mesh_box.max.z * scale.z};
        box->offset = Engine::BoxCentre(*box);
    }
    box->UpdatePosition(position);
    physics = Engine::cPhysicsWorld::Instance().CreateObject(kCollisionGroup, box, kind.body_name, &position);
    physics->SetFlag(Engine::ePhysicsFlags::NoResponse, true);
    physics->SetRestitution(kRestitution);
    AttachPhysics();
}

void cDumbEnemy::BuildMachine() {
    machine = std::make_unique<Engine::cStateMachine<cDumbEnemy>>(this);
    using M = cDumbEnemy;
    auto* rising = machine->AddState(&M::Nothing, &M::RiseEnter, &M::RiseUpdate, &M::Nothing, &M::Nothing);
    auto* walking = machine->AddState(&M::Nothing, &M::WalkEnter, &M::WalkUpdate, &M::WalkExit, &M::Nothing);
    auto* stunning = machine->AddState(&M::Nothing, &M::Nothing, &M::NothingUpdate, &M::Nothing, &M::Nothing);
    auto* possessing = machine->AddState(&M::Nothing, &M::PossessEnter, &M::NothingUpdate, &M::Nothing, &M::Nothing);
    auto* dying_state = machine->AddState(&M::Nothing, &M::DieEnter, &M::DieUpdate, &M::Nothing, &M::Nothing);
    rising->AddTrigger(&M::Risen, walking);
    // Death is tested first, so a ghost killed by a slash dies when its stun ends.
    walking->AddTrigger(&M::Dead, dying_state);
    walking->AddTrigger(&M::TouchedKid, possessing);
    walking->AddTrigger(&M::Flashing, stunning);
    stunning->AddTrigger(&M::FlashOver, walking);
    rise = rising;
    walk = walking;
    stunned = stunning;
    possess = possessing;
    die = dying_state;
}

void cDumbEnemy::Reset() {
    machine.reset();
    rise = walk = stunned = possess = die = nullptr;
    facing = {1.0f, 0.0f, 0.0f};
    death_timer = 0.0f;
    death_started = false;
    death_scale = {1.0f, 1.0f, 1.0f};
    cBaseEnemy::Reset();
}

void cDumbEnemy::Spawn(const Engine::Vector3& at) {
    const std::optional<sEnemyStats> stats = cEnemyStatsTable::Instance().Find(kind.stats_name);
    if (!stats) {
        Engine::LogError(std::string("ghost \"") + name + "\": no \"" + kind.stats_name +
                         "\" record to spawn from; the ghost is removed");
        Remove();
        return;
    }
    health = stats->health;
    speed = base_speed = stats->speed;
    attack = stats->attack_power;
    hold_rate = kGhostHoldRate;
    damage = 0.0f;
    touched_kid = false;
    Animate(kWalkAnimation, true, 1.0f);
    SetPosition(at);
    if (machine) machine->Start(rise);
}

void cDumbEnemy::UpdateKind(float dt) {
    if (!active) return;
    if (machine) machine->Update(dt);
    if (!flash_done) RunHitFlash();
    if (kid != nullptr && kid->IsDead()) Remove();
}

void cDumbEnemy::OnTouchKid() { touched_kid = true; }

void cDumbEnemy::OnStrokeHit() {
    if (!flash_done || health <= damage || stroke == nullptr || !stroke->slashing) return;
    // The sparks fly along the cut, so its direction is read before the stroke is stopped.
    const Engine::Vector3 cut = stroke->physics ? stroke->physics->GetVelocity() : Engine::Vector3{};
    if (stroke->physics) stroke->physics->SetVelocity({});
    if (cEmitterSlashed* sparks = cGlobalEffects::Instance().Slashed()) sparks->Burst(position, cut);
    damage += stroke->attack_power;
    PlaySound(kSlashSound);
    StartHitFlash();
    Animate(kHitAnimation, true, 1.0f);
    ++stroke->hits;
}

eGhostState cDumbEnemy::State() const {
    const Engine::iState* current = machine ? machine->GetCurrent() : nullptr;
    if (current == nullptr) return eGhostState::None;
    if (current == rise) return eGhostState::Rise;
    if (current == walk) return eGhostState::Walk;
    if (current == stunned) return eGhostState::Stunned;
    if (current == possess) return eGhostState::Possess;
    return eGhostState::Die;
}

void cDumbEnemy::Face(const Engine::Vector3& direction) {
    const Engine::Vector3 flat = Engine::Normalise({direction.x, 0.0f, direction.z});
    if (Engine::LengthSquared(flat) == 0.0f) return;
    facing = flat;
    rotation = Engine::Quaternion::FromAxisAngle({0.0f, 1.0f, 0.0f}, std::atan2(-flat.z, flat.x));
}

void cDumbEnemy::Animate(const std::string& animation, bool loop, float animation_speed) {
    auto* shown = dynamic_cast<Engine::cModelGfxCmp*>(model);
    if (shown == nullptr) return;
    shown->Play(animation);
    shown->SetLooping(loop);
    shown->SetSpeed(animation_speed);
}

Engine::Vector3 cDumbEnemy::TurnTowardKid() const {
    const Engine::Vector3 to_kid{kid->position.x - position.x, 0.0f, kid->position.z - position.z};
    const Engine::Vector3& h = facing;
    const float step = AngleBetween(h, to_kid) / kind.turn_divisor * kRadians;
    const float c = std::cos(step);
    const float s = std::sin(step);
    if (h.z * to_kid.x - h.x * to_kid.z > 0.0f) return Engine::Normalise({h.x * c + h.z * s, 0.0f, h.z * c - h.x * s});
    return Engine::Normalise({h.x * c - h.z * s, 0.0f, h.z * c + h.x * s});
}

void cDumbEnemy::RiseEnter() { BeginRise(); }

void cDumbEnemy::RiseUpdate(float dt) { UpdateRise(dt); }

void cDumbEnemy::WalkEnter() {
    Animate(kWalkAnimation, true, 1.0f);
    if (kind.forgets_touch) touched_kid = false;
}

void cDumbEnemy::WalkUpdate(float /*dt*/) {
    if (kid == nullptr) return;
    const Engine::Vector3 heading = TurnTowardKid();
    if (physics != nullptr) {
        physics->SetVelocity({});
        physics->AddVelocity(heading * speed);
    }
    Face(heading);
}

void cDumbEnemy::WalkExit() {
    if (physics != nullptr) physics->SetVelocity({});
}

void cDumbEnemy::PossessEnter() {
    LeaveStroke();
    Remove();
    if (kid != nullptr) kid->TakeDamage(attack);
    if (cEmitterPossessSplatter* splatter = cGlobalEffects::Instance().PossessSplatter()) splatter->Burst(position);
    PlaySoundUnlessPlaying(kPossessSound);
}

void cDumbEnemy::DieEnter() {
    dying = true;
    Animate(kDeathAnimation, false, 1.0f);
    // Drawn whether or not a burst is still sounding: playback runs on the
    // clock, and the random sequence must not depend on it, or a recorded run
    // would not replay.
    const bool first_burst = Engine::rnd(2) == 0;
    if (!SoundPlaying(kBurstSound) && !SoundPlaying(kBurstSound2)) PlaySound(first_burst ? kBurstSound : kBurstSound2);
    death_timer = 0.0f;
    death_started = false;
    death_scale = scale;
}

void cDumbEnemy::DieUpdate(float dt) {
    death_timer += dt;
    if (!death_started) {
        death_started = true;
        if (auto* shown = dynamic_cast<Engine::cModelGfxCmp*>(model)) shown->SetSpeed(0.0f);
        PlaySound(kRiseSound);
    }
    const float t = std::min(1.0f, death_timer / kDeathTime);
    scale = Engine::Vector3{0.0f, kDeathHeight, 0.0f} * t + death_scale * (1.0f - t);
    if (death_timer <= kDeathTime) return;
    if (cEmitterSplatter* splatter = cGlobalEffects::Instance().Splatter()) splatter->Burst(position);
    LeaveStroke();
    Remove();
}

bool cDumbEnemy::Risen() { return RiseOver(); }

bool cDumbEnemy::Dead() { return IsDead(); }

bool cDumbEnemy::TouchedKid() { return touched_kid; }

bool cDumbEnemy::Flashing() { return !flash_done; }

bool cDumbEnemy::FlashOver() { return flash_done; }

}  // namespace Game
