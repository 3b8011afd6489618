#pragma once
// iCollisionGroupCmp: a named set of physics objects that the collision pass
// pairs with other groups. Gameplay names a group when it creates a physics
// object and registers which groups can touch which; once per frame the
// manager asks every group to update itself and then to generate candidate
// pairs against each group it is paired with. Groups do not own their
// members: clearing a group hands its members back to the physics world.

#include <cstdint>
#include <list>
#include <string>
#include <vector>

#include "engine/physics/cCollisionPairObj.h"
#include "engine/physics/eCollisionGroupKind.h"

namespace Engine {

class iPhysicsCmp;

class iCollisionGroupCmp {
public:
    virtual ~iCollisionGroupCmp() = default;

    // The per-frame hook, run before pairs are generated.
    virtual void Update(float dt) = 0;
    // Takes every member out of the physics world once and empties the group;
    // the objects stay their owners', who hand them back to the pool.
    virtual void Clear() = 0;
    // Appends the object to the member list.
    virtual void Add(iPhysicsCmp* object) = 0;
    // Removes every entry of the object from the member list.
    virtual void Remove(iPhysicsCmp* object) = 0;
    // Appends the candidate pairs between this group's members (first) and other's (second).
    virtual void GeneratePairs(std::vector<cCollisionPairObj>& candidates, iCollisionGroupCmp* other) = 0;
    // Sets the name the group is found by (compared exactly).
    virtual void SetName(const std::string& name) = 0;
    // A copy of the name.
    virtual std::string GetName() const = 0;
    // The number of entries in the member list.
    virtual std::int32_t GetCount() const = 0;
    // Which kind of group this is.
    virtual eCollisionGroupKind GetKind() const = 0;
    // The member list in insertion order.
    virtual const std::list<iPhysicsCmp*>& GetMembers() const = 0;
};

}  // namespace Engine
