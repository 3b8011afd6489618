#include "game/entities/cDoor.h"

#include "engine/core/Quaternion.h"
#include "engine/physics/cCollisionAABB.h"
#include "engine/physics/cPhysicsWorld.h"
#include "engine/physics/ePhysicsFlags.h"
#include "game/entities/PrefabParts.h"
#include "game/entities/cKid.h"
#include "game/entities/cStroke.h"

namespace Game {

namespace {

constexpr float kRadians = 0.017453292f;

}  // namespace

bool cDoor::SetUpFromLevel(const LevelObjectValues& values) {
    if (name.empty()) {
        Init(EntityName());
    } else {
        name = EntityName();
    }
    kid = dynamic_cast<cKid*>(values.kid);
    stroke = dynamic_cast<cStroke*>(values.stroke);
    grabbable = false;
    position = values.position;
    scale = values.scale;
    setup_scale = values.scale;
    rotation = Engine::Quaternion::FromAxisAngle({0.0f, 1.0f, 0.0f}, values.rotation_degrees * kRadians);
    RebuildWorld();
    AttachPrefabModel(*this, GetType());
    CreateBody();
    BuildMachine();
    return true;
}

void cDoor::CreateBody() {
    Engine::cCollisionAABB* box = MakeHalfBox(*this, scale * 0.5f);
    physics = Engine::cPhysicsWorld::Instance().CreateObject(kCollisionGroup, box, kBodyName, &position);
    physics->SetFlag(Engine::ePhysicsFlags::Static, true);
    physics->SetRestitution(kRestitution);
    AttachPhysics();
}

void cDoor::BuildMachine() {
    machine = std::make_unique<Engine::cStateMachine<cDoor>>(this);
    using M = cDoor;
    auto* rising = machine->AddState(&M::Nothing, &M::RiseEnter, &M::RiseUpdate, &M::Nothing, &M::Nothing);
    auto* standing = machine->AddState(&M::Nothing, &M::Nothing, &M::NothingUpdate, &M::Nothing, &M::Nothing);
    auto* sinking = machine->AddState(&M::Nothing, &M::Nothing, &M::SinkUpdate, &M::Nothing, &M::Nothing);
    auto* leaving = machine->AddState(&M::Nothing, &M::GoneEnter, &M::NothingUpdate, &M::Nothing, &M::Nothing);
    rising->AddTrigger(&M::Risen, standing);
    standing->AddTrigger(&M::Opens, sinking);
    sinking->AddTrigger(&M::Sunk, leaving);
    rise = rising;
    closed = standing;
    sink = sinking;
    gone = leaving;
    machine->Start(rise);
}

void cDoor::Reset() {
    machine.reset();
    rise = closed = sink = gone = nullptr;
    cBaseEnemy::Reset();
}

void cDoor::UpdateKind(float dt) {
    if (!active) return;
    if (machine) machine->Update(dt);
}

eDoorState cDoor::State() const {
    const Engine::iState* current = machine ? machine->GetCurrent() : nullptr;
    if (current == nullptr) return eDoorState::None;
    if (current == rise) return eDoorState::Rise;
    if (current == closed) return eDoorState::Closed;
    if (current == sink) return eDoorState::Sink;
    return eDoorState::Gone;
}

bool cDoor::MayOpen() const { return kid == nullptr || kid->challenge_time <= 0.0f; }

void cDoor::RiseEnter() { BeginRise(); }

void cDoor::RiseUpdate(float dt) { UpdateRise(dt); }

void cDoor::SinkUpdate(float dt) { SetPosition({position.x, position.y - kSinkSpeed * dt, position.z}); }

void cDoor::GoneEnter() { Remove(); }

}  // namespace Game
