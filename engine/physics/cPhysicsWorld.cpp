#include "engine/physics/cPhysicsWorld.h"

#include <unordered_set>  // the members already released
#include <vector>

#include "engine/core/cLog.h"
#include "engine/entity/cEntity.h"
#include "engine/physics/cCollisionManager.h"
#include "engine/physics/cPhysicsObject.h"
#include "engine/physics/iCollisionGroupCmp.h"

namespace Engine {

cPhysicsWorld::cPhysicsWorld() { cEntity::SetPhysicsPool(this); }

cPhysicsWorld::~cPhysicsWorld() {
    if (cEntity::GetPhysicsPool() == this) cEntity::SetPhysicsPool(nullptr);
}

void cPhysicsWorld::Reset(const Vector3& new_gravity) {
    ClearObjects();
    gravity = new_gravity;
}

iPhysicsCmp* cPhysicsWorld::CreateObject(const std::string& group_name, iCollisionCmp* shape,
                                         const std::string& name, Vector3* position) {
    if (position == nullptr) LogError("cPhysicsWorld::CreateObject: no position given for \"" + name + "\"");
    cPhysicsObject* object = pool.Take();
    object->Initialise(shape, position);
    object->SetName(name);
    if (iCollisionGroupCmp* group = cCollisionManager::Instance().GetGroup(group_name, eCollisionGroupKind::Singular)) {
        group->Add(object);
    }
    object->SetGroupName(group_name);
    objects.push_back(object);
    return object;
}

void cPhysicsWorld::RemoveObject(iPhysicsCmp* object) {
    objects.remove(object);
    if (iCollisionGroupCmp* group = cCollisionManager::Instance().FindGroup(object->GetGroupName())) {
        group->Remove(object);
    }
}

void cPhysicsWorld::ReleaseObject(iPhysicsCmp* object) {
    RemoveObject(object);
    auto* pooled = dynamic_cast<cPhysicsObject*>(object);
    if (pooled != nullptr && pool.Owns(pooled)) {
        pool.GiveBack(pooled);
    } else {
        object->Release();
    }
}

void cPhysicsWorld::RemoveMembers(std::list<iPhysicsCmp*>& members) {
    std::list<iPhysicsCmp*> leaving;
    leaving.swap(members);
    std::unordered_set<iPhysicsCmp*> removed;
    for (iPhysicsCmp* object : leaving) {
        if (removed.insert(object).second) RemoveObject(object);
    }
}

void cPhysicsWorld::Step(float dt) {
    const Vector3 pull = gravity * dt;
    std::vector<iPhysicsCmp*> removed;
    for (iPhysicsCmp* object : objects) {
        if (object->IsRemoved()) {
            removed.push_back(object);
            continue;
        }
        if (object->IsDisabled()) continue;
        if (object->HasFlag(ePhysicsFlags::Gravity)) object->AddVelocity(pull);
        object->Integrate(dt);
    }
    // Only out of the world: the owner still holds the object and hands it back.
    for (auto it = removed.rbegin(); it != removed.rend(); ++it) RemoveObject(*it);
}

void cPhysicsWorld::Update(float dt) {
    Step(dt);
    cCollisionManager::Instance().Update(dt);
}

void cPhysicsWorld::ClearObjects() {
    while (!objects.empty()) RemoveObject(objects.front());
}

}  // namespace Engine
