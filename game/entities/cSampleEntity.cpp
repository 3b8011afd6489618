#include "game/entities/cSampleEntity.h"

#include "engine/physics/iPhysicsCmp.h"
#include "engine/platform/VirtualKeys.h"
#include "engine/platform/cKeyboardState.h"

namespace Game {

void cSampleEntity::Setup() {
    Init("sample_entity");
    machine = std::make_unique<Engine::cStateMachine<cSampleEntity>>(this);
    Engine::iState* idle = machine->AddState(&cSampleEntity::Idle, &cSampleEntity::Idle, &cSampleEntity::IdleUpdate,
                                             &cSampleEntity::Idle, &cSampleEntity::Idle);
    machine->Start(idle);
}

void cSampleEntity::Update(float dt) {
    if (machine) machine->Update(dt);
    RebuildWorld();
    if (physics == nullptr) return;
    const Engine::cKeyboardState& keys = Engine::cKeyboardState::Instance();
    Engine::Vector3 push;
    if (keys.IsDown(Engine::kVK_LEFT)) push.x -= kPush * dt;
    if (keys.IsDown(Engine::kVK_RIGHT)) push.x += kPush * dt;
    if (keys.IsDown(Engine::kVK_UP)) push.z += kPush * dt;
    if (keys.IsDown(Engine::kVK_DOWN)) push.z -= kPush * dt;
    physics->SetVelocity(physics->GetVelocity() + push);
}

void cSampleEntity::Reset() {
    machine.reset();
    cEntity::Reset();
}

}  // namespace Game
