#include "game/entities/cDestructables.h"

#include <algorithm>
#include <optional>
#include <string>

#include "engine/core/Quaternion.h"
#include "engine/core/cLog.h"
#include "engine/physics/cCollisionAABB.h"
#include "engine/physics/cPhysicsWorld.h"
#include "engine/physics/ePhysicsFlags.h"
#include "engine/render/scene/cModelGfxCmp.h"
#include "game/data/SoundNames.h"
#include "game/data/cEnemyStatsTable.h"
#include "game/entities/PrefabParts.h"
#include "game/entities/cGlobalEffects.h"
#include "game/entities/cKid.h"
#include "game/entities/cStroke.h"

namespace Game {

namespace {

constexpr float kRadians = 0.017453292f;

}  // namespace

bool cDestructables::SetUpFromLevel(const LevelObjectValues& values) {
    const std::optional<sEnemyStats> stats = cEnemyStatsTable::Instance().Find(kStatsName);
    if (!stats) {
        Engine::LogError(std::string("crate \"") + kind.body_name + "\": the enemy stats table has no \"" +
                         kStatsName + "\" record; the crate is not set up");
        return false;
    }
    if (name.empty()) {
        Init(kEntityName);
    } else {
        name = kEntityName;
    }
    kid = dynamic_cast<cKid*>(values.kid);
    stroke = dynamic_cast<cStroke*>(values.stroke);
    health = stats->health;
    attack = stats->attack_power;
    hold_rate = kind.hold_rate;
    position = values.position;
    scale = values.scale;
    setup_scale = values.scale;
    rotation = Engine::Quaternion::FromAxisAngle({0.0f, 1.0f, 0.0f}, values.rotation_degrees * kRadians);
    RebuildWorld();
    AttachPrefabModel(*this, GetType());
    SetColourOffset(0.0f);
    CreateBody();
    BuildMachine();
    return true;
}

void cDestructables::CreateBody() {
    Engine::cCollisionAABB* box = MakeModelBox(*this, scale * 0.5f);
    physics = Engine::cPhysicsWorld::Instance().CreateObject(kCollisionGroup, box, kind.body_name, &position);
    physics->SetRestitution(kRestitution);
    AttachPhysics();
}

void cDestructables::BuildMachine() {
    machine = std::make_unique<Engine::cStateMachine<cDestructables>>(this);
    using M = cDestructables;
    auto* waiting = machine->AddState(&M::Nothing, &M::Nothing, &M::NothingUpdate, &M::Nothing, &M::Nothing);
    auto* broken = machine->AddState(&M::Nothing, &M::BreakEnter, &M::BreakUpdate, &M::BreakExit, &M::Nothing);
    auto* leaving = machine->AddState(&M::Nothing, &M::GoneEnter, &M::NothingUpdate, &M::Nothing, &M::Nothing);
    waiting->AddTrigger(&M::Broken, broken);
    broken->AddTrigger(&M::Always, leaving);
    idle = waiting;
    breaking = broken;
    gone = leaving;
    machine->Start(idle);
}

void cDestructables::Reset() {
    machine.reset();
    idle = breaking = gone = nullptr;
    break_timer = 0.0f;
    break_started = false;
    break_scale = {1.0f, 1.0f, 1.0f};
    cBaseEnemy::Reset();
}

void cDestructables::UpdateKind(float dt) {
    if (!active) return;
    if (machine) machine->Update(dt);
    if (!flash_done) RunHitFlash();
}

void cDestructables::SetHeld(bool is_held) {
    held = is_held;
    if (physics != nullptr) physics->SetFlag(Engine::ePhysicsFlags::NoResponse, is_held);
}

void cDestructables::OnStrokeHit() {
    if (!flash_done || health <= damage || stroke == nullptr || !stroke->slashing) return;
    damage += stroke->attack_power;
    PlaySound(std::string(Content::kSlashHitSound));
    StartHitFlash();
    ++stroke->hits;
}

eCrateState cDestructables::State() const {
    const Engine::iState* current = machine ? machine->GetCurrent() : nullptr;
    if (current == nullptr) return eCrateState::None;
    if (current == idle) return eCrateState::Idle;
    if (current == breaking) return eCrateState::Break;
    return eCrateState::Gone;
}

void cDestructables::BreakEnter() {
    // The hold meter must not rescale a crate that is breaking.
    dying = true;
    break_timer = 0.0f;
    break_started = false;
    break_scale = scale;
}

void cDestructables::BreakUpdate(float dt) {
    if (!break_started) {
        break_started = true;
        if (auto* shown = dynamic_cast<Engine::cModelGfxCmp*>(model)) shown->SetSpeed(0.0f);
        PlaySound(std::string(kind.break_sound));
    }
    break_timer += dt;
    const float t = std::min(1.0f, break_timer / kBreakTime);
    scale = Engine::Vector3{0.0f, kBreakHeight, 0.0f} * t + break_scale * (1.0f - t);
    if (break_timer <= kBreakTime) return;
    LeaveStroke();
    Remove();
}

void cDestructables::BreakExit() {
    if (cEmitterCrate* splinters = cGlobalEffects::Instance().Crate()) splinters->Burst(position);
}

void cDestructables::GoneEnter() {
    LeaveStroke();
    Remove();
}

}  // namespace Game
