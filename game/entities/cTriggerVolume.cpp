#include "game/entities/cTriggerVolume.h"

#include "engine/physics/BoxOperations.h"
#include "engine/physics/cCollisionAABB.h"
#include "engine/physics/cPhysicsWorld.h"
#include "engine/physics/ePhysicsFlags.h"
#include "game/entities/cKid.h"

namespace Game {

bool cTriggerVolume::SetUpFromLevel(const LevelObjectValues& values) {
    Setup(values.position, values.scale);
    TakeValues(values);
    return true;
}

void cTriggerVolume::Setup(const Engine::Vector3& at, const Engine::Vector3& size) {
    // The level loader has made the entity live already; others hand over a pooled one.
    if (name.empty()) {
        Init(EntityName());
    } else {
        name = EntityName();
    }
    position = at;
    scale = size;
    RebuildWorld();
    auto* box = new Engine::cCollisionAABB();
    Engine::SetHalfExtents(*box, size * HalfExtentScale());
    box->UpdatePosition(position);
    physics = Engine::cPhysicsWorld::Instance().CreateObject(kCollisionGroup, box, EntityName(), &position);
    physics->SetOwner(static_cast<cTriggerVolume*>(this));
    physics->SetFlag(Engine::ePhysicsFlags::NoResponse, true);
    physics->SetCallback(&cTriggerVolume::OnCollision);
}

std::int32_t cTriggerVolume::OnCollision(Engine::iPhysicsCmp* self, Engine::iPhysicsCmp* other) {
    auto* trigger = static_cast<cTriggerVolume*>(self->GetOwner());
    if (trigger == nullptr || other == nullptr || !trigger->active) return 0;
    if (other->GetName().rfind("Kid", 0) != 0) return 0;
    // Only the kid's own body carries a name beginning "Kid", with the kid as its owner.
    trigger->OnKidTouch(static_cast<cKid*>(other->GetOwner()));
    return 0;
}

}  // namespace Game
