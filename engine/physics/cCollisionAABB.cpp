#include "engine/physics/cCollisionAABB.h"

#include "engine/physics/BoxOperations.h"

namespace Engine {

cCollisionAABB::cCollisionAABB() {
    min = Vector3(-0.5f, -0.5f, -0.5f);
    max = Vector3(0.5f, 0.5f, 0.5f);
}

bool cCollisionAABB::UpdatePosition(const Vector3& position) {
    Recentre(*this, position + offset);
    return true;
}

bool cCollisionAABB::TestAgainst(const iCollisionCmp* /*other*/) { return false; }

std::int32_t cCollisionAABB::GetKind() const { return kind; }

cCollisionAABB* cCollisionAABB::Of(iCollisionCmp* shape) {
    if (shape == nullptr || shape->GetKind() != kKind) return nullptr;
    return static_cast<cCollisionAABB*>(shape);
}

}  // namespace Engine
