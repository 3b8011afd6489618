#include "game/entities/cCameraTrigger.h"

#include "engine/core/cLog.h"
#include "engine/physics/BoxOperations.h"
#include "engine/physics/cCollisionAABB.h"
#include "engine/physics/cPhysicsWorld.h"
#include "engine/physics/ePhysicsFlags.h"
#include "game/entities/cGameCamera.h"
#include "game/entities/cGameFactory.h"

namespace Game {

bool cCameraTrigger::SetUpFromLevel(const LevelObjectValues& values) {
    Setup(values.position, values.scale);
    game_camera = dynamic_cast<cGameCamera*>(values.game_camera);
    if (game_camera == nullptr) Engine::LogError("cCameraTrigger: no game camera to play its shot; it stays silent");
    shot = values.cinematic.value_or(CinematicTarget{});
    return true;
}

void cCameraTrigger::Setup(const Engine::Vector3& at, const Engine::Vector3& size) {
    if (name.empty()) {
        Init(kName);
    } else {
        name = kName;
    }
    position = at;
    scale = size;
    RebuildWorld();
    auto* box = new Engine::cCollisionAABB();
    Engine::SetHalfExtents(*box, size);
    box->UpdatePosition(position);
    physics = Engine::cPhysicsWorld::Instance().CreateObject(kCollisionGroup, box, kName, &position);
    physics->SetOwner(this);
    physics->SetFlag(Engine::ePhysicsFlags::NoResponse, true);
    physics->SetCallback(&cCameraTrigger::OnCollision);
    SetActive(true);
}

void cCameraTrigger::Reset() {
    game_camera = nullptr;
    shot = CinematicTarget{};
    cEntity::Reset();
}

void cCameraTrigger::Fire() {
    if (game_camera != nullptr) game_camera->StartShot(shot);
    SetActive(false);
    cGameFactory::Instance().QueueDeletion(this);
}

std::int32_t cCameraTrigger::OnCollision(Engine::iPhysicsCmp* self, Engine::iPhysicsCmp* other) {
    auto* trigger = static_cast<cCameraTrigger*>(self->GetOwner());
    if (trigger == nullptr || other == nullptr || !trigger->active) return 0;
    if (other->GetName().rfind("Kid", 0) == 0) trigger->Fire();
    return 0;
}

}  // namespace Game
