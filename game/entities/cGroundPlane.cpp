#include "game/entities/cGroundPlane.h"

#include "engine/physics/BoxOperations.h"
#include "engine/physics/cCollisionAABB.h"
#include "engine/physics/cPhysicsWorld.h"
#include "engine/physics/ePhysicsFlags.h"
#include "engine/physics/iPhysicsCmp.h"

namespace Game {

namespace {

const Engine::Vector3 kSlabCentre{0.0f, -1.0f, 0.0f};
const Engine::Vector3 kSlabHalfExtents{1000.0f, 0.1f, 1000.0f};
constexpr float kSlabRestitution = 0.1f;

}  // namespace

void cGroundPlane::Setup() {
    Init("groundplane");
    position = kSlabCentre;
    RebuildWorld();
    auto* box = new Engine::cCollisionAABB();
    Engine::SetHalfExtents(*box, kSlabHalfExtents);
    box->UpdatePosition(position);
    physics = Engine::cPhysicsWorld::Instance().CreateObject("Floor", box, "Floor", &position);
    physics->SetOwner(this);
    physics->SetFlag(Engine::ePhysicsFlags::Static, true);
    physics->SetFlag(Engine::ePhysicsFlags::NoResponse, false);
    physics->SetRestitution(kSlabRestitution);
}

}  // namespace Game
