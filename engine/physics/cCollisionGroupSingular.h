#pragma once
// cCollisionGroupSingular: a plain list of physics objects. Paired with
// another singular group it proposes every member with every member of the
// other group (both orders when paired with itself); grids pair with it by
// looking up only the cells its members cover.

#include <cstdint>
#include <list>
#include <string>
#include <vector>

#include "engine/physics/iCollisionGroupCmp.h"

namespace Engine {

class cCollisionGroupSingular : public iCollisionGroupCmp {
public:
    // Nothing to do each frame.
    void Update(float dt) override;
    // The other iCollisionGroupCmp operations as described there.
    void Clear() override;
    void Add(iPhysicsCmp* object) override;
    void Remove(iPhysicsCmp* object) override;
    // Only against another singular group: every member t in list order with
    // every member s of other in list order, skipping disabled objects and t = s.
    void GeneratePairs(std::vector<cCollisionPairObj>& candidates, iCollisionGroupCmp* other) override;
    void SetName(const std::string& new_name) override;
    std::string GetName() const override;
    std::int32_t GetCount() const override;
    eCollisionGroupKind GetKind() const override;
    const std::list<iPhysicsCmp*>& GetMembers() const override;

    eCollisionGroupKind kind = eCollisionGroupKind::Singular;
    std::string name;
    std::list<iPhysicsCmp*> members;  // insertion order, not owned
};

}  // namespace Engine
