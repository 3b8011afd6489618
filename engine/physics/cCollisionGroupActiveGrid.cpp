#include "engine/physics/cCollisionGroupActiveGrid.h"

namespace Engine {

cCollisionGroupActiveGrid::cCollisionGroupActiveGrid(const CollisionGridLayout& layout_)
    : cCollisionGroupGrid(layout_) {
    kind = eCollisionGroupKind::ActiveGrid;
}

void cCollisionGroupActiveGrid::Update(float /*dt*/) { Rebuild(); }

}  // namespace Engine
