#pragma once
// iPhysicsCmpPool: where an entity's physics object goes back when the entity
// is torn down. The entity that asked for an object owns it until its Reset
// hands it back through this interface and forgets the pointer; nothing else
// returns objects to the pool, so a torn-down entity can never reach an
// object that another entity owns now. The physics world registers itself
// with cEntity::SetPhysicsPool when it is created.

namespace Engine {

class iPhysicsCmp;

class iPhysicsCmpPool {
public:
    virtual ~iPhysicsCmpPool() = default;

    // Takes the object out of the world and its group and returns it to the pool.
    virtual void GiveBack(iPhysicsCmp* object) = 0;
};

}  // namespace Engine
