#pragma once
// iPhysicsCmp: a physics object. Every entity that moves or can be touched
// owns one; the object does not hold a position of its own but points at its
// entity's and moves it. It carries the entity's velocity, a collision shape,
// a tag name that other objects' callbacks read to tell what they touched
// ("Kid", "Stroke", ...), the name of its collision group, behaviour flags
// and one contact callback, which the collision pass calls with the object
// and the other party of every contact.
//
// The entity needs two things of it: to stop it while the entity is inactive
// (SetDisabled: not stepped, never paired) and to have it taken out of the
// world when the entity is torn down (MarkRemoved: the next physics step
// removes it). The physics world hands objects out from its pool.

#include <cstdint>
#include <string>

#include "engine/core/Vector3.h"
#include "engine/physics/ePhysicsFlags.h"

namespace Engine {

class iCollisionCmp;
class iPhysicsCmp;

// A contact callback: called with the object itself and the other object of
// the contact. The return value is not read.
using PhysicsCallback = std::int32_t (*)(iPhysicsCmp* self, iPhysicsCmp* other);

class iPhysicsCmp {
public:
    virtual ~iPhysicsCmp() = default;

    // Points the object at its owner's position and clears the callback.
    virtual void Attach(Vector3* position) = 0;
    // Back to the pooled state: shape deleted, velocity zero, no callback, no position.
    virtual void Release() = 0;
    // Moves the owner's position by one step of dt seconds and the shape with it.
    virtual bool Integrate(float dt) = 0;
    // Sets the contact callback; null for none.
    virtual void SetCallback(PhysicsCallback callback) = 0;
    // Asks the next physics step to take the object out of the world.
    virtual void MarkRemoved() = 0;
    // Sets the tag other objects' callbacks read.
    virtual void SetName(const std::string& name) = 0;
    // Sets the owning entity, which callbacks reach through GetOwner.
    virtual void SetOwner(void* owner) = 0;
    // A copy of the tag.
    virtual std::string GetName() const = 0;
    // A copy of the name of the collision group the object was added to.
    virtual std::string GetGroupName() const = 0;
    // Whether MarkRemoved has been called since the object was handed out.
    virtual bool IsRemoved() const = 0;
    // The owning entity, or null.
    virtual void* GetOwner() const = 0;

    // Sets or clears the Disabled flag; a disabled object keeps its velocity.
    virtual void SetDisabled(bool disabled) = 0;
    // Whether the Disabled flag is set.
    virtual bool IsDisabled() const = 0;

    // A copy of the owner's position (the origin when the object is not attached).
    virtual Vector3 GetPosition() const = 0;
    // Writes the owner's position; collision response moves objects through it.
    virtual void SetPosition(const Vector3& position) = 0;
    // Sets the velocity in world units per second.
    virtual void SetVelocity(const Vector3& velocity) = 0;
    // The velocity in world units per second.
    virtual Vector3 GetVelocity() const = 0;
    // Adds to the velocity component-wise.
    virtual void AddVelocity(const Vector3& change) = 0;
    // Sets or clears one behaviour flag.
    virtual void SetFlag(ePhysicsFlags flag, bool on) = 0;
    // Whether one behaviour flag is set.
    virtual bool HasFlag(ePhysicsFlags flag) const = 0;
    // Sets the factor applied to the reversed velocity on a time-of-contact bounce.
    virtual void SetRestitution(float restitution) = 0;
    // The bounce factor.
    virtual float GetRestitution() const = 0;
    // Sets the per-second velocity factor (1 keeps the velocity).
    virtual void SetDamping(float damping) = 0;
    // The per-second velocity factor.
    virtual float GetDamping() const = 0;
    // The collision shape, or null.
    virtual iCollisionCmp* GetShape() const = 0;
    // The contact callback, or null.
    virtual PhysicsCallback GetCallback() const = 0;
};

}  // namespace Engine
