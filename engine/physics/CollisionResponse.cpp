#include "engine/physics/CollisionResponse.h"

#include <cmath>  // std::fabs

#include "engine/physics/BoxOperations.h"
#include "engine/physics/cCollisionAABB.h"
#include "engine/physics/iPhysicsCmp.h"

namespace Engine {

namespace {

// Where the object's box is centred: its position plus the box's offset (a
// body whose box stands on its feet has its centre above its position).
Vector3 BoxCentre(const iPhysicsCmp& object, const cCollisionAABB& box) { return object.GetPosition() + box.offset; }

// Whether the object's box now and its box dt seconds ago overlap: it moved
// less than its own size this frame.
bool IsSlow(const iPhysicsCmp& object, const cCollisionAABB& box, float dt) {
    AABB previous = box;
    Recentre(previous, BoxCentre(object, box) - dt * object.GetVelocity());
    return BoxesOverlap(box, previous);
}

// Puts the object back to its contact point and plays the remaining time out
// with the contact component of its velocity reflected.
void BounceAtContact(iPhysicsCmp& object, int axis, float remaining) {
    const Vector3 velocity = object.GetVelocity();
    const Vector3 contact = object.GetPosition() - remaining * velocity;
    Vector3 reflected = velocity;
    AxisOf(reflected, axis) = object.GetRestitution() * -AxisOf(reflected, axis);
    object.SetPosition(contact + remaining * reflected);
    object.SetVelocity(reflected);
}

// Moves the object by amount along axis, and stops the part of its velocity
// that drives it back in: a body resting on the floor under gravity would
// otherwise gather speed frame after frame until it passes through.
void Shift(iPhysicsCmp& object, int axis, float amount) {
    Vector3 position = object.GetPosition();
    AxisOf(position, axis) += amount;
    object.SetPosition(position);
    Vector3 velocity = object.GetVelocity();
    if (AxisOf(velocity, axis) * amount < 0.0f) {
        AxisOf(velocity, axis) = 0.0f;
        object.SetVelocity(velocity);
    }
}

}  // namespace

void ResolveContact(const cCollisionPairObj& pair, float dt) {
    iPhysicsCmp& a = *pair.first;
    iPhysicsCmp& b = *pair.second;
    const cCollisionAABB* box_a = cCollisionAABB::Of(a.GetShape());
    const cCollisionAABB* box_b = cCollisionAABB::Of(b.GetShape());
    if (box_a == nullptr || box_b == nullptr) return;
    const bool respond = !a.HasFlag(ePhysicsFlags::NoResponse) && !b.HasFlag(ePhysicsFlags::NoResponse);
    const bool move_a = respond && !a.HasFlag(ePhysicsFlags::Static);
    const bool move_b = respond && !b.HasFlag(ePhysicsFlags::Static);

    const bool both_slow = IsSlow(a, *box_a, dt) && IsSlow(b, *box_b, dt);
    if (pair.time > 0 && !both_slow) {
        const float remaining = dt - pair.time;
        if (move_a) BounceAtContact(a, pair.axis, remaining);
        if (move_b) BounceAtContact(b, pair.axis, remaining);
        return;
    }

    const Vector3 half_a = (box_a->max - box_a->min) * 0.5f;
    const Vector3 half_b = (box_b->max - box_b->min) * 0.5f;
    const Vector3 d = BoxCentre(b, *box_b) - BoxCentre(a, *box_a);
    float overlap[3];
    for (int i = 0; i < 3; ++i) overlap[i] = (AxisOf(half_a, i) + AxisOf(half_b, i)) - std::fabs(AxisOf(d, i));
    int k = 0;
    if (overlap[0] > overlap[1]) k = 1;
    if (overlap[k] > overlap[2]) k = 2;
    const float push = AxisOf(d, k) >= 0 ? overlap[k] : -overlap[k];
    if (move_a) Shift(a, k, -push);
    if (move_b) Shift(b, k, push);
}

}  // namespace Engine
