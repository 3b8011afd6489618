#pragma once
// cCollisionGroupPairObj: two collision groups whose members can touch. The
// collision manager keeps them in registration order; groupA is the group of
// the second name given, groupB that of the first, and a group may be paired
// with itself. The groups are owned by the manager, not by the pair.

namespace Engine {

class iCollisionGroupCmp;

struct cCollisionGroupPairObj {
    iCollisionGroupCmp* groupA = nullptr;
    iCollisionGroupCmp* groupB = nullptr;
};

}  // namespace Engine
