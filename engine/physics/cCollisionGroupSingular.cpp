#include "engine/physics/cCollisionGroupSingular.h"

#include "engine/physics/cPhysicsWorld.h"
#include "engine/physics/iPhysicsCmp.h"

namespace Engine {

void cCollisionGroupSingular::Update(float /*dt*/) {}

void cCollisionGroupSingular::Clear() { cPhysicsWorld::Instance().RemoveMembers(members); }

void cCollisionGroupSingular::Add(iPhysicsCmp* object) { members.push_back(object); }

void cCollisionGroupSingular::Remove(iPhysicsCmp* object) { members.remove(object); }

void cCollisionGroupSingular::GeneratePairs(std::vector<cCollisionPairObj>& candidates, iCollisionGroupCmp* other) {
    if (other == nullptr || other->GetKind() != eCollisionGroupKind::Singular) return;
    const std::list<iPhysicsCmp*>& others = other->GetMembers();
    for (iPhysicsCmp* t : members) {
        if (t->IsDisabled()) continue;
        for (iPhysicsCmp* s : others) {
            if (s == t || s->IsDisabled()) continue;
            candidates.push_back(cCollisionPairObj{t, s, 0, 0});
        }
    }
}

void cCollisionGroupSingular::SetName(const std::string& new_name) { name = new_name; }

std::string cCollisionGroupSingular::GetName() const { return name; }

std::int32_t cCollisionGroupSingular::GetCount() const { return static_cast<std::int32_t>(members.size()); }

eCollisionGroupKind cCollisionGroupSingular::GetKind() const { return kind; }

const std::list<iPhysicsCmp*>& cCollisionGroupSingular::GetMembers() const { return members; }

}  // namespace Engine
