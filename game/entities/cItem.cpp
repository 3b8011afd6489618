#include "game/entities/cItem.h"

#include <string>

#include "engine/audio/SoundManagerAccess.h"
#include "engine/audio/iSoundManager.h"
#include "engine/core/Quaternion.h"
#include "engine/physics/cCollisionAABB.h"
#include "engine/physics/cPhysicsWorld.h"
#include "engine/physics/ePhysicsFlags.h"
#include "game/data/SoundNames.h"
#include "game/entities/PrefabParts.h"
#include "game/entities/cGameFactory.h"
#include "game/entities/cGlobalEffects.h"
#include "game/entities/cKid.h"

namespace Game {

namespace {

constexpr float kRadians = 0.017453292f;
constexpr float kFullTurn = 360.0f;
constexpr float kCollectStrength = 1.0f;
const Engine::Vector3 kUp{0.0f, 1.0f, 0.0f};

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

}  // namespace

bool cItem::SetUpFromLevel(const LevelObjectValues& values) {
    if (name.empty()) {
        Init(kind.entity_name);
    } else {
        name = kind.entity_name;
    }
    position = values.position;
    if (kind.on_the_ground) position.y = kGroundHeight;
    scale = values.scale;
    rotation = Engine::Quaternion::FromAxisAngle(kUp, values.rotation_degrees * kRadians);
    RebuildWorld();
    kid = dynamic_cast<cKid*>(values.kid);
    item_id = values.ordinal.value_or(0);
    AttachPrefabModel(*this, kind.prefab_id);
    CreateBody();
    BuildMachine();
    return true;
}

void cItem::CreateBody() {
    const float h = kDefaultHalfSize;
    Engine::cCollisionAABB* box = MakeModelBox(*this, {h, h, h});
    physics = Engine::cPhysicsWorld::Instance().CreateObject(kCollisionGroup, box, kind.body_name, &position);
    physics->SetFlag(Engine::ePhysicsFlags::NoResponse, true);
    physics->SetRestitution(kRestitution);
    physics->SetOwner(static_cast<cItem*>(this));
    physics->SetCallback(&cItem::OnCollision);
}

void cItem::BuildMachine() {
    machine = std::make_unique<Engine::cStateMachine<cItem>>(this);
    using M = cItem;
    auto* waiting = machine->AddState(&M::Nothing, &M::Nothing, &M::NothingUpdate, &M::Nothing, &M::Nothing);
    auto* spinning = machine->AddState(&M::Nothing, &M::SpinEnter, &M::SpinUpdate, &M::Nothing, &M::Nothing);
    auto* collecting = machine->AddState(&M::Nothing, &M::CollectEnter, &M::NothingUpdate, &M::Nothing, &M::Nothing);
    waiting->AddTrigger(&M::Always, spinning);
    spinning->AddTrigger(&M::Collected, collecting);
    wait = waiting;
    spin = spinning;
    collect = collecting;
    machine->Start(wait);
}

void cItem::Reset() {
    machine.reset();
    wait = spin = collect = nullptr;
    kid = nullptr;
    item_id = 0;
    collected = false;
    spin_time = 0.0f;
    spin_period = kSpinPeriod;
    cEntity::Reset();
}

void cItem::Update(float dt) {
    if (!active) return;
    if (machine) machine->Update(dt);
    RebuildWorld();
}

void cItem::OnKidTouch() {}

void cItem::OnStrokeTouch() {}

std::int32_t cItem::OnCollision(Engine::iPhysicsCmp* self, Engine::iPhysicsCmp* other) {
    auto* item = static_cast<cItem*>(self->GetOwner());
    if (item == nullptr || other == nullptr) return 0;
    const std::string other_name = other->GetName();
    if (StartsWith(other_name, "Stroke")) {
        item->OnStrokeTouch();
    } else if (StartsWith(other_name, "Kid")) {
        item->OnKidTouch();
    }
    return 0;
}

eItemState cItem::State() const {
    const Engine::iState* current = machine ? machine->GetCurrent() : nullptr;
    if (current == nullptr) return eItemState::None;
    if (current == wait) return eItemState::Wait;
    if (current == spin) return eItemState::Spin;
    return eItemState::Collect;
}

void cItem::FireCollectEffect() {
    if (cEmitterCollectable* sparkles = cGlobalEffects::Instance().Collect()) sparkles->Burst(position, kCollectStrength);
}

void cItem::Remove() {
    if (queued) return;
    cGameFactory::Instance().QueueDeletion(static_cast<Engine::cEntity*>(this));
}

void cItem::SpinEnter() {
    spin_time = 0.0f;
    spin_period = kSpinPeriod;
}

void cItem::SpinUpdate(float dt) {
    const float degrees = kFullTurn * spin_time / spin_period;
    rotation = Engine::Quaternion::FromAxisAngle(kUp, degrees * kRadians);
    spin_time += dt;
}

void cItem::CollectEnter() {
    if (Engine::iSoundManager* sounds = Engine::GetSoundManager()) {
        sounds->Play(std::string(Content::kCollectSound), false, 1.0f);
    }
    FireCollectEffect();
    Remove();
}

}  // namespace Game
