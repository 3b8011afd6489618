#include "game/entities/cFence.h"

#include "engine/physics/cCollisionAABB.h"
#include "engine/physics/cPhysicsWorld.h"
#include "engine/physics/ePhysicsFlags.h"
#include "game/entities/PrefabParts.h"

namespace Game {

bool cFence::SetUpFromLevel(const LevelObjectValues& values) {
    if (name.empty()) {
        Init(kEntityName);
    } else {
        name = kEntityName;
    }
    position = values.position;
    scale = values.scale;
    RebuildWorld();
    AttachPrefabModel(*this, GetType());
    Engine::cCollisionAABB* box = MakeHalfBox(*this, scale * 0.5f);
    physics = Engine::cPhysicsWorld::Instance().CreateObject(kCollisionGroup, box, kBodyName, &position);
    physics->SetFlag(Engine::ePhysicsFlags::Static, true);
    physics->SetRestitution(kRestitution);
    return true;
}

}  // namespace Game
