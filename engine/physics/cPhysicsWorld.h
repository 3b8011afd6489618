#pragma once
// cPhysicsWorld: every live physics object, one world per process. It hands
// objects out from its pool to the entities that ask, each into a named
// collision group, steps them once per frame under a constant gravity and
// then runs the collision pass. An object is free (in the pool), live (in the
// world's list and in one group) or dropped (taken out of the world by a
// step, by ClearObjects or by clearing its group, but still its owner's).
// Whoever asked for an object owns it until handing it back with
// ReleaseObject; entities do that in their Reset, through the
// iPhysicsCmpPool the world registers with cEntity. Nothing else returns an
// object to the pool, so an object is never handed to a second owner while
// the first can still reach it. Object storage lives as long as the world,
// so pointers to objects never dangle.

#include <list>
#include <string>

#include "engine/core/Singleton.h"
#include "engine/core/Vector3.h"
#include "engine/physics/cPhysicsObjectPool.h"
#include "engine/physics/iPhysicsCmpPool.h"

namespace Engine {

class iCollisionCmp;
class iPhysicsCmp;

class cPhysicsWorld : public Singleton<cPhysicsWorld>, public iPhysicsCmpPool {
    friend class Singleton<cPhysicsWorld>;

public:
    // Leaves cEntity's physics pool slot when it still names this world.
    ~cPhysicsWorld() override;

    // Starts the world afresh with the given gravity: no live objects.
    void Reset(const Vector3& new_gravity);
    // A pooled object given the shape (a unit box when null, owned from now
    // on), tagged name, attached to position and added to the group named
    // group_name (a new singular group when there is none).
    iPhysicsCmp* CreateObject(const std::string& group_name, iCollisionCmp* shape, const std::string& name,
                              Vector3* position);
    // Takes the object out of the world's list and out of its group.
    void RemoveObject(iPhysicsCmp* object);
    // Takes the object out of the world and its group, releases it and, when
    // it is one of the pool's, returns it to the back of the free queue.
    void ReleaseObject(iPhysicsCmp* object);
    // The entity's way back to the pool: ReleaseObject.
    void GiveBack(iPhysicsCmp* object) override { ReleaseObject(object); }
    // Empties members and takes each distinct object in it out of the world
    // once, in list order; the objects stay their owners'.
    void RemoveMembers(std::list<iPhysicsCmp*>& members);
    // One physics step: gravity and integration of every live, enabled
    // object in list order, then the objects marked removed are taken out
    // of the world, the last marked first.
    void Step(float dt);
    // The frame's physics: Step, then the collision pass.
    void Update(float dt);
    // Takes every object out of the world and its group without handing it back.
    void ClearObjects();

    // The acceleration added to Gravity objects, per second.
    const Vector3& GetGravity() const { return gravity; }
    // The live objects in creation order.
    const std::list<iPhysicsCmp*>& GetObjects() const { return objects; }
    // The object pool.
    const cPhysicsObjectPool& GetPool() const { return pool; }

private:
    // Registers the world as the pool entities hand their objects back to.
    cPhysicsWorld();

    std::list<iPhysicsCmp*> objects;
    cPhysicsObjectPool pool;
    Vector3 gravity;  // zero until start-up resets the world
};

}  // namespace Engine
