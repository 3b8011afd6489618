#pragma once
// cCollisionGroupActiveGrid: a grid whose members move, binned afresh every
// frame before pairs are generated. Worth it for groups with many moving
// members, where pairing only what shares a cell beats testing every couple.

#include "engine/physics/cCollisionGroupGrid.h"

namespace Engine {

class cCollisionGroupActiveGrid : public cCollisionGroupGrid {
public:
    // An active grid on the shared layout, built at once.
    explicit cCollisionGroupActiveGrid(const CollisionGridLayout& layout);

    // Rebuilds the cells from the members' present positions.
    void Update(float dt) override;
};

}  // namespace Engine
