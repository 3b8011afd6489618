#include "engine/physics/cPhysicsObject.h"

#include <cmath>  // std::pow for the damping

#include "engine/physics/cCollisionAABB.h"

namespace Engine {

namespace {

std::uint8_t Bit(ePhysicsFlags flag) { return static_cast<std::uint8_t>(flag); }

}  // namespace

cPhysicsObject::~cPhysicsObject() { delete shape; }

void cPhysicsObject::Attach(Vector3* owner_position) {
    position = owner_position;
    callback = nullptr;
}

void cPhysicsObject::Release() {
    delete shape;
    shape = nullptr;
    velocity = Vector3(0, 0, 0);
    callback = nullptr;
    position = nullptr;
}

bool cPhysicsObject::Integrate(float dt) {
    if (HasFlag(ePhysicsFlags::Static)) {
        velocity = Vector3(0, 0, 0);
    } else {
        velocity = velocity * std::pow(damping, dt);
        if (position != nullptr) *position = *position + dt * velocity;
    }
    if (shape == nullptr) return true;
    shape->UpdatePosition(GetPosition());
    return false;
}

void cPhysicsObject::SetCallback(PhysicsCallback new_callback) { callback = new_callback; }

void cPhysicsObject::MarkRemoved() { SetFlag(ePhysicsFlags::Removed, true); }

void cPhysicsObject::SetName(const std::string& new_name) { name = new_name; }

void cPhysicsObject::SetOwner(void* new_owner) { owner = new_owner; }

std::string cPhysicsObject::GetName() const { return name; }

std::string cPhysicsObject::GetGroupName() const { return groupName; }

bool cPhysicsObject::IsRemoved() const { return HasFlag(ePhysicsFlags::Removed); }

void* cPhysicsObject::GetOwner() const { return owner; }

void cPhysicsObject::SetDisabled(bool disabled) { SetFlag(ePhysicsFlags::Disabled, disabled); }

bool cPhysicsObject::IsDisabled() const { return HasFlag(ePhysicsFlags::Disabled); }

Vector3 cPhysicsObject::GetPosition() const { return position != nullptr ? *position : Vector3(); }

void cPhysicsObject::SetPosition(const Vector3& new_position) {
    if (position != nullptr) *position = new_position;
}

void cPhysicsObject::SetVelocity(const Vector3& new_velocity) { velocity = new_velocity; }

Vector3 cPhysicsObject::GetVelocity() const { return velocity; }

void cPhysicsObject::AddVelocity(const Vector3& change) { velocity += change; }

void cPhysicsObject::SetFlag(ePhysicsFlags flag, bool on) {
    flags = on ? static_cast<std::uint8_t>(flags | Bit(flag)) : static_cast<std::uint8_t>(flags & ~Bit(flag));
}

bool cPhysicsObject::HasFlag(ePhysicsFlags flag) const { return (flags & Bit(flag)) != 0; }

void cPhysicsObject::SetRestitution(float new_restitution) { restitution = new_restitution; }

float cPhysicsObject::GetRestitution() const { return restitution; }

void cPhysicsObject::SetDamping(float new_damping) { damping = new_damping; }

float cPhysicsObject::GetDamping() const { return damping; }

iCollisionCmp* cPhysicsObject::GetShape() const { return shape; }

PhysicsCallback cPhysicsObject::GetCallback() const { return callback; }

void cPhysicsObject::Initialise(iCollisionCmp* given_shape, Vector3* owner_position) {
    if (shape != given_shape) delete shape;
    shape = given_shape;
    shapeKind = shape != nullptr ? shape->GetKind() : cCollisionAABB::kKind;
    if (shape == nullptr && shapeKind == cCollisionAABB::kKind) shape = new cCollisionAABB();
    position = owner_position;
    callback = nullptr;
    velocity = Vector3(0, 0, 0);
    flags = 0;
    restitution = 0;
    damping = 1.0f;
    owner = nullptr;  // a reused object must not lead a callback to its previous entity
}

void cPhysicsObject::SetGroupName(const std::string& new_group_name) { groupName = new_group_name; }

}  // namespace Engine
