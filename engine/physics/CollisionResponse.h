#pragma once
// CollisionResponse: how the collision pass separates two objects whose
// boxes meet. When the swept test found a first contact inside the frame and
// at least one object moved farther than its own size, both objects are put
// back to where they touched and play out the rest of the frame with the
// contact component of their velocity reversed and scaled by their
// restitution. Otherwise the boxes are pushed apart along the axis of
// smallest overlap, each movable object by the whole overlap. Static objects
// never move, and a no-response object on either side keeps both where they
// are. Boxes are not moved here; they follow their objects at the next step.

#include "engine/physics/cCollisionPairObj.h"

namespace Engine {

// Resolves one colliding pair of a frame of dt seconds.
void ResolveContact(const cCollisionPairObj& pair, float dt);

}  // namespace Engine
