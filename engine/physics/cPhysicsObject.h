#pragma once
// cPhysicsObject: the physics object every entity uses. It lives in the
// physics world's pool and is handed out by cPhysicsWorld::CreateObject,
// which gives it its shape, tag, group and the address of the entity's
// position. Each step it damps its velocity, moves the position by it and
// drags its shape along; the collision pass reads its box, velocity, flags
// and restitution and may move it back out of what it hit.
//
// The fields are public so that the world can hand objects out and take them
// back and tests can read them; entities go through the iPhysicsCmp
// operations.

#include <cstdint>
#include <string>

#include "engine/core/Vector3.h"
#include "engine/physics/iPhysicsCmp.h"

namespace Engine {

class iCollisionCmp;

class alignas(64) cPhysicsObject : public iPhysicsCmp {
public:
    // An unattached object: no shape, no position, no flags, damping 1.
    cPhysicsObject() = default;
    // Deletes the shape it still owns.
    ~cPhysicsObject() override;
    cPhysicsObject(const cPhysicsObject&) = delete;
    cPhysicsObject& operator=(const cPhysicsObject&) = delete;

    // The iPhysicsCmp operations; each is described there.
    void Attach(Vector3* owner_position) override;
    void Release() override;
    // Static objects only lose their velocity; others are damped by damping^dt
    // and moved by dt times the damped velocity. The shape follows; the result
    // is false when there is a shape to move and true without one.
    bool Integrate(float dt) override;
    void SetCallback(PhysicsCallback new_callback) override;
    void MarkRemoved() override;
    void SetName(const std::string& new_name) override;
    void SetOwner(void* new_owner) override;
    std::string GetName() const override;
    std::string GetGroupName() const override;
    bool IsRemoved() const override;
    void* GetOwner() const override;
    void SetDisabled(bool disabled) override;
    bool IsDisabled() const override;
    Vector3 GetPosition() const override;
    void SetPosition(const Vector3& new_position) override;
    void SetVelocity(const Vector3& new_velocity) override;
    Vector3 GetVelocity() const override;
    void AddVelocity(const Vector3& change) override;
    void SetFlag(ePhysicsFlags flag, bool on) override;
    bool HasFlag(ePhysicsFlags flag) const override;
    void SetRestitution(float new_restitution) override;
    float GetRestitution() const override;
    void SetDamping(float new_damping) override;
    float GetDamping() const override;
    iCollisionCmp* GetShape() const override;
    PhysicsCallback GetCallback() const override;

    // The state of a freshly handed-out object: the given shape (a default
    // unit box when there is none), the owner's position, no callback, zero
    // velocity, no flags, restitution 0, damping 1, no owner.
    void Initialise(iCollisionCmp* given_shape, Vector3* owner_position);
    // Records the group the world added the object to.
    void SetGroupName(const std::string& new_group_name);

    // The fields the step and the collision pass read come first, so that
    // with the object aligned to a cache line they share a single line.
    std::int32_t shapeKind = 0;         // copied from the shape's kind
    iCollisionCmp* shape = nullptr;     // owned
    PhysicsCallback callback = nullptr;
    Vector3* position = nullptr;        // the owner's, not owned
    std::uint8_t flags = 0;             // ePhysicsFlags bits
    bool pooled = false;  // waiting in the pool's free queue, so it is never queued twice
    Vector3 velocity;
    float restitution = 0;
    float damping = 1.0f;
    void* owner = nullptr;
    std::string name;                   // the tag callbacks compare against
    std::string groupName;
};

}  // namespace Engine
